#include "corvide/core/profile/ProfileFile.h"

#include <climits>

#include "corvide/core/platform/AtomicFile.h"
#include "corvide/core/text/CaseInsensitive.h"

namespace corvide {

namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool isBlank(char c) { return kBlanks.find(c) != std::string_view::npos; }

bool hasSurroundingBlanks(std::string_view text)
{
    return !text.empty() && (isBlank(text.front()) || isBlank(text.back()));
}

bool isQuote(char c) { return c == '"' || c == '\''; }

bool isQuoted(std::string_view text) { return text.size() >= 2 && isQuote(text.front()) && text.back() == text.front(); }

std::string_view withoutQuotes(std::string_view value) { return isQuoted(value) ? value.substr(1, value.size() - 2) : value; }

bool holdsLineBreak(std::string_view text) { return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos; }

bool isWritableName(std::string_view name)
{
    return !name.empty() && !hasSurroundingBlanks(name) && !holdsLineBreak(name);
}

// The section name of a header line "[name]" (up to its last ']').
std::optional<std::string_view> headerName(std::string_view line)
{
    const std::string_view text = trimmed(line);
    const std::size_t close = text.rfind(']');
    if (text.empty() || text.front() != '[' || close == std::string_view::npos)
        return std::nullopt;
    return trimmed(text.substr(1, close - 1));
}

std::string_view keyOf(std::string_view line)
{
    const std::size_t equals = line.find('=');
    return equals == std::string_view::npos ? std::string_view() : trimmed(line.substr(0, equals));
}

std::string_view valueOf(std::string_view line) { return trimmed(line.substr(line.find('=') + 1)); }

// What a buffer of 256 bytes receives: up to a NUL, at most 255 bytes, and
// never the first part of a multibyte character.
std::string cutToCapacity(std::string_view text, const toolframe::CodePage& codePage)
{
    text = text.substr(0, text.find('\0'));
    std::size_t kept = 0;
    while (kept < text.size()) {
        const std::size_t length = codePage.characterLength(text.substr(kept));
        if (kept + length > CProfileFile::kValueCapacity)
            break;
        kept += length;
    }
    return std::string(text.substr(0, kept));
}

std::string joined(std::string_view first, std::string_view second, std::string_view third)
{
    std::string result;
    result.reserve(first.size() + second.size() + third.size());
    result += first;
    result += second;
    result += third;
    return result;
}

int leadingInteger(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            break;
    }
    if (negative)
        return value > static_cast<long long>(INT_MAX) ? INT_MIN : static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

} // namespace

CProfileFile::CProfileFile(toolframe::CodePage codePage) : codePage_(codePage) {}

std::string CProfileFile::folded(std::string_view name) const { return foldedCase(trimmed(name), codePage_); }

CProfileFile::Line CProfileFile::lineFor(std::string text) const
{
    std::string key = folded(keyOf(text));
    return Line{std::move(text), std::move(key)};
}

void CProfileFile::index(Section& section) const
{
    section.firstKey.clear();
    section.keysEnd = 0;
    for (std::size_t i = 0; i < section.lines.size(); ++i) {
        const Line& line = section.lines[i];
        if (line.foldedKey.empty())
            continue;
        section.firstKey.emplace(line.foldedKey, i);
        section.keysEnd = i + 1;
    }
}

void CProfileFile::indexSections()
{
    sectionsByName_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i)
        sectionsByName_[folded(sections_[i].name)].push_back(i);
}

void CProfileFile::parse(std::string_view text)
{
    byteOrderMark_.clear();
    preamble_.clear();
    sections_.clear();
    if (text.starts_with(kByteOrderMark)) {
        byteOrderMark_ = kByteOrderMark;
        text.remove_prefix(kByteOrderMark.size());
    }
    // A line ends at "\r\n", "\n" or a lone "\r", so no value holds a line end.
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end != std::string_view::npos && text[end] == '\r' && next < text.size() && text[next] == '\n')
            ++next;
        text.remove_prefix(next);
        if (const auto name = headerName(line))
            sections_.push_back(Section{std::string(line), std::string(*name), {}, {}, 0});
        else
            (sections_.empty() ? preamble_ : sections_.back().lines).push_back(lineFor(std::string(line)));
    }
    for (Section& section : sections_)
        index(section);
    indexSections();
}

bool CProfileFile::load(const std::string& path)
{
    const std::optional<std::string> content = platform::readWholeFile(path);
    parse(content ? *content : std::string());
    return content.has_value();
}

std::string CProfileFile::text() const
{
    std::string result = byteOrderMark_;
    const auto append = [&](const std::string& line) {
        result += line;
        result += '\n';
    };
    for (const Line& line : preamble_)
        append(line.text);
    for (const Section& section : sections_) {
        append(section.header);
        for (const Line& line : section.lines)
            append(line.text);
    }
    return result;
}

bool CProfileFile::save(const std::string& path) const { return platform::replaceFile(path, text()); }

std::optional<CProfileFile::Location> CProfileFile::find(std::string_view section, std::string_view key) const
{
    const auto named = sectionsByName_.find(folded(section));
    if (named == sectionsByName_.end())
        return std::nullopt;
    const std::string foldedKey = folded(key);
    for (const std::size_t sectionIndex : named->second) {
        const Section& candidate = sections_[sectionIndex];
        if (const auto line = candidate.firstKey.find(foldedKey); line != candidate.firstKey.end())
            return Location{sectionIndex, line->second};
    }
    return std::nullopt;
}

std::optional<std::string> CProfileFile::rawValue(std::string_view section, std::string_view key) const
{
    const auto location = find(section, key);
    if (!location)
        return std::nullopt;
    return std::string(valueOf(sections_[location->section].lines[location->line].text));
}

std::string CProfileFile::getString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const
{
    const std::optional<std::string> value = rawValue(section, key);
    return cutToCapacity(value ? withoutQuotes(*value) : defaultValue, codePage_);
}

int CProfileFile::getInt(std::string_view section, std::string_view key, int defaultValue) const
{
    const std::string value = getString(section, key, "");
    return value.empty() ? defaultValue : leadingInteger(value);
}

bool CProfileFile::isWritableValue(std::string_view value) { return !holdsLineBreak(value); }

CProfileFile::Section& CProfileFile::sectionForWriting(std::string_view section)
{
    if (const auto named = sectionsByName_.find(folded(section)); named != sectionsByName_.end())
        return sections_[named->second.front()];
    sections_.push_back(Section{joined("[", section, "]"), std::string(section), {}, {}, 0});
    sectionsByName_[folded(section)].push_back(sections_.size() - 1);
    return sections_.back();
}

bool CProfileFile::writeRaw(std::string_view section, std::string_view key, std::string_view value)
{
    if (!isWritableName(section) || section.find(']') != std::string_view::npos || !isWritableName(key) ||
        key.find('=') != std::string_view::npos || key.front() == '[' || !isWritableValue(value))
        return false;
    if (const auto location = find(section, key)) {
        Line& line = sections_[location->section].lines[location->line];
        line.text = joined(keyOf(line.text), "=", value);
        return true;
    }
    Section& target = sectionForWriting(section);
    target.lines.insert(target.lines.begin() + static_cast<std::ptrdiff_t>(target.keysEnd),
                        lineFor(joined(key, "=", value)));
    target.firstKey.emplace(folded(key), target.keysEnd);
    ++target.keysEnd;
    return true;
}

bool CProfileFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    if (value.size() > kValueCapacity)
        return false;
    if (hasSurroundingBlanks(value) || isQuoted(value))
        return writeRaw(section, key, joined("\"", value, "\""));
    return writeRaw(section, key, value);
}

void CProfileFile::deleteKey(std::string_view section, std::string_view key)
{
    const auto named = sectionsByName_.find(folded(section));
    if (named == sectionsByName_.end())
        return;
    const std::string foldedKey = folded(key);
    for (const std::size_t sectionIndex : named->second) {
        Section& candidate = sections_[sectionIndex];
        if (!candidate.firstKey.contains(foldedKey))
            continue;
        std::erase_if(candidate.lines, [&](const Line& line) { return line.foldedKey == foldedKey; });
        index(candidate);
    }
}

void CProfileFile::deleteSection(std::string_view section)
{
    const std::string name = folded(section);
    if (!sectionsByName_.contains(name))
        return;
    std::erase_if(sections_, [&](const Section& candidate) { return folded(candidate.name) == name; });
    indexSections();
}

void CProfileFile::clearSection(std::string_view section)
{
    const auto named = sectionsByName_.find(folded(section));
    if (named == sectionsByName_.end())
        return;
    Section& kept = sections_[named->second.front()];
    kept.lines.clear();
    index(kept);
    const std::string name = folded(section);
    std::erase_if(sections_, [&](const Section& candidate) {
        return &candidate != &kept && folded(candidate.name) == name;
    });
    indexSections();
}

bool CProfileFile::hasSection(std::string_view section) const { return sectionsByName_.contains(folded(section)); }

std::vector<std::string> CProfileFile::sectionNames() const
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < sections_.size(); ++i)
        if (sectionsByName_.at(folded(sections_[i].name)).front() == i)
            names.push_back(sections_[i].name);
    return names;
}

std::vector<std::string> CProfileFile::keyNames(std::string_view section) const
{
    std::vector<std::string> names;
    const auto named = sectionsByName_.find(folded(section));
    if (named == sectionsByName_.end())
        return names;
    std::unordered_map<std::string, bool> seen;
    for (const std::size_t sectionIndex : named->second)
        for (const Line& line : sections_[sectionIndex].lines)
            if (!line.foldedKey.empty() && seen.emplace(line.foldedKey, true).second)
                names.emplace_back(keyOf(line.text));
    return names;
}

} // namespace corvide
