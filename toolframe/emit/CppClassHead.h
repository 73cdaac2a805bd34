#pragma once

#include <string_view>

#include "toolframe/output/OutputStream.h"

namespace toolframe {

// The head of a generated C++ class, parser or lexer alike: the separator
// with the class's name, the export macro defaulted to nothing, the class
// derived from the library's base, and its public constructor and virtual
// destructor. The members that follow are each tool's own.
void writeCppClassHead(OutputStream& out, std::string_view exportMacro, std::string_view name,
                       std::string_view base);

} // namespace toolframe
