#include "lindle/regex/ClassExpression.h"

#include <array>
#include <cctype>

namespace lindle {

namespace {

constexpr std::array<std::string_view, kClassNameCount> kNames = {
    "alnum",  "alpha",  "blank",  "cntrl",  "digit",  "graph",  "lower",  "print",  "punct",
    "space",  "upper",  "xdigit", "walnum", "walpha", "wblank", "wcntrl", "wdigit", "wgraph",
    "wlower", "wprint", "wpunct", "wspace", "wupper", "wxdigit", "leadbyte", "trailbyte",
};

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

std::optional<ClassName> classNameFor(std::string_view name)
{
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (equalIgnoringCase(kNames[i], name))
            return static_cast<ClassName>(i);
    return std::nullopt;
}

std::string_view classNameText(ClassName name) { return kNames[static_cast<std::size_t>(name)]; }

} // namespace lindle
