#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

// When an option set last changed, as the project file keeps it: local
// time, "%02d/%02d/%04d %02d:%02d:%02d" as day, month, year, hour, minute
// and second.
namespace corvide::stamp {

std::string format(std::time_t when);

// Reads "%d/%d/%d %d:%d:%d" as sscanf does (blanks before each number, a
// sign, any number of digits); nothing unless all six numbers are there.
// The local time's daylight-saving status is the platform's to work out.
std::optional<std::time_t> parse(std::string_view text);

} // namespace corvide::stamp
