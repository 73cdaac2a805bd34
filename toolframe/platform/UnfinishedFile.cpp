#include "toolframe/platform/UnfinishedFile.h"

#include <atomic>
#include <csignal>
#include <cstring>

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

namespace toolframe {

namespace {

// What the signal handler reads. A handler can reach nothing but
// process-wide state, and may only call what is safe in a handler: so a
// fixed table of names, not strings, lock-free atomics, and lstat and
// unlink, not the frame's file functions.
enum SlotState : int { kFree, kClaimed, kWatched };

struct Slot {
    std::atomic<int> state;
    dev_t device;
    ino_t inode;
    char path[PATH_MAX];
};

static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may only read lock-free atomics");
Slot slots[UnfinishedFile::kSlots];

// Every signal whose default ends the process and that arrives from outside
// the run's own code: a stop, a reader of the diagnostics gone away
// (SIGPIPE), a limit on processor time or file size, a timer. A fault
// signal (SIGSEGV and the like) is a crash to be mended, and the
// sanitizers own its handler.
constexpr int kSignals[] = {SIGINT,  SIGTERM, SIGHUP,  SIGQUIT,   SIGPIPE, SIGXCPU,
                            SIGXFSZ, SIGALRM, SIGUSR1, SIGUSR2, SIGVTALRM, SIGPROF};

extern "C" void removeUnfinishedFiles(int signal)
{
    for (Slot& slot : slots) {
        struct stat now;
        if (slot.state.load() != kWatched || ::lstat(slot.path, &now) != 0)
            continue;
        // Only the file this run created: not one put in its place since.
        if (S_ISREG(now.st_mode) && now.st_dev == slot.device && now.st_ino == slot.inode)
            ::unlink(slot.path);
    }
    // Ends the process as the signal would have, so that whoever started
    // the run sees how it ended.
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    ::sigaction(signal, &fallback, nullptr);
    ::raise(signal);
}

void watchSignalsOnce()
{
    static const bool watched = [] {
        for (int signal : kSignals) {
            struct sigaction current {};
            if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL ||
                (current.sa_flags & SA_SIGINFO) != 0)
                continue;
            struct sigaction handler {};
            handler.sa_handler = removeUnfinishedFiles;
            sigemptyset(&handler.sa_mask);
            for (int other : kSignals)
                sigaddset(&handler.sa_mask, other);
            ::sigaction(signal, &handler, nullptr);
        }
        return true;
    }();
    (void) watched;
}

} // namespace

UnfinishedFile::SignalsHeld::SignalsHeld()
{
    sigset_t held;
    sigemptyset(&held);
    for (int signal : kSignals)
        sigaddset(&held, signal);
    ::pthread_sigmask(SIG_BLOCK, &held, &previous_);
}

UnfinishedFile::SignalsHeld::~SignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }

void UnfinishedFile::begin(const std::string& path, const FileIdentity& identity)
{
    finish();
    if (path.size() >= PATH_MAX)
        return;
    watchSignalsOnce();
    for (int i = 0; i < kSlots; ++i) {
        Slot& slot = slots[i];
        int expected = kFree;
        if (!slot.state.compare_exchange_strong(expected, kClaimed))
            continue;
        slot.device = static_cast<dev_t>(identity.device);
        slot.inode = static_cast<ino_t>(identity.inode);
        std::memcpy(slot.path, path.c_str(), path.size() + 1);
        // The handler sees the name whole once it sees the slot watched.
        slot.state.store(kWatched);
        slot_ = i;
        return;
    }
}

void UnfinishedFile::finish()
{
    if (slot_ < 0)
        return;
    slots[slot_].state.store(kFree);
    slot_ = -1;
}

} // namespace toolframe
