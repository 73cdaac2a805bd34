#include "toolframe/platform/LocalClock.h"

#include <cerrno>
#include <cstdlib>

namespace toolframe {

namespace {

std::string shortDate(const std::tm& broken)
{
    char buffer[64];
    return std::string(buffer, std::strftime(buffer, sizeof buffer, "%x", &broken));
}

std::string shortTime(const std::tm& broken)
{
    char buffer[64];
    return std::string(buffer, std::strftime(buffer, sizeof buffer, "%X", &broken));
}

} // namespace

std::optional<std::time_t> parseSourceDateEpoch(const char* value)
{
    if (value == nullptr || *value < '0' || *value > '9')
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long long seconds = std::strtoll(value, &end, 10);
    if (errno != 0 || *end != '\0')
        return std::nullopt;
    return static_cast<std::time_t>(seconds);
}

DateTimeStamp stampAt(const char* sourceDateEpoch, std::time_t clockNow)
{
    std::tm broken{};
    if (const auto fixed = parseSourceDateEpoch(sourceDateEpoch))
        gmtime_r(&*fixed, &broken);
    else
        localtime_r(&clockNow, &broken);
    // LC_TIME stays "C", so these are the C locale's short forms.
    return DateTimeStamp{shortDate(broken), shortTime(broken)};
}

DateTimeStamp stampNow() { return stampAt(std::getenv("SOURCE_DATE_EPOCH"), std::time(nullptr)); }

} // namespace toolframe
