#include "corvide/core/project/CommandLinePath.h"

namespace corvide {

std::string commandLinePath(std::string_view path)
{
    std::string result;
    const bool quoted = path.find(' ') != std::string_view::npos;
    result.reserve(path.size() + 2);
    if (quoted)
        result += '"';
    result += path;
    if (quoted)
        result += '"';
    return result;
}

} // namespace corvide
