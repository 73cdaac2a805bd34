#include "toolframe/platform/CodePageConverter.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <string>

namespace toolframe {

namespace {

struct NamedCodePage {
    int first;
    int last;
    const char* prefix; // the iconv name is prefix + number - offset
    int offset;
};

// The code pages we convert and the iconv name of each.
constexpr NamedCodePage kNamedCodePages[] = {
    {0, 0, "ASCII", -1},           {20127, 20127, "ASCII", -1},     {65001, 65001, "UTF-8", -1},
    {1250, 1258, "CP", 0},         {437, 437, "CP", 0},            {850, 850, "CP", 0},
    {852, 852, "CP", 0},           {855, 855, "CP", 0},            {857, 857, "CP", 0},
    {860, 866, "CP", 0},           {869, 869, "CP", 0},            {874, 874, "CP", 0},
    {932, 932, "CP", 0},           {936, 936, "CP", 0},            {949, 949, "CP", 0},
    {950, 950, "CP", 0},           {20866, 20866, "KOI8-R", -1},   {21866, 21866, "KOI8-U", -1},
    {28591, 28599, "ISO-8859-", 28590}, {28605, 28605, "ISO-8859-15", -1},
};

std::optional<std::string> iconvName(int number)
{
    for (const NamedCodePage& page : kNamedCodePages) {
        if (number < page.first || number > page.last)
            continue;
        std::string name = page.prefix;
        if (page.offset >= 0)
            name += std::to_string(number - page.offset);
        return name;
    }
    return std::nullopt;
}

// What iconv_open answers when it cannot convert.
const iconv_t kFailed = reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1));

iconv_t openConversion(const std::string& to, const std::string& from)
{
    return iconv_open(to.c_str(), from.c_str());
}

// Runs one whole conversion from a fresh shift state; nothing when any
// byte fails to convert or the output does not fit.
std::optional<std::string> convert(void* handle, std::string_view input)
{
    auto conversion = static_cast<iconv_t>(handle);
    iconv(conversion, nullptr, nullptr, nullptr, nullptr);
    std::string in(input);
    std::array<char, 32> out{};
    char* inPointer = in.data();
    std::size_t inLeft = in.size();
    char* outPointer = out.data();
    std::size_t outLeft = out.size();
    if (iconv(conversion, &inPointer, &inLeft, &outPointer, &outLeft) == static_cast<std::size_t>(-1))
        return std::nullopt;
    if (iconv(conversion, nullptr, nullptr, &outPointer, &outLeft) == static_cast<std::size_t>(-1))
        return std::nullopt;
    return std::string(out.data(), out.size() - outLeft);
}

} // namespace

bool isConvertibleCodePage(int number)
{
    const std::optional<std::string> name = iconvName(number);
    if (!name)
        return false;
    iconv_t conversion = openConversion("UTF-16LE", *name);
    if (conversion == kFailed)
        return false;
    iconv_close(conversion);
    return true;
}

CodePageConverter::CodePageConverter(int number)
    : number_(number),
      toUtf16_(openConversion("UTF-16LE", iconvName(number).value_or("ASCII"))),
      fromUtf16_(openConversion(iconvName(number).value_or("ASCII"), "UTF-16LE"))
{
}

CodePageConverter::~CodePageConverter()
{
    if (static_cast<iconv_t>(toUtf16_) != kFailed)
        iconv_close(static_cast<iconv_t>(toUtf16_));
    if (static_cast<iconv_t>(fromUtf16_) != kFailed)
        iconv_close(static_cast<iconv_t>(fromUtf16_));
}

std::optional<std::u16string> CodePageConverter::toUtf16(std::string_view character) const
{
    if (character.empty() || static_cast<iconv_t>(toUtf16_) == kFailed)
        return std::nullopt;
    const std::optional<std::string> bytes = convert(toUtf16_, character);
    if (!bytes || bytes->empty() || bytes->size() % 2 != 0)
        return std::nullopt;
    std::u16string units;
    for (std::size_t i = 0; i < bytes->size(); i += 2)
        units += static_cast<char16_t>(static_cast<unsigned char>((*bytes)[i]) |
                                       static_cast<unsigned char>((*bytes)[i + 1]) << 8);
    // One character is one unit or one surrogate pair.
    const bool pair = units.size() == 2 && units[0] >= 0xD800 && units[0] <= 0xDBFF && units[1] >= 0xDC00 &&
                      units[1] <= 0xDFFF;
    if (units.size() != 1 && !pair)
        return std::nullopt;
    return units;
}

std::optional<std::string> CodePageConverter::fromUtf16(std::u16string_view character) const
{
    if (character.empty() || static_cast<iconv_t>(fromUtf16_) == kFailed)
        return std::nullopt;
    std::string bytes;
    for (char16_t unit : character) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    std::optional<std::string> converted = convert(fromUtf16_, bytes);
    if (converted && converted->empty())
        return std::nullopt;
    return converted;
}

} // namespace toolframe
