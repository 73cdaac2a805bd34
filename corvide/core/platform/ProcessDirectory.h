#pragma once

#include <string>

namespace corvide::platform {

// The process's current directory, which the workbench keeps at the
// directory of the project last opened.
bool setCurrentDirectory(const std::string& path);
std::string currentDirectory();

// The directory of the running program, where the generators lie beside
// it; empty when it cannot be found.
std::string executableDirectory();

} // namespace corvide::platform
