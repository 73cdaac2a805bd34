#pragma once

#include <string>

namespace toolframe {

// printf into a string, checked like printf.
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace toolframe
