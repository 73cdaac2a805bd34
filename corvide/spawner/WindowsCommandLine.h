#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvide::spawner {

// A command line split into arguments the way a Windows program's start-up
// code splits its own, so that a command the workbench writes for Windows
// reaches a Linux tool as the same arguments.
//
// The first argument is the program: double quotes group and are removed,
// and backslashes are ordinary characters. In the arguments after it,
// spaces and tabs outside double quotes separate; 2n backslashes before a
// double quote give n backslashes and the quote groups, 2n + 1 give n
// backslashes and a literal quote; two double quotes inside a quoted part
// give one literal quote; any other backslash is itself.
std::vector<std::string> splitCommandLine(std::string_view commandLine);

} // namespace corvide::spawner
