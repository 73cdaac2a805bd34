#pragma once

#include <string>

namespace corvide::platform {

// Where the user's settings live: $XDG_CONFIG_HOME when it is set to an
// absolute path, else ~/.config; empty when neither can be found.
std::string userConfigurationDirectory();

} // namespace corvide::platform
