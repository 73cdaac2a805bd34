#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace lindle {

// The names a class expression "[:name:]" may give, in the order of their
// spellings below.
enum class ClassName {
    Alnum, Alpha, Blank, Cntrl, Digit, Graph, Lower, Print, Punct, Space, Upper, Xdigit,
    Walnum, Walpha, Wblank, Wcntrl, Wdigit, Wgraph, Wlower, Wprint, Wpunct, Wspace, Wupper, Wxdigit,
    Leadbyte, Trailbyte,
};

// Lower case, as a message names the class; the symbol table matches them
// in any case.
inline constexpr std::array<std::string_view, 26> kClassNameSpellings = {
    "alnum",  "alpha",  "blank",  "cntrl",  "digit",  "graph",  "lower",  "print",  "punct",
    "space",  "upper",  "xdigit", "walnum", "walpha", "wblank", "wcntrl", "wdigit", "wgraph",
    "wlower", "wprint", "wpunct", "wspace", "wupper", "wxdigit", "leadbyte", "trailbyte",
};

inline constexpr std::string_view spellingOf(ClassName name)
{
    return kClassNameSpellings[static_cast<std::size_t>(name)];
}

} // namespace lindle
