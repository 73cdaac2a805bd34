#include "corvide/core/platform/SharedWord.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>

namespace corvide::platform {

SharedWord::SharedWord()
{
    fd_ = ::memfd_create("corvide-exit-code", MFD_CLOEXEC);
    const std::uint32_t zero = 0;
    if (fd_ >= 0 && ::pwrite(fd_, &zero, sizeof zero, 0) == static_cast<ssize_t>(sizeof zero))
        return;
    error_ = errno != 0 ? errno : EIO;
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

SharedWord::~SharedWord()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::optional<std::uint32_t> SharedWord::read() const
{
    std::uint32_t word = 0;
    if (fd_ < 0 || ::pread(fd_, &word, sizeof word, 0) != static_cast<ssize_t>(sizeof word))
        return std::nullopt;
    return word;
}

} // namespace corvide::platform
