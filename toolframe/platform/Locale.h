#pragma once

#include <string_view>

#include "toolframe/platform/CodePage.h"

namespace toolframe {

// Sets the character-type locale to the user's locale (the ANSI code page),
// falling back to C.UTF-8 when that is plain ASCII. The other categories stay
// "C". Returns the code page now in force.
CodePage setAnsiCharacterLocale();

// Code page number for a locale's character set name (nl_langinfo(CODESET)),
// or 0 when the name is not one we know.
int codePageForCharacterSet(std::string_view characterSet);

} // namespace toolframe
