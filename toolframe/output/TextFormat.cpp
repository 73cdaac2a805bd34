#include "toolframe/output/TextFormat.h"

#include <cstdarg>
#include <cstdio>

namespace toolframe {

std::string formatText(const char* format, ...)
{
    std::va_list arguments;
    va_start(arguments, format);
    std::va_list copy;
    va_copy(copy, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, arguments);
    va_end(arguments);
    std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0)
        std::vsnprintf(text.data(), text.size() + 1, format, copy);
    va_end(copy);
    return text;
}

} // namespace toolframe
