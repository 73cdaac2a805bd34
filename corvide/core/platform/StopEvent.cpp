#include "corvide/core/platform/StopEvent.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace corvide::platform {

StopEvent::StopEvent()
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        error_ = errno;
        return;
    }
    read_ = ends[0];
    write_ = ends[1];
}

StopEvent::~StopEvent()
{
    if (read_ >= 0)
        ::close(read_);
    if (write_ >= 0)
        ::close(write_);
}

void StopEvent::signal() const
{
    // A full pipe is signalled already.
    const char byte = 's';
    if (write_ >= 0 && ::write(write_, &byte, 1) < 0)
        return;
}

bool StopEvent::isSignalled() const
{
    if (read_ < 0)
        return false;
    pollfd watch{read_, POLLIN, 0};
    return ::poll(&watch, 1, 0) > 0 && (watch.revents & POLLIN) != 0;
}

void StopEvent::reset() const
{
    char bytes[64];
    for (;;) {
        const ssize_t count = read_ >= 0 ? ::read(read_, bytes, sizeof bytes) : 0;
        if (count == 0 || (count < 0 && errno != EINTR))
            return;
    }
}

} // namespace corvide::platform
