#include "corvide/core/build/MessageText.h"

namespace corvide {

namespace {

// The argument a "%n" at message[at] stands for, or nullptr when it is not a
// placeholder with an argument.
const std::string_view* argumentAt(std::string_view message, std::size_t at,
                                   std::initializer_list<std::string_view> arguments)
{
    if (at + 1 >= message.size() || message[at + 1] < '1' || message[at + 1] > '9')
        return nullptr;
    const std::size_t index = static_cast<std::size_t>(message[at + 1] - '1');
    return index < arguments.size() ? arguments.begin() + index : nullptr;
}

} // namespace

std::string filledIn(std::string_view message, std::initializer_list<std::string_view> arguments)
{
    std::string result;
    result.reserve(message.size());
    std::size_t done = 0;
    for (std::size_t at = message.find('%'); at != std::string_view::npos; at = message.find('%', at + 1)) {
        const std::string_view* argument = argumentAt(message, at, arguments);
        if (!argument)
            continue;
        result += message.substr(done, at - done);
        result += *argument;
        done = at + 2;
        at = done - 1;
    }
    result += message.substr(done);
    return result;
}

} // namespace corvide
