#include "lindle/regex/ClassExpression.h"

#include <cctype>

namespace lindle {

namespace {

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
    for (std::size_t i = 0; i < kClassNameSpellings.size(); ++i)
        if (equalIgnoringCase(kClassNameSpellings[i], name))
            return static_cast<ClassName>(i);
    return std::nullopt;
}

} // namespace lindle
