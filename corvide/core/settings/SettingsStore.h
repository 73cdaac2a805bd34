#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "corvide/core/profile/ProfileFile.h"

namespace corvide {

// The user's settings with the registry's shape: keys and subkeys (named
// by paths such as "FormatOptions\Grammar" below the application's key),
// each with named string and DWORD values. Names of keys and values match
// case-insensitively.
//
// They are kept in one initialisation file, a section per key: strings as
// "text" with \\, \", \n and \r escaped, DWORDs as dword:0000002a. A value
// written by hand without quotes reads as a string. Every change locks the
// store, reads it afresh, changes it and replaces it atomically, so two
// workbenches that write at once keep each other's values.
class CSettingsStore {
public:
    // $XDG_CONFIG_HOME/Fernhollow Software/Corvane 2.ini (XDG_CONFIG_HOME
    // defaulting to ~/.config); empty when the user has no home, and then
    // the store reads nothing and refuses every change.
    static std::string defaultPath();

    explicit CSettingsStore(std::string path = defaultPath());

    const std::string& path() const { return path_; }

    // Nothing when the value is missing or has the other type.
    std::optional<std::string> getString(std::string_view key, std::string_view name) const;
    std::optional<std::uint32_t> getDword(std::string_view key, std::string_view name) const;

    // The framework's profile reads: the default when the value is missing
    // or of the other type.
    std::string profileString(std::string_view key, std::string_view name, std::string_view defaultValue) const;
    int profileInt(std::string_view key, std::string_view name, int defaultValue) const;

    // False when the store could not be written; then it is unchanged.
    bool setString(std::string_view key, std::string_view name, std::string_view value);
    bool setDword(std::string_view key, std::string_view name, std::uint32_t value);
    bool deleteValue(std::string_view key, std::string_view name);
    // The key with its values and every subkey below it.
    bool deleteKey(std::string_view key);

    std::vector<std::string> valueNames(std::string_view key) const;
    // The names of the key's immediate subkeys.
    std::vector<std::string> subkeyNames(std::string_view key) const;

private:
    CProfileFile snapshot() const;
    bool change(const std::function<bool(CProfileFile&)>& edit);

    std::string path_;
};

} // namespace corvide
