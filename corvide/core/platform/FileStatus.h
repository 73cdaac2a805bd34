#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace corvide::platform {

// The last modification of a file, in whole seconds; nothing when its
// status cannot be read.
std::optional<std::time_t> modificationTime(const std::string& path);

bool fileExists(const std::string& path);
bool directoryExists(const std::string& path);

} // namespace corvide::platform
