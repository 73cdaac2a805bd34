#include "corvide/core/project/OptionStamp.h"

#include <climits>
#include <cstdio>

namespace corvide::stamp {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

void skipBlanks(std::string_view& text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
}

// %d: blanks, an optional sign and at least one digit; held at the limits
// of int rather than overflowing.
std::optional<int> number(std::string_view& text)
{
    skipBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    long long value = 0;
    while (!text.empty() && text.front() >= '0' && text.front() <= '9') {
        if (value <= INT_MAX)
            value = value * 10 + (text.front() - '0');
        text.remove_prefix(1);
    }
    if (value > INT_MAX)
        value = INT_MAX;
    return static_cast<int>(negative ? -value : value);
}

// A literal of the format; a blank in the format takes any blanks, or none.
bool literal(std::string_view& text, char expected)
{
    if (expected == ' ') {
        skipBlanks(text);
        return true;
    }
    if (text.empty() || text.front() != expected)
        return false;
    text.remove_prefix(1);
    return true;
}

} // namespace

std::string format(std::time_t when)
{
    std::tm local{};
    localtime_r(&when, &local);
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d %02d:%02d:%02d", local.tm_mday, local.tm_mon + 1,
                  local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec);
    return buffer;
}

std::optional<std::time_t> parse(std::string_view text)
{
    constexpr char kSeparators[] = {'/', '/', ' ', ':', ':'};
    int values[6];
    for (int i = 0; i < 6; ++i) {
        const std::optional<int> value = number(text);
        if (!value)
            return std::nullopt;
        values[i] = *value;
        if (i < 5 && !literal(text, kSeparators[i]))
            return std::nullopt;
    }
    if (values[2] < INT_MIN + 1900)
        return std::nullopt;
    std::tm local{};
    local.tm_mday = values[0];
    local.tm_mon = values[1] - 1;
    local.tm_year = values[2] - 1900;
    local.tm_hour = values[3];
    local.tm_min = values[4];
    local.tm_sec = values[5];
    local.tm_isdst = -1;
    const std::time_t when = std::mktime(&local);
    if (when == static_cast<std::time_t>(-1))
        return std::nullopt;
    return when;
}

} // namespace corvide::stamp
