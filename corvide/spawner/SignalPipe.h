#pragma once

namespace corvide::spawner {

// Signals turned into bytes on a pipe, so that the spawner's one wait
// (poll) sees a child ending and a request to stop alongside the stop
// event. SIGCHLD writes 'c'; SIGINT, SIGTERM and SIGHUP, which reach the
// spawner when its own terminal or parent asks it to end, write 's' and
// count as the stop event. One instance a process.
class SignalPipe {
public:
    SignalPipe();
    ~SignalPipe();
    SignalPipe(const SignalPipe&) = delete;
    SignalPipe& operator=(const SignalPipe&) = delete;

    bool ready() const { return read_ >= 0; }
    int descriptor() const { return read_; }

    // Empties the pipe; true when a stop was asked for.
    bool drain();

    // Around fork(): the child must not run the handlers, which write to
    // the parent's pipe, so they are blocked across the fork and the child
    // puts the default actions back before it unblocks them.
    void block() const;
    void unblock() const;
    void restoreDefaults() const;

private:
    int read_ = -1;
    int write_ = -1;
};

} // namespace corvide::spawner
