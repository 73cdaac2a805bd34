#pragma once

#include <string>
#include <string_view>

#include "corvide/core/options/OptionSet.h"
#include "corvide/core/project/SourceKind.h"
#include "toolframe/platform/CodePage.h"

namespace corvide {

// The generated file that Build compares a source with: what the source's
// tool writes under the project's options. With compatible names it is the
// source's directory followed by "y.tab" (a grammar) or "lex.yy" (a
// scanner), else the source path without its extension; then the output
// extension option with a '.' put in front when it lacks one, or by target
// language ".cpp", ".java" or ".c".
std::string derivedOutputName(std::string_view sourcePath, SourceKind kind, const COptionSet& options,
                              const toolframe::CodePage& codePage);

} // namespace corvide
