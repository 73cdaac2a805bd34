#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace toolframe {

// The date and time stamped into generated files, taken once per run.
struct DateTimeStamp {
    std::string date; // %x
    std::string time; // %X
};

// SOURCE_DATE_EPOCH (seconds since the epoch, UTC) when it is set to a
// number, so that generated files are reproducible; the local clock otherwise.
DateTimeStamp stampNow();

// The same, with the environment value passed in (nullptr for unset).
DateTimeStamp stampAt(const char* sourceDateEpoch, std::time_t clockNow);

// A SOURCE_DATE_EPOCH value as a time, when it is a plain decimal number.
std::optional<std::time_t> parseSourceDateEpoch(const char* value);

} // namespace toolframe
