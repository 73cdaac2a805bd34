#include "toolframe/platform/FileIdentity.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string_view>

namespace toolframe {

namespace {

FileIdentity identityFrom(const struct stat& status)
{
    return FileIdentity{static_cast<unsigned long long>(status.st_dev),
                        static_cast<unsigned long long>(status.st_ino), S_ISREG(status.st_mode),
                        S_ISDIR(status.st_mode)};
}

// A directory of descriptor links: /proc/<process>/fd, with the process
// by number, as a resolved path names it.
bool isDescriptorDirectory(const std::string& directory)
{
    constexpr std::string_view prefix = "/proc/";
    constexpr std::string_view suffix = "/fd";
    if (directory.size() <= prefix.size() + suffix.size() || directory.compare(0, prefix.size(), prefix) != 0 ||
        directory.compare(directory.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    const std::string_view process(directory.data() + prefix.size(),
                                   directory.size() - prefix.size() - suffix.size());
    return process.find_first_not_of("0123456789") == std::string_view::npos ||
           process.find("/task/") != std::string_view::npos;
}

std::string directoryOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

std::optional<FileIdentity> identityOfPath(const std::string& path)
{
    struct stat status;
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return identityFrom(status);
}

std::optional<FileIdentity> identityOfLink(const std::string& path)
{
    struct stat status;
    if (::lstat(path.c_str(), &status) != 0)
        return std::nullopt;
    return identityFrom(status);
}

std::optional<FileIdentity> identityOfStream(std::FILE* stream)
{
    struct stat status;
    if (stream == nullptr || ::fstat(fileno(stream), &status) != 0)
        return std::nullopt;
    return identityFrom(status);
}

bool reachesAnOpenDescriptor(const std::string& path)
{
    // Link by link, as far as the kernel itself would follow them.
    std::string current = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat status;
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return false;
        const std::string directory = directoryOf(current);
        if (const auto resolved = resolvedPath(directory); resolved && isDescriptorDirectory(*resolved))
            return true;
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= target.size())
            return false;
        target.resize(static_cast<std::size_t>(length));
        current = target.front() == '/' ? target : directory + "/" + target;
    }
    return false;
}

std::optional<std::string> resolvedPath(const std::string& path)
{
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr)
        return std::nullopt;
    std::string result(resolved);
    std::free(resolved);
    return result;
}

} // namespace toolframe
