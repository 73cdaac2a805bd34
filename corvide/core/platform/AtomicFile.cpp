#include "corvide/core/platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "toolframe/platform/FileIdentity.h"

namespace corvide::platform {

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, const std::string& content)
{
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t written = ::write(fd, content.data() + done, content.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

std::string directoryOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file that a write to path changes: the end of a chain of links.
std::string targetOf(const std::string& path)
{
    if (const auto link = toolframe::identityOfLink(path); link && !link->regular && !link->directory)
        if (const auto resolved = toolframe::resolvedPath(path))
            return *resolved;
    return path;
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// A new file gets what the user's umask allows; a replaced one keeps its mode.
mode_t modeFor(const std::string& target)
{
    struct stat status;
    if (::stat(target.c_str(), &status) == 0)
        return status.st_mode & 07777;
    return 0666 & ~currentUmask();
}

// Makes the rename itself durable. Some file systems refuse to sync a
// directory; the rename has happened all the same.
void syncDirectory(const std::string& directory)
{
    const Descriptor fd(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        ::fsync(fd.get());
}

bool writeTemporary(Descriptor& fd, const std::string& content, mode_t mode)
{
    return writeAll(fd.get(), content) && ::fchmod(fd.get(), mode) == 0 && ::fsync(fd.get()) == 0 && fd.close();
}

} // namespace

std::optional<std::string> readWholeFile(const std::string& path)
{
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return std::nullopt;
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return content;
        content.append(buffer, static_cast<std::size_t>(got));
    }
}

bool replaceFile(const std::string& path, const std::string& content)
{
    const std::string target = targetOf(path);
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0)
        return false;
    const mode_t mode = modeFor(target);
    std::string temporary = target + ".XXXXXX";
    Descriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return false;
    if (!writeTemporary(fd, content, mode) || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncDirectory(directoryOf(target));
    return true;
}

bool makeDirectories(const std::string& path)
{
    struct stat status;
    if (path.empty() || ::stat(path.c_str(), &status) == 0)
        return !path.empty() && S_ISDIR(status.st_mode);
    const std::size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !makeDirectories(path.substr(0, slash)))
        return false;
    return ::mkdir(path.c_str(), 0777) == 0 || errno == EEXIST;
}

} // namespace corvide::platform
