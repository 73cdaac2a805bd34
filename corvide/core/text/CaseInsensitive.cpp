#include "corvide/core/text/CaseInsensitive.h"

namespace corvide {

namespace {

char foldedByte(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

std::string foldedCase(std::string_view text, const toolframe::CodePage& codePage)
{
    std::string folded;
    folded.reserve(text.size());
    codePage.forEachCharacter(text, [&](std::string_view character) {
        if (character.size() == 1)
            folded += foldedByte(character[0]);
        else
            folded += character;
    });
    return folded;
}

int compareNoCase(std::string_view a, std::string_view b, const toolframe::CodePage& codePage)
{
    const std::string left = foldedCase(a, codePage);
    const std::string right = foldedCase(b, codePage);
    // Bytes compare unsigned, so every multibyte character orders after ASCII.
    const int order = std::string_view(left).compare(right);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

bool equalNoCase(std::string_view a, std::string_view b, const toolframe::CodePage& codePage)
{
    return a.size() == b.size() && compareNoCase(a, b, codePage) == 0;
}

} // namespace corvide
