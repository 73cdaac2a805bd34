#pragma once

#include <string>
#include <string_view>

namespace corvide {

// A program's path as it stands first on a command line: in double quotes
// when it holds a space or a tab, so that the spawner's splitting keeps it
// one argument (the program's name takes no other quoting).
std::string commandLinePath(std::string_view path);

// A path as an argument after the program: in double quotes when it holds
// a space or a tab. A double quote in it, and the backslashes before one
// or before the closing quote, are escaped as a Windows command line
// escapes them, so that the spawner hands the tool the path unchanged.
std::string commandLineArgument(std::string_view path);

} // namespace corvide
