#include "toolframe/run/CommandLineParser.h"

namespace toolframe::command_line {

namespace {

// A long of the platform the tools were designed for holds 32 bits; a value
// beyond it is an overflow, not a silently truncated setting.
constexpr long kLongMaximum = 2147483647L;

} // namespace

long parseDecimal(std::string_view digits)
{
    if (digits.empty())
        return -1;
    long value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return -1;
        const int digit = c - '0';
        if (value > (kLongMaximum - digit) / 10)
            return -1;
        value = value * 10 + digit;
    }
    return value;
}

std::string_view extensionOf(std::string_view rest)
{
    if (!rest.empty() && rest[0] == '.')
        rest.remove_prefix(1);
    return rest;
}

} // namespace toolframe::command_line
