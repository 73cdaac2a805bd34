#include "toolframe/platform/FileIdentity.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <initializer_list>
#include <cstdlib>

namespace toolframe {

namespace {

FileIdentity identityFrom(const struct stat& status)
{
    return FileIdentity{static_cast<unsigned long long>(status.st_dev),
                        static_cast<unsigned long long>(status.st_ino), S_ISREG(status.st_mode),
                        S_ISDIR(status.st_mode)};
}

bool descriptorHolds(int descriptor, const FileIdentity& identity)
{
    struct stat status;
    return ::fstat(descriptor, &status) == 0 && identityFrom(status).sameFileAs(identity);
}

// The descriptors listed in /proc/self/fd, the one listing them aside;
// false when there is no such list to read.
template <typename Visit>
bool forEachOpenDescriptor(Visit visit)
{
    DIR* listing = ::opendir("/proc/self/fd");
    if (listing == nullptr)
        return false;
    const int listingDescriptor = ::dirfd(listing);
    while (const dirent* entry = ::readdir(listing)) {
        char* end = nullptr;
        errno = 0;
        const long descriptor = std::strtol(entry->d_name, &end, 10);
        if (end == entry->d_name || *end != '\0' || errno != 0 || descriptor < 0 || descriptor > INT_MAX ||
            descriptor == listingDescriptor)
            continue;
        if (visit(static_cast<int>(descriptor)))
            break;
    }
    ::closedir(listing);
    return true;
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

bool heldOnAnotherDescriptor(const FileIdentity& identity, int own)
{
    bool held = false;
    const bool listed = forEachOpenDescriptor([&](int descriptor) {
        held = descriptor != own && descriptorHolds(descriptor, identity);
        return held;
    });
    if (listed)
        return held;
    // Without the list, the standard streams are what a caller hands over.
    for (int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        if (descriptor != own && descriptorHolds(descriptor, identity))
            return true;
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
