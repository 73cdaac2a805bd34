#pragma once

#include <span>
#include <string>
#include <string_view>

namespace toolframe {

// A macro that generated C and C++ code defines unless the user already
// has. With a condition, value is the default where the condition holds and
// otherwise where it does not.
struct MacroDefault {
    std::string_view macro;
    std::string_view value;
    std::string_view condition = {};
    std::string_view otherwise = {};
};

// Each default in its #ifndef bracket.
std::string macroDefaults(std::span<const MacroDefault> defaults);

// The macro by which generated code names the object of a %name
// declaration (YYPARSERNAME, YYLEXERNAME), unless the user named it first.
std::string nameMacro(std::string_view macro, std::string_view name);

} // namespace toolframe
