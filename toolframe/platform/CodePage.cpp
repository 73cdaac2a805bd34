#include "toolframe/platform/CodePage.h"

namespace toolframe {

namespace {

struct LeadByteRange {
    int codePage;
    unsigned char first;
    unsigned char last;
};

// Lead-byte ranges of the double-byte code pages.
constexpr LeadByteRange kLeadByteRanges[] = {
    {932, 0x81, 0x9F}, {932, 0xE0, 0xFC}, // Shift JIS
    {936, 0x81, 0xFE},                    // GBK
    {949, 0x81, 0xFE},                    // Unified Hangul
    {950, 0x81, 0xFE},                    // Big5
};

bool isContinuationByte(unsigned char byte) { return (byte & 0xC0) == 0x80; }

} // namespace

CodePage::CodePage(int number) : number_(number) {}

bool CodePage::isDoubleByte() const
{
    for (const LeadByteRange& range : kLeadByteRanges)
        if (range.codePage == number_)
            return true;
    return false;
}

bool CodePage::isLeadByte(unsigned char byte) const
{
    if (isUtf8())
        return byte >= 0xC2 && byte <= 0xF4;
    for (const LeadByteRange& range : kLeadByteRanges)
        if (range.codePage == number_ && byte >= range.first && byte <= range.last)
            return true;
    return false;
}

std::size_t CodePage::utf8Length(std::string_view text) const
{
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (text.size() < length)
        return 1;
    for (std::size_t i = 1; i < length; ++i)
        if (!isContinuationByte(static_cast<unsigned char>(text[i])))
            return 1;
    return length;
}

std::size_t CodePage::characterLength(std::string_view text) const
{
    if (text.empty() || !isLeadByte(static_cast<unsigned char>(text[0])))
        return 1;
    if (isUtf8())
        return utf8Length(text);
    // A trail byte of zero never belongs to the character.
    return text.size() >= 2 && text[1] != '\0' ? 2 : 1;
}

std::uint32_t CodePage::characterValue(std::string_view character)
{
    std::uint32_t value = 0;
    for (char byte : character)
        value = (value << 8) | static_cast<unsigned char>(byte);
    return value;
}

} // namespace toolframe
