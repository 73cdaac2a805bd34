#pragma once

#include <string>
#include <string_view>

#include "toolframe/platform/CodePage.h"

namespace toolframe {

// "_" and the include file's name without its directory, ASCII letters and
// digits upper-cased and every other character (a multibyte one counts
// once) replaced by '_': myparser.h gives _MYPARSER_H.
std::string includeGuard(std::string_view includePath, const CodePage& codePage);

// "#include <header>\n", or with quotes "#include \"header\"\n".
std::string libraryIncludeLine(std::string_view header, bool quoted);

} // namespace toolframe
