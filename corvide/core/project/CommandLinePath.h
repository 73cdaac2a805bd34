#pragma once

#include <string>
#include <string_view>

namespace corvide {

// A path as it stands on a command line: in double quotes when it holds a
// space, so that the spawner's splitting keeps it one argument.
std::string commandLinePath(std::string_view path);

} // namespace corvide
