#pragma once

#include <string>
#include <string_view>

#include "toolframe/platform/CodePage.h"

namespace toolframe {

enum class LiteralDialect { C, Java };

// Text written inside a string literal of the target language (names in
// #line directives, symbol names and rule texts in the debug tables).
// Multibyte characters are stepped over whole and written as they stand.
std::string escapeForLiteral(std::string_view text, LiteralDialect dialect, const CodePage& codePage);

} // namespace toolframe
