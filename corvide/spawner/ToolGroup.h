#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "corvide/spawner/SignalPipe.h"

namespace corvide::spawner {

// The tool and everything it starts: a process group of its own, led by
// the tool. The spawner is their subreaper, so a grandchild whose parent
// ends is reaped here and the group can be seen to empty.
class ToolGroup {
public:
    enum class Start { Started, ForkFailed, ExecFailed };

    explicit ToolGroup(SignalPipe& signals) : signals_(signals) {}

    // Runs arguments[0], found as a shell finds it, with arguments as its
    // argv; the standard descriptors are the spawner's own.
    Start start(const std::vector<std::string>& arguments);

    // Reaps every child that has ended; the tool's status is kept.
    void reap();

    bool toolEnded() const { return toolStatus_.has_value(); }
    // The tool's exit status, or 128 + the signal that ended it.
    std::optional<int> toolExitCode() const;

    // Whether any process of the group is left (zombies not yet reaped
    // count, which reap() takes care of for the spawner's own children).
    bool alive() const;

    // Ends the group: SIGTERM, a grace for it to go, then SIGKILL; returns
    // when no process of the group is left or the group cannot be ended.
    void end();

private:
    // Waits for the group to empty, reaping, until the deadline passes;
    // true when it emptied.
    bool waitForEmptyGroup(int milliseconds);

    SignalPipe& signals_;
    pid_t group_ = -1;
    std::optional<int> toolStatus_;
};

} // namespace corvide::spawner
