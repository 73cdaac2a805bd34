#include "corvide/core/settings/SettingsStore.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "corvide/core/platform/AtomicFile.h"
#include "corvide/core/platform/FileLock.h"
#include "corvide/core/platform/UserConfiguration.h"
#include "corvide/core/text/CaseInsensitive.h"

namespace corvide {

namespace {

constexpr std::string_view kDwordPrefix = "dword:";

struct Escape {
    char plain;
    char escaped;
};

constexpr Escape kEscapes[] = {{'\\', '\\'}, {'"', '"'}, {'\n', 'n'}, {'\r', 'r'}};

std::string quotedString(std::string_view value)
{
    std::string result = "\"";
    for (const char c : value) {
        char escaped = 0;
        for (const Escape& escape : kEscapes)
            if (escape.plain == c)
                escaped = escape.escaped;
        if (escaped != 0)
            result += {'\\', escaped};
        else
            result += c;
    }
    return result + "\"";
}

std::optional<std::string> unquotedString(std::string_view stored)
{
    if (stored.size() < 2 || stored.back() != '"')
        return std::nullopt;
    std::string result;
    for (std::size_t i = 1; i + 1 < stored.size(); ++i) {
        if (stored[i] != '\\') {
            result += stored[i];
            continue;
        }
        if (++i + 1 >= stored.size())
            return std::nullopt;
        char plain = 0;
        for (const Escape& escape : kEscapes)
            if (escape.escaped == stored[i])
                plain = escape.plain;
        if (plain == 0)
            return std::nullopt;
        result += plain;
    }
    return result;
}

std::optional<std::uint32_t> dwordOf(std::string_view stored)
{
    if (!stored.starts_with(kDwordPrefix) || stored.size() == kDwordPrefix.size() ||
        stored.size() > kDwordPrefix.size() + 8)
        return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : stored.substr(kDwordPrefix.size())) {
        const int digit = c >= '0' && c <= '9' ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return value;
}

std::string storedDword(std::uint32_t value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%08x", static_cast<unsigned>(value));
    return std::string(kDwordPrefix) + buffer;
}

std::string directoryOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, std::max<std::size_t>(slash, 1));
}

const toolframe::CodePage kNames(toolframe::CodePage::kUtf8);

// The subkey of parent that section lies in, when it lies below parent.
std::optional<std::string> childOf(std::string_view parent, std::string_view section)
{
    if (section.size() <= parent.size() + 1 || section[parent.size()] != '\\' ||
        !equalNoCase(section.substr(0, parent.size()), parent, kNames))
        return std::nullopt;
    const std::string_view below = section.substr(parent.size() + 1);
    return std::string(below.substr(0, below.find('\\')));
}

} // namespace

std::string CSettingsStore::defaultPath()
{
    const std::string configuration = platform::userConfigurationDirectory();
    return configuration.empty() ? std::string() : configuration + "/Fernhollow Software/Corvane 2.ini";
}

CSettingsStore::CSettingsStore(std::string path) : path_(std::move(path)) {}

CProfileFile CSettingsStore::snapshot() const
{
    CProfileFile file;
    file.load(path_);
    return file;
}

bool CSettingsStore::change(const std::function<bool(CProfileFile&)>& edit)
{
    if (path_.empty() || !platform::makeDirectories(directoryOf(path_)))
        return false;
    const platform::FileLock lock(path_ + ".lock");
    if (!lock.locked())
        return false;
    CProfileFile file = snapshot();
    return edit(file) && file.save(path_);
}

std::optional<std::string> CSettingsStore::getString(std::string_view key, std::string_view name) const
{
    const std::optional<std::string> stored = snapshot().rawValue(key, name);
    if (!stored || stored->starts_with(kDwordPrefix))
        return std::nullopt;
    if (!stored->starts_with('"'))
        return stored;
    return unquotedString(*stored);
}

std::optional<std::uint32_t> CSettingsStore::getDword(std::string_view key, std::string_view name) const
{
    const std::optional<std::string> stored = snapshot().rawValue(key, name);
    return stored ? dwordOf(*stored) : std::nullopt;
}

std::string CSettingsStore::profileString(std::string_view key, std::string_view name,
                                          std::string_view defaultValue) const
{
    return getString(key, name).value_or(std::string(defaultValue));
}

int CSettingsStore::profileInt(std::string_view key, std::string_view name, int defaultValue) const
{
    const std::optional<std::uint32_t> value = getDword(key, name);
    return value ? static_cast<int>(*value) : defaultValue;
}

bool CSettingsStore::setString(std::string_view key, std::string_view name, std::string_view value)
{
    const std::string stored = quotedString(value);
    return change([&](CProfileFile& file) { return file.writeRaw(key, name, stored); });
}

bool CSettingsStore::setDword(std::string_view key, std::string_view name, std::uint32_t value)
{
    const std::string stored = storedDword(value);
    return change([&](CProfileFile& file) { return file.writeRaw(key, name, stored); });
}

bool CSettingsStore::deleteValue(std::string_view key, std::string_view name)
{
    return change([&](CProfileFile& file) {
        file.deleteKey(key, name);
        return true;
    });
}

bool CSettingsStore::deleteKey(std::string_view key)
{
    return change([&](CProfileFile& file) {
        for (const std::string& section : file.sectionNames())
            if (equalNoCase(section, key, kNames) || childOf(key, section))
                file.deleteSection(section);
        return true;
    });
}

std::vector<std::string> CSettingsStore::valueNames(std::string_view key) const { return snapshot().keyNames(key); }

std::vector<std::string> CSettingsStore::subkeyNames(std::string_view key) const
{
    std::vector<std::string> names;
    std::set<std::string> seen;
    for (const std::string& section : snapshot().sectionNames())
        if (const auto child = childOf(key, section); child && seen.insert(foldedCase(*child, kNames)).second)
            names.push_back(*child);
    return names;
}

} // namespace corvide
