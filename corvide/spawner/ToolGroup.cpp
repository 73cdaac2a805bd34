#include "corvide/spawner/ToolGroup.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace corvide::spawner {

namespace {

// How long a tool has to end after SIGTERM before SIGKILL follows, and how
// long the spawner then waits for the kernel to take the group away.
constexpr int kGraceMilliseconds = 2000;
constexpr int kKillMilliseconds = 5000;
constexpr int kPollMilliseconds = 20;

// In the forked child: a group of its own, the spawner's signal handling
// undone, then the tool; when exec fails the errno goes back through the
// status pipe.
[[noreturn]] void execInChild(const std::vector<std::string>& arguments, int statusPipe, const SignalPipe& signals)
{
    ::setpgid(0, 0);
    signals.restoreDefaults();
    signals.unblock();
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execvp(argv[0], argv.data());
    const int error = errno;
    const ssize_t written = ::write(statusPipe, &error, sizeof error);
    ::_exit(written < 0 ? 126 : 127);
}

// The errno the child sent when exec failed; nothing when exec succeeded
// (the pipe closed on exec without a byte).
std::optional<int> execError(int statusPipe)
{
    int error = 0;
    ssize_t count;
    while ((count = ::read(statusPipe, &error, sizeof error)) < 0 && errno == EINTR) {
    }
    return count == static_cast<ssize_t>(sizeof error) ? std::optional<int>(error) : std::nullopt;
}

} // namespace

ToolGroup::Start ToolGroup::start(const std::vector<std::string>& arguments)
{
    int status[2];
    if (::pipe2(status, O_CLOEXEC) != 0)
        return Start::ForkFailed;
    signals_.block();
    const pid_t child = ::fork();
    if (child == 0)
        execInChild(arguments, status[1], signals_);
    signals_.unblock();
    ::close(status[1]);
    if (child < 0) {
        ::close(status[0]);
        return Start::ForkFailed;
    }
    // Both sides set the group, so that it exists whichever runs first.
    ::setpgid(child, child);
    group_ = child;
    const std::optional<int> error = execError(status[0]);
    ::close(status[0]);
    if (error) {
        int ignored = 0;
        ::waitpid(child, &ignored, 0);
        group_ = -1;
        return Start::ExecFailed;
    }
    return Start::Started;
}

void ToolGroup::reap()
{
    int status = 0;
    pid_t pid;
    while ((pid = ::waitpid(-1, &status, WNOHANG)) > 0 || (pid < 0 && errno == EINTR))
        if (pid == group_)
            toolStatus_ = status;
}

std::optional<int> ToolGroup::toolExitCode() const
{
    if (!toolStatus_)
        return std::nullopt;
    if (WIFEXITED(*toolStatus_))
        return WEXITSTATUS(*toolStatus_);
    return 128 + WTERMSIG(*toolStatus_);
}

bool ToolGroup::alive() const { return group_ > 0 && (::kill(-group_, 0) == 0 || errno == EPERM); }

bool ToolGroup::waitForEmptyGroup(int milliseconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        reap();
        if (!alive())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        pollfd watch{signals_.descriptor(), POLLIN, 0};
        ::poll(&watch, 1, kPollMilliseconds);
        signals_.drain();
    }
}

void ToolGroup::end()
{
    if (!alive())
        return;
    ::kill(-group_, SIGTERM);
    // A stopped process would not see SIGTERM until continued.
    ::kill(-group_, SIGCONT);
    if (waitForEmptyGroup(kGraceMilliseconds))
        return;
    ::kill(-group_, SIGKILL);
    waitForEmptyGroup(kKillMilliseconds);
}

} // namespace corvide::spawner
