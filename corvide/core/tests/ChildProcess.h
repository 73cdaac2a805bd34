#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

// Runs part of a test in a child process, where a limit or a lesser user
// cannot spill over into the rest of the test run. The body's result is
// the child's exit status; -1 when the child did not exit normally.
namespace corvide::testing {

struct ChildSetup {
    std::optional<rlim_t> fileSizeLimit; // bytes; writes beyond fail with EFBIG
    bool unprivileged = false;           // run as "nobody" when started as root
};

// The uid and gid that root drops to.
inline constexpr uid_t kNobody = 65534;

template <class Body>
int runInChild(const ChildSetup& setup, Body&& body)
{
    const pid_t pid = ::fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        if (setup.fileSizeLimit) {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{*setup.fileSizeLimit, *setup.fileSizeLimit};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                ::_exit(125);
        }
        if (setup.unprivileged && ::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(126);
        ::_exit(body());
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace corvide::testing
