#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace corvide {

// message with each %1..%9 replaced by the argument of that number, in one
// pass: an argument that itself holds "%2" (a command line may) stays as it
// is. A placeholder without an argument is kept as written.
std::string filledIn(std::string_view message, std::initializer_list<std::string_view> arguments);

} // namespace corvide
