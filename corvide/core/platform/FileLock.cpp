#include "corvide/core/platform/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace corvide::platform {

FileLock::FileLock(const std::string& lockPath)
{
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return;
    int result;
    do
        result = ::flock(fd, LOCK_EX);
    while (result != 0 && errno == EINTR);
    if (result != 0) {
        ::close(fd);
        return;
    }
    fd_ = fd;
}

FileLock::~FileLock()
{
    if (fd_ >= 0)
        ::close(fd_); // closing releases the lock
}

} // namespace corvide::platform
