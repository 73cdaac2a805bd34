#include "corvide/core/platform/FileStatus.h"

#include <sys/stat.h>

namespace corvide::platform {

std::optional<std::time_t> modificationTime(const std::string& path)
{
    struct stat status;
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return status.st_mtim.tv_sec;
}

bool fileExists(const std::string& path)
{
    struct stat status;
    return ::stat(path.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}

bool directoryExists(const std::string& path)
{
    struct stat status;
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

} // namespace corvide::platform
