#include "toolframe/platform/FileIdentity.h"

#include <sys/stat.h>

#include <climits>
#include <cstdlib>

namespace toolframe {

namespace {

FileIdentity identityFrom(const struct stat& status)
{
    return FileIdentity{static_cast<unsigned long long>(status.st_dev),
                        static_cast<unsigned long long>(status.st_ino), S_ISREG(status.st_mode),
                        S_ISDIR(status.st_mode)};
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
