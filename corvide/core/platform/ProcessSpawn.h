#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace corvide::platform {

struct SpawnRequest {
    std::string program; // a path; not looked up in PATH
    std::vector<std::string> arguments; // argv, the program's name first
    int input = -1;
    int output = -1;
    int error = -1;
    // Descriptors the child keeps under their own numbers.
    std::vector<int> inherited;
    std::string workingDirectory; // empty: the caller's
    // "NAME=value" entries; none: the caller's environment.
    std::optional<std::vector<std::string>> environment;
};

struct SpawnOutcome {
    pid_t process = -1;
    int error = 0;               // errno when the process was not started
    bool badDirectory = false;   // the working directory could not be entered
    bool started() const { return process > 0; }
};

SpawnOutcome spawnProcess(const SpawnRequest& request);

// Waits without limit for the process to end: its exit status, or nothing
// when that cannot be had (it was ended by a signal, or the wait failed).
std::optional<int> waitForExit(pid_t process);

} // namespace corvide::platform
