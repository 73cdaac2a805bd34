#pragma once

#include <string_view>

#include "toolframe/diagnostics/Diagnostics.h"
#include "toolframe/emit/LanguageFrame.h"
#include "toolframe/run/ToolOptions.h"
#include "toolframe/platform/CodePage.h"

namespace toolframe {

// Settles the output, include and verbose file names once the switches are
// read: drops the include file when the language has none, forces Unicode
// when the language always is, and derives every name not given.
// compatibleName replaces the file-name part with -c ("y.tab.c", "lex.yy.c").
// No source file is fatal error 1005.
void deriveFileNames(ToolOptions& options, const LanguageFrame& language, std::string_view compatibleName,
                     const CodePage& codePage, Diagnostics& diagnostics);

} // namespace toolframe
