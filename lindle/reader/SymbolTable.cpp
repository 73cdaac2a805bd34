#include "lindle/reader/SymbolTable.h"

#include <cctype>

namespace lindle {

namespace {

unsigned char folded(char c, bool caseBlind)
{
    const auto byte = static_cast<unsigned char>(c);
    return caseBlind && byte < 0x80 ? static_cast<unsigned char>(std::tolower(byte)) : byte;
}

} // namespace

std::int32_t nameHash(std::string_view name, bool caseBlind)
{
    // Unsigned arithmetic wraps as the signed one is meant to.
    std::uint32_t h = 0;
    for (char c : name)
        h = folded(c, caseBlind) ^ (2u * h);
    return static_cast<std::int32_t>(h);
}

bool sameName(std::string_view a, std::string_view b, bool caseBlind)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (folded(a[i], caseBlind) != folded(b[i], caseBlind))
            return false;
    return true;
}

} // namespace lindle
