#include "lindle/regex/CharacterSpace.h"

#include <algorithm>
#include <array>

#include "lindle/MessageNumbers.h"
#include "lindle/regex/UnicodeClassification.h"
#include "toolframe/platform/CodePage.h"

namespace lindle {

namespace {

constexpr std::uint32_t kLastUnit = 0xFFFF;
constexpr std::uint32_t kLastByte = 0xFF;

bool isAscii(std::string_view bytes) { return bytes.size() == 1 && static_cast<unsigned char>(bytes[0]) < 0x80; }

// Every UTF-8 sequence, its bytes read as one number: the continuation
// byte wraps every 64 values, so each run of last bytes is a range.
CharacterSet utf8Universe()
{
    CharacterSet set = CharacterSet::range(0, 0x7F);
    for (std::uint32_t lead = 0xC2; lead <= 0xDF; ++lead)
        set.add(lead << 8 | 0x80, lead << 8 | 0xBF);
    for (std::uint32_t lead = 0xE0; lead <= 0xEF; ++lead) {
        const std::uint32_t low = lead == 0xE0 ? 0xA0 : 0x80;
        const std::uint32_t high = lead == 0xED ? 0x9F : 0xBF;
        for (std::uint32_t second = low; second <= high; ++second)
            set.add(lead << 16 | second << 8 | 0x80, lead << 16 | second << 8 | 0xBF);
    }
    for (std::uint32_t lead = 0xF0; lead <= 0xF4; ++lead) {
        const std::uint32_t low = lead == 0xF0 ? 0x90 : 0x80;
        const std::uint32_t high = lead == 0xF4 ? 0x8F : 0xBF;
        for (std::uint32_t second = low; second <= high; ++second)
            for (std::uint32_t third = 0x80; third <= 0xBF; ++third)
                set.add(lead << 24 | second << 16 | third << 8 | 0x80, lead << 24 | second << 16 | third << 8 | 0xBF);
    }
    return set;
}

// A code point's UTF-8 bytes read as one number.
std::uint32_t utf8Value(std::uint32_t point)
{
    if (point < 0x80)
        return point;
    if (point < 0x800)
        return (0xC0 | point >> 6) << 8 | (0x80 | (point & 0x3F));
    return (0xE0 | point >> 12) << 16 | (0x80 | (point >> 6 & 0x3F)) << 8 | (0x80 | (point & 0x3F));
}

// UTF-16 units as code-unit values: a character beyond U+FFFF stays two.
std::vector<std::uint32_t> unitValues(std::u16string_view units)
{
    return std::vector<std::uint32_t>(units.begin(), units.end());
}

} // namespace

struct CharacterSpace::CodePageData {
    explicit CodePageData(int number) : page(number), converter(number) {}
    toolframe::CodePage page;
    toolframe::CodePageConverter converter;
    std::optional<CharacterSet> universe;
    std::array<std::optional<CharacterSet>, kClassNameCount> narrow;
    // The other case of each byte, or -1.
    std::optional<std::array<int, 256>> byteCases;
};

CharacterSpace::CharacterSpace(int ansiCodePage) : ansiCodePage_(ansiCodePage) {}

CharacterSpace::~CharacterSpace() = default;

CharacterSpace::CodePageData& CharacterSpace::data(int codePage)
{
    auto& slot = codePages_[codePage];
    if (!slot)
        slot = std::make_unique<CodePageData>(codePage);
    return *slot;
}

bool CharacterSpace::isMultibyte(int codePage) const
{
    const toolframe::CodePage page(codePage);
    return page.isUtf8() || page.isDoubleByte();
}

bool CharacterSpace::multibyteCharacters(const CharacterMode& mode) const
{
    return !mode.unicode && mode.settings.characters && isMultibyte(mode.settings.codePage);
}

std::uint32_t CharacterSpace::maximum(const CharacterMode& mode, bool inClass) const
{
    if (mode.unicode)
        return kLastUnit;
    if (inClass && !mode.settings.characters)
        return kLastByte;
    if (!isMultibyte(mode.settings.codePage))
        return kLastByte;
    // A UTF-8 character reaches four bytes.
    return toolframe::CodePage(mode.settings.codePage).isUtf8() ? UINT32_MAX : kLastUnit;
}

const CharacterSet& CharacterSpace::universe(const CharacterMode& mode)
{
    static const CharacterSet units = CharacterSet::range(0, kLastUnit);
    static const CharacterSet bytes = CharacterSet::range(0, kLastByte);
    if (mode.unicode)
        return units;
    if (!multibyteCharacters(mode))
        return bytes;
    CodePageData& page = data(mode.settings.codePage);
    if (!page.universe) {
        if (page.page.isUtf8()) {
            page.universe = utf8Universe();
        } else {
            CharacterSet set;
            for (std::uint32_t byte = 0; byte <= kLastByte; ++byte)
                if (!page.page.isLeadByte(static_cast<unsigned char>(byte)))
                    set.add(byte);
            for (std::uint32_t byte = 0; byte <= kLastByte; ++byte)
                if (page.page.isLeadByte(static_cast<unsigned char>(byte)))
                    set.add(byte << 8 | 1, byte << 8 | 0xFF);
            page.universe = std::move(set);
        }
    }
    return *page.universe;
}

int CharacterSpace::conversionError(const CharacterMode& mode) const
{
    switch (mode.settings.codePageKind) {
    case CodePageKind::Oem: return UnconvertibleToOemCodePage;
    case CodePageKind::Ascii: return UnconvertibleToAsciiCodePage;
    default: return UnconvertibleToCodePage;
    }
}

std::optional<std::string> CharacterSpace::toCodePage(std::u16string_view units, const CharacterMode& mode)
{
    const toolframe::CodePageConverter& converter = data(mode.settings.codePage).converter;
    std::optional<std::string> bytes = converter.fromUtf16(units);
    // A conversion that only finds a look-alike does not count.
    if (!bytes || converter.toUtf16(*bytes) != std::u16string(units))
        return std::nullopt;
    return bytes;
}

CharacterValues CharacterSpace::valuesOf(std::string_view bytes, const CharacterMode& mode) const
{
    CharacterValues result;
    if (!multibyteCharacters(mode)) {
        for (char byte : bytes)
            result.values.push_back(static_cast<unsigned char>(byte));
        return result;
    }
    std::uint32_t value = toolframe::CodePage::characterValue(bytes);
    if (value > maximum(mode, false)) {
        result.error = MultibyteCharacterTooBig;
        value &= maximum(mode, false);
    }
    result.values.push_back(value);
    return result;
}

CharacterValues CharacterSpace::sourceCharacter(std::string_view bytes, const CharacterMode& mode)
{
    if (isAscii(bytes))
        return CharacterValues{{static_cast<std::uint32_t>(bytes[0])}, 0};
    const std::optional<std::u16string> units = data(ansiCodePage_).converter.toUtf16(bytes);
    if (mode.unicode) {
        if (!units)
            return CharacterValues{{}, UnconvertibleToUnicode};
        return CharacterValues{unitValues(*units), 0};
    }
    if (mode.settings.codePage == ansiCodePage_)
        return valuesOf(bytes, mode);
    std::optional<std::string> converted;
    if (units)
        converted = toCodePage(*units, mode);
    if (!converted)
        return CharacterValues{{}, conversionError(mode)};
    return valuesOf(*converted, mode);
}

CharacterValues CharacterSpace::controlCharacter(std::uint32_t unit, const CharacterMode& mode)
{
    if (mode.unicode)
        return CharacterValues{{unit}, 0};
    const std::u16string units(1, static_cast<char16_t>(unit));
    const std::optional<std::string> converted = toCodePage(units, mode);
    if (!converted)
        return CharacterValues{{}, UnconvertibleUnicodeCharacter};
    return valuesOf(*converted, mode);
}

int CharacterSpace::invalidMultibyteError(std::uint32_t value, const CharacterMode& mode)
{
    if (!multibyteCharacters(mode) || universe(mode).contains(value))
        return 0;
    switch (mode.settings.codePageKind) {
    case CodePageKind::Ansi: return InvalidMultibyteCharacter;
    case CodePageKind::Oem: return InvalidMultibyteCharacterInOemCodePage;
    case CodePageKind::Ascii: return InvalidMultibyteCharacterInAsciiCodePage;
    case CodePageKind::Numbered: return InvalidMultibyteCharacterInCodePage;
    }
    return InvalidMultibyteCharacter;
}

const CharacterSet& CharacterSpace::narrowClass(ClassName name, int codePage)
{
    CodePageData& page = data(codePage);
    std::optional<CharacterSet>& slot = page.narrow[static_cast<std::size_t>(name)];
    if (slot)
        return *slot;
    const bool multibyte = isMultibyte(codePage);
    CharacterSet set;
    for (std::uint32_t byte = 0; byte <= kLastByte; ++byte) {
        bool member = false;
        switch (name) {
        case ClassName::Blank: member = byte == ' ' || byte == '\t'; break;
        case ClassName::Leadbyte: member = page.page.isLeadByte(static_cast<unsigned char>(byte)); break;
        case ClassName::Trailbyte: member = multibyte && byte != 0; break;
        default:
            if (byte < 0x80) {
                member = passesWideTest(name, byte);
            } else if (codePage != 0 && !multibyte) {
                const std::optional<std::u16string> units =
                    page.converter.toUtf16(std::string(1, static_cast<char>(byte)));
                member = units && units->size() == 1 && passesWideTest(name, (*units)[0]);
            }
            break;
        }
        if (member)
            set.add(byte);
    }
    slot = std::move(set);
    return *slot;
}

const CharacterSet& CharacterSpace::wideClass(ClassName name)
{
    auto found = wideClasses_.find(name);
    if (found != wideClasses_.end())
        return found->second;
    // Built once over every code unit: the C library offers no ranges.
    CharacterSet set;
    for (std::uint32_t unit = 0; unit <= kLastUnit; ++unit)
        if (passesWideTest(name, unit))
            set.add(unit);
    return wideClasses_.emplace(name, std::move(set)).first->second;
}

CharacterSet CharacterSpace::wideInCodePage(const CharacterSet& units, int codePage)
{
    CodePageData& page = data(codePage);
    std::vector<CharacterRange> ranges;
    if (page.page.isUtf8()) {
        // Code points of one encoded length and one 64-block of last bytes
        // encode as one range.
        for (const CharacterRange& range : units.ranges()) {
            std::uint32_t first = range.first;
            while (first <= range.last) {
                std::uint32_t blockEnd = first < 0x80 ? 0x7F : (first | 0x3F);
                const std::uint32_t last = std::min(blockEnd, range.last);
                ranges.push_back({utf8Value(first), utf8Value(last)});
                first = last + 1;
            }
        }
        return CharacterSet::fromRanges(std::move(ranges));
    }
    for (const CharacterRange& range : units.ranges()) {
        for (std::uint32_t unit = range.first; unit <= range.last; ++unit) {
            const std::optional<std::string> bytes = page.converter.fromUtf16(std::u16string(1, static_cast<char16_t>(unit)));
            if (bytes && page.converter.toUtf16(*bytes) == std::u16string(1, static_cast<char16_t>(unit))) {
                const std::uint32_t value = toolframe::CodePage::characterValue(*bytes);
                ranges.push_back({value, value});
            }
        }
    }
    return CharacterSet::fromRanges(std::move(ranges));
}

CharacterSet CharacterSpace::classExpression(ClassName name, const CharacterMode& mode, bool& lost)
{
    const int codePage = mode.settings.asciiClasses ? 0 : mode.settings.codePage;
    CharacterSet set;
    if (isWide(name)) {
        set = wideClass(name);
        if (!mode.unicode && codePage != 0)
            set = wideInCodePage(set, codePage);
    } else {
        set = narrowClass(name, codePage);
        if (mode.unicode && codePage != 0 && !isMultibyte(codePage)) {
            // The code page's bytes above ASCII are other code units.
            CharacterSet units = set.intersection(CharacterSet::range(0, 0x7F));
            const toolframe::CodePageConverter& converter = data(codePage).converter;
            const CharacterSet high = set.intersection(CharacterSet::range(0x80, kLastByte));
            for (const CharacterRange& range : high.ranges())
                for (std::uint32_t byte = range.first; byte <= range.last; ++byte)
                    if (auto unit = converter.toUtf16(std::string(1, static_cast<char>(byte))); unit && unit->size() == 1)
                        units.add(CharacterSet::single((*unit)[0]));
            set = std::move(units);
        }
    }
    CharacterSet kept = set.intersection(universe(mode));
    lost = kept != set;
    return kept;
}

CharacterSet CharacterSpace::caseClosure(std::uint32_t value, const CharacterMode& mode)
{
    return caseClosure(CharacterSet::single(value), mode);
}

CharacterSet CharacterSpace::caseClosure(const CharacterSet& set, const CharacterMode& mode)
{
    std::vector<CharacterRange> added;
    if (mode.unicode) {
        if (unicodeCaseRuns_.empty()) {
            for (std::uint32_t unit = 0; unit <= kLastUnit; ++unit) {
                std::uint32_t other = unit;
                if (passesWideTest(ClassName::Lower, unit))
                    other = unicodeUpper(unit);
                else if (passesWideTest(ClassName::Upper, unit))
                    other = unicodeLower(unit);
                if (other == unit || other > kLastUnit)
                    continue;
                const auto delta = static_cast<std::int32_t>(other) - static_cast<std::int32_t>(unit);
                if (!unicodeCaseRuns_.empty() && unicodeCaseRuns_.back().last + 1 == unit &&
                    unicodeCaseRuns_.back().delta == delta)
                    unicodeCaseRuns_.back().last = unit;
                else
                    unicodeCaseRuns_.push_back({unit, unit, delta});
            }
        }
        for (const CharacterRange& range : set.ranges()) {
            auto run = std::lower_bound(unicodeCaseRuns_.begin(), unicodeCaseRuns_.end(), range.first,
                                        [](const CaseRun& r, std::uint32_t v) { return r.last < v; });
            for (; run != unicodeCaseRuns_.end() && run->first <= range.last; ++run) {
                const std::uint32_t first = std::max(run->first, range.first);
                const std::uint32_t last = std::min(run->last, range.last);
                added.push_back({static_cast<std::uint32_t>(static_cast<std::int32_t>(first) + run->delta),
                                 static_cast<std::uint32_t>(static_cast<std::int32_t>(last) + run->delta)});
            }
        }
    } else {
        CodePageData& page = data(mode.settings.codePage);
        if (!page.byteCases) {
            std::array<int, 256> cases{};
            const bool singleByte = !isMultibyte(mode.settings.codePage) && mode.settings.codePage != 0;
            for (std::uint32_t byte = 0; byte <= kLastByte; ++byte) {
                cases[byte] = -1;
                std::uint32_t unit = byte;
                if (byte >= 0x80) {
                    if (!singleByte)
                        continue;
                    auto units = page.converter.toUtf16(std::string(1, static_cast<char>(byte)));
                    if (!units || units->size() != 1)
                        continue;
                    unit = (*units)[0];
                }
                std::uint32_t other = unit;
                if (passesWideTest(ClassName::Lower, unit))
                    other = unicodeUpper(unit);
                else if (passesWideTest(ClassName::Upper, unit))
                    other = unicodeLower(unit);
                if (other == unit)
                    continue;
                if (other < 0x80) {
                    cases[byte] = static_cast<int>(other);
                } else if (singleByte && other <= kLastUnit) {
                    auto bytes = page.converter.fromUtf16(std::u16string(1, static_cast<char16_t>(other)));
                    if (bytes && bytes->size() == 1)
                        cases[byte] = static_cast<unsigned char>((*bytes)[0]);
                }
            }
            page.byteCases = cases;
        }
        // At most 256 members have another case: walking them is bounded.
        const CharacterSet bytes = set.intersection(CharacterSet::range(0, kLastByte));
        for (const CharacterRange& range : bytes.ranges())
            for (std::uint32_t byte = range.first; byte <= range.last; ++byte)
                if (const int other = (*page.byteCases)[byte]; other >= 0)
                    added.push_back({static_cast<std::uint32_t>(other), static_cast<std::uint32_t>(other)});
    }
    if (added.empty())
        return set;
    return set.unionWith(CharacterSet::fromRanges(std::move(added)));
}

} // namespace lindle
