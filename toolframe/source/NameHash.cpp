#include "toolframe/source/NameHash.h"

namespace toolframe {

namespace {

// Only ASCII letters have a case here: the other bytes of a name may be
// parts of multibyte characters.
std::uint32_t folded(std::uint32_t c, NameCase matching)
{
    return matching == NameCase::Blind && c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

} // namespace

std::int32_t nameHash(std::string_view name, NameCase matching, const CodePage& codePage)
{
    // Unsigned arithmetic wraps as the signed one is meant to.
    std::uint32_t h = 0;
    codePage.forEachCharacter(name, [&](std::string_view character) {
        h = folded(CodePage::characterValue(character), matching) ^ (2u * h);
    });
    return static_cast<std::int32_t>(h);
}

bool sameName(std::string_view a, std::string_view b, NameCase matching)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (folded(static_cast<unsigned char>(a[i]), matching) != folded(static_cast<unsigned char>(b[i]), matching))
            return false;
    return true;
}

} // namespace toolframe
