#include "toolframe/testing/ProcessRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace toolframe::testing {

namespace {

[[noreturn]] void execInChild(const std::string& program, const std::vector<std::string>& arguments,
                              const ProcessSetup& setup)
{
    if (!setup.workingDirectory.empty() && ::chdir(setup.workingDirectory.c_str()) != 0)
        ::_exit(126);
    for (const std::string& name : setup.unsetEnvironment)
        ::unsetenv(name.c_str());
    for (const auto& [name, value] : setup.environment)
        ::setenv(name.c_str(), value.c_str(), 1);
    if (setup.fileSizeLimit) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{*setup.fileSizeLimit, *setup.fileSizeLimit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
}

void collect(int outFd, int errFd, ProcessResult& result)
{
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    std::string* sinks[2] = {&result.out, &result.err};
    int open = 2;
    char buffer[65536];
    while (open > 0) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            const ssize_t count = ::read(fds[i].fd, buffer, sizeof buffer);
            if (count > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(count));
            } else if (count == 0 || errno != EINTR) {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

void decodeStatus(int status, ProcessResult& result)
{
    if (WIFEXITED(status))
        result.exitStatus = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        result.signal = WTERMSIG(status);
}

} // namespace

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const ProcessSetup& setup)
{
    int outPipe[2], errPipe[2];
    if (::pipe2(outPipe, O_CLOEXEC) != 0 || ::pipe2(errPipe, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        ::dup2(outPipe[1], STDOUT_FILENO);
        ::dup2(errPipe[1], STDERR_FILENO);
        const int devNull = ::open("/dev/null", O_RDONLY);
        ::dup2(devNull, STDIN_FILENO);
        execInChild(program, arguments, setup);
    }
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    ProcessResult result;
    collect(outPipe[0], errPipe[0], result);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    decodeStatus(status, result);
    return result;
}

TerminalSession::TerminalSession(const std::string& program, const std::vector<std::string>& arguments,
                                 const ProcessSetup& setup)
{
    const pid_t pid = ::forkpty(&master_, nullptr, nullptr, nullptr);
    if (pid < 0)
        throw std::runtime_error("forkpty failed");
    if (pid == 0)
        execInChild(program, arguments, setup);
    pid_ = pid;
}

TerminalSession::~TerminalSession()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    if (master_ >= 0)
        ::close(master_);
}

bool TerminalSession::readSome(std::chrono::milliseconds timeout)
{
    pollfd fd{master_, POLLIN, 0};
    if (::poll(&fd, 1, static_cast<int>(timeout.count())) <= 0)
        return false;
    char buffer[4096];
    const ssize_t count = ::read(master_, buffer, sizeof buffer);
    if (count <= 0)
        return false; // EIO once the child has closed the terminal
    raw_.append(buffer, static_cast<std::size_t>(count));
    return true;
}

bool TerminalSession::readUntil(const std::string& needle, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (output().find(needle) == std::string::npos) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !readSome(left))
            return output().find(needle) != std::string::npos;
    }
    return true;
}

void TerminalSession::send(const std::string& keys)
{
    if (::write(master_, keys.data(), keys.size()) != static_cast<ssize_t>(keys.size()))
        throw std::runtime_error("write to terminal failed");
}

int TerminalSession::finish(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline && readSome(std::chrono::milliseconds(200))) {
    }
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid_, &status, WNOHANG);
        if (done == pid_)
            break;
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status, 0);
            break;
        }
        readSome(std::chrono::milliseconds(50));
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string TerminalSession::output() const
{
    std::string text;
    for (std::size_t i = 0; i < raw_.size(); ++i)
        if (!(raw_[i] == '\r' && i + 1 < raw_.size() && raw_[i + 1] == '\n'))
            text += raw_[i];
    return text;
}

} // namespace toolframe::testing
