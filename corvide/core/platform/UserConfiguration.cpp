#include "corvide/core/platform/UserConfiguration.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace corvide::platform {

namespace {

std::string homeDirectory()
{
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/')
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr)
        return entry->pw_dir;
    return {};
}

} // namespace

std::string userConfigurationDirectory()
{
    if (const char* configuration = std::getenv("XDG_CONFIG_HOME");
        configuration != nullptr && configuration[0] == '/')
        return configuration;
    const std::string home = homeDirectory();
    return home.empty() ? std::string() : home + "/.config";
}

} // namespace corvide::platform
