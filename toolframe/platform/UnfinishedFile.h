#pragma once

#include <signal.h>

#include <string>

#include "toolframe/platform/FileIdentity.h"

namespace toolframe {

// An output file while a run writes it. A run that an interrupt, a hang-up,
// a termination request, a closed pipe or a resource limit ends (a build
// stopped in the workbench, Ctrl-C at a terminal, `| head`, `ulimit`)
// removes its unfinished files on the way out, as a run
// that fails does, so that no half-written file is left behind for a
// later build to take as up to date. Signals that the process was started
// ignoring stay ignored.
class UnfinishedFile {
public:
    UnfinishedFile() = default;
    ~UnfinishedFile() { finish(); }
    UnfinishedFile(const UnfinishedFile&) = delete;
    UnfinishedFile& operator=(const UnfinishedFile&) = delete;

    // From now on a signal removes the file at path, while that name still
    // leads to the file identified.
    void begin(const std::string& path, const FileIdentity& identity);
    // The file is complete, or already dealt with: a signal leaves it.
    void finish();

    // Holds off the watched signals while it lives: around creating a file
    // and beginning to watch it, so that no signal falls in between.
    class SignalsHeld {
    public:
        SignalsHeld();
        ~SignalsHeld();
        SignalsHeld(const SignalsHeld&) = delete;
        SignalsHeld& operator=(const SignalsHeld&) = delete;

    private:
        sigset_t previous_;
    };

    // How many files a run may have unfinished at once; one more is not
    // watched (a generator writes three at most).
    static constexpr int kSlots = 8;

private:
    int slot_ = -1;
};

} // namespace toolframe
