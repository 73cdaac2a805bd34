#pragma once

#include <span>
#include <string>
#include <string_view>

namespace toolframe {

// The head of a generated C function in the prototype form and, for
// compilers without prototypes, the K&R form, chosen by YYPROTOTYPE; the
// body's opening brace follows. Each parameter is a declaration whose last
// word is its name.
std::string cFunctionHead(std::string_view head, std::span<const std::string> parameters);

// One member of an initialised object, its name in a comment beside it.
std::string memberInitialiser(std::string_view value, std::string_view member);

} // namespace toolframe
