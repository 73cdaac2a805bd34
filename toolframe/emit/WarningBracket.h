#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace toolframe {

// Warnings that generated code cannot help giving (a parameter the fixed
// function head names but a grammar never uses, a debug helper a program
// never calls) are held off for the compilers that take GCC's pragmas,
// between these two texts only: the user's code around keeps the user's
// settings.
std::string warningsOff(std::initializer_list<std::string_view> warnings);
std::string_view warningsOn();

} // namespace toolframe
