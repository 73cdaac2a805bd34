#include "corvide/core/platform/ProcessSpawn.h"

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

namespace corvide::platform {

namespace {

std::vector<char*> pointers(const std::vector<std::string>& strings)
{
    std::vector<char*> list;
    list.reserve(strings.size() + 1);
    for (const std::string& text : strings)
        list.push_back(const_cast<char*>(text.c_str()));
    list.push_back(nullptr);
    return list;
}

bool canEnter(const std::string& directory)
{
    struct stat status;
    return ::stat(directory.c_str(), &status) == 0 && S_ISDIR(status.st_mode) && ::access(directory.c_str(), X_OK) == 0;
}

class FileActions {
public:
    FileActions() { posix_spawn_file_actions_init(&actions_); }
    ~FileActions() { posix_spawn_file_actions_destroy(&actions_); }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;

    posix_spawn_file_actions_t* get() { return &actions_; }

    int build(const SpawnRequest& request)
    {
        int error = 0;
        error = error ? error : posix_spawn_file_actions_adddup2(&actions_, request.input, STDIN_FILENO);
        error = error ? error : posix_spawn_file_actions_adddup2(&actions_, request.output, STDOUT_FILENO);
        error = error ? error : posix_spawn_file_actions_adddup2(&actions_, request.error, STDERR_FILENO);
        // Duplicating a descriptor onto itself clears its close-on-exec flag.
        for (int fd : request.inherited)
            error = error ? error : posix_spawn_file_actions_adddup2(&actions_, fd, fd);
        if (!request.workingDirectory.empty() && !error)
            error = posix_spawn_file_actions_addchdir_np(&actions_, request.workingDirectory.c_str());
        return error;
    }

private:
    posix_spawn_file_actions_t actions_;
};

// The child starts with no signal blocked and the usual actions for the
// signals a program may have set aside (a window program often ignores
// SIGPIPE), whatever the thread that starts it has.
class Attributes {
public:
    Attributes()
    {
        posix_spawnattr_init(&attributes_);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigmask(&attributes_, &none);
        sigset_t usual;
        sigemptyset(&usual);
        for (int signal : {SIGPIPE, SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGCHLD})
            sigaddset(&usual, signal);
        posix_spawnattr_setsigdefault(&attributes_, &usual);
        posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    }
    ~Attributes() { posix_spawnattr_destroy(&attributes_); }
    Attributes(const Attributes&) = delete;
    Attributes& operator=(const Attributes&) = delete;

    const posix_spawnattr_t* get() const { return &attributes_; }

private:
    posix_spawnattr_t attributes_;
};

} // namespace

SpawnOutcome spawnProcess(const SpawnRequest& request)
{
    SpawnOutcome outcome;
    FileActions actions;
    outcome.error = actions.build(request);
    if (outcome.error != 0)
        return outcome;
    std::vector<char*> argv = pointers(request.arguments);
    std::vector<char*> environment = request.environment ? pointers(*request.environment) : std::vector<char*>();
    const Attributes attributes;
    pid_t process = -1;
    outcome.error = ::posix_spawn(&process, request.program.c_str(), actions.get(), attributes.get(), argv.data(),
                                  request.environment ? environment.data() : environ);
    if (outcome.error == 0) {
        outcome.process = process;
        return outcome;
    }
    // posix_spawn gives one errno for a missing program and a missing
    // directory alike; the directory is looked at to tell them apart.
    outcome.badDirectory = !request.workingDirectory.empty() && !canEnter(request.workingDirectory);
    return outcome;
}

std::optional<int> waitForExit(pid_t process)
{
    int status = 0;
    while (::waitpid(process, &status, 0) < 0)
        if (errno != EINTR)
            return std::nullopt;
    return WIFEXITED(status) ? std::optional<int>(WEXITSTATUS(status)) : std::nullopt;
}

} // namespace corvide::platform
