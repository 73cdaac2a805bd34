#include "corvide/core/platform/Pipe.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace corvide::platform {

int createPipe(PipeEnds& ends)
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return errno;
    ends.read = fds[0];
    ends.write = fds[1];
    return 0;
}

int duplicateDescriptor(int fd, int& copy)
{
    copy = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    return copy < 0 ? errno : 0;
}

int closeDescriptor(int& fd)
{
    if (fd < 0)
        return 0;
    const int result = ::close(fd);
    fd = -1;
    // Linux frees the descriptor even when close() is interrupted.
    return result != 0 && errno != EINTR ? errno : 0;
}

std::optional<std::size_t> readSome(int fd, char* buffer, std::size_t size)
{
    for (;;) {
        const ssize_t count = ::read(fd, buffer, size);
        if (count >= 0)
            return static_cast<std::size_t>(count);
        if (errno != EINTR)
            return std::nullopt;
    }
}

} // namespace corvide::platform
