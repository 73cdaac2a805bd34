#pragma once

#include "lindle/regex/ClassExpression.h"

namespace lindle {

// Whether the code point passes the test that the (narrow or wide) class
// name stands for, in Unicode's classification.
bool passesWideTest(ClassName name, char32_t unit);

// The other case of a code point, or the code point itself.
char32_t unicodeUpper(char32_t unit);
char32_t unicodeLower(char32_t unit);

} // namespace lindle
