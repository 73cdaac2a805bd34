#include "toolframe/platform/PathServices.h"

#include <unistd.h>

#include <vector>

namespace toolframe::path {

namespace {

bool hasDrivePrefix(std::string_view name)
{
    const auto first = static_cast<unsigned char>(name.size() >= 2 ? name[0] : 0);
    return ((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z')) && name[1] == ':';
}

// Offset just past the last separator or the drive prefix; 0 when none.
std::size_t fileNameOffset(std::string_view name, const CodePage& codePage)
{
    std::size_t offset = hasDrivePrefix(name) ? 2 : 0;
    std::size_t position = 0;
    codePage.forEachCharacter(name, [&](std::string_view character) {
        position += character.size();
        if (character.size() == 1 && isSeparator(character[0]))
            offset = position;
    });
    return offset;
}

std::vector<std::string_view> components(std::string_view absolute)
{
    std::vector<std::string_view> parts;
    while (!absolute.empty()) {
        const std::size_t slash = absolute.find('/');
        const std::string_view part = absolute.substr(0, slash);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        if (slash == std::string_view::npos)
            break;
        absolute.remove_prefix(slash + 1);
    }
    return parts;
}

std::string joined(const std::vector<std::string_view>& parts, std::size_t from, std::string prefix)
{
    for (std::size_t i = from; i < parts.size(); ++i) {
        if (!prefix.empty() && prefix.back() != '/')
            prefix += '/';
        prefix += parts[i];
    }
    return prefix;
}

std::string currentDirectory()
{
    std::vector<char> buffer(4096);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (buffer.size() > (1u << 20))
            return "/";
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

} // namespace

bool isSeparator(char c) { return c == '/' || c == '\\'; }

std::string_view fileNamePart(std::string_view name, const CodePage& codePage)
{
    return name.substr(fileNameOffset(name, codePage));
}

std::string_view directoryPart(std::string_view name, const CodePage& codePage)
{
    return name.substr(0, fileNameOffset(name, codePage));
}

std::string replaceExtension(std::string_view name, std::string_view extension,
                             const CodePage& codePage)
{
    const std::size_t fileStart = fileNameOffset(name, codePage);
    std::size_t keep = std::string_view::npos;
    std::size_t position = fileStart;
    codePage.forEachCharacter(name.substr(fileStart), [&](std::string_view character) {
        position += character.size();
        if (character == ".")
            keep = position;
    });
    std::string result(name.substr(0, keep == std::string_view::npos ? name.size() : keep));
    if (keep == std::string_view::npos)
        result += '.';
    result += extension;
    return result;
}

std::string fullPath(std::string_view name, std::string_view workingDirectory)
{
    std::string absolute;
    if (name.empty() || name[0] != '/') {
        absolute = workingDirectory;
        absolute += '/';
    }
    absolute += name;
    return joined(components(absolute), 0, "/");
}

std::string fullPath(std::string_view name) { return fullPath(name, currentDirectory()); }

std::string relativePath(std::string_view origin, std::string_view target)
{
    const std::string originFull = fullPath(origin);
    const std::string targetFull = fullPath(target);
    std::vector<std::string_view> from = components(originFull);
    const std::vector<std::string_view> to = components(targetFull);
    if (from.empty() || to.empty())
        return targetFull;
    from.pop_back(); // the origin's own file name
    std::size_t common = 0;
    while (common < from.size() && common + 1 < to.size() && from[common] == to[common])
        ++common;
    std::string relative;
    for (std::size_t i = common; i < from.size(); ++i)
        relative += "../";
    return joined(to, common, relative);
}

std::string shortPath(std::string_view name) { return std::string(name); }

} // namespace toolframe::path
