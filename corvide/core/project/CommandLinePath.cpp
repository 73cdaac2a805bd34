#include "corvide/core/project/CommandLinePath.h"

namespace corvide {

namespace {

bool needsQuotes(std::string_view path) { return path.find_first_of(" \t") != std::string_view::npos; }

} // namespace

std::string commandLinePath(std::string_view path)
{
    std::string result;
    const bool quoted = needsQuotes(path);
    result.reserve(path.size() + 2);
    if (quoted)
        result += '"';
    result += path;
    if (quoted)
        result += '"';
    return result;
}

std::string commandLineArgument(std::string_view path)
{
    const bool quoted = needsQuotes(path);
    if (!quoted && path.find('"') == std::string_view::npos)
        return std::string(path);
    std::string result;
    if (quoted)
        result += '"';
    std::size_t backslashes = 0;
    for (char c : path) {
        if (c == '"')
            result.append(backslashes + 1, '\\');
        backslashes = c == '\\' ? backslashes + 1 : 0;
        result += c;
    }
    if (quoted) {
        result.append(backslashes, '\\');
        result += '"';
    }
    return result;
}

} // namespace corvide
