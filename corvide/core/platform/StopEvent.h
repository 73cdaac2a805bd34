#pragma once

namespace corvide::platform {

// The event that Stop Build signals and the spawner watches: the read end
// of a pipe that becomes readable when a byte is written and stays so
// until reset (a manual-reset event). Only the read end is handed on; when
// the workbench is gone, the spawner sees the end of the pipe, which also
// reads as signalled.
class StopEvent {
public:
    StopEvent();
    ~StopEvent();
    StopEvent(const StopEvent&) = delete;
    StopEvent& operator=(const StopEvent&) = delete;

    // errno of the failed creation; 0 when the event exists.
    int creationError() const { return error_; }

    // Safe in a signal handler: one write() on a non-blocking pipe.
    void signal() const;
    bool isSignalled() const;
    // Takes back every byte written, so that a new command starts with the
    // event clear. Only between commands: no spawner is watching then.
    void reset() const;

    // What a spawner inherits.
    int watchDescriptor() const { return read_; }

private:
    int read_ = -1;
    int write_ = -1;
    int error_ = 0;
};

} // namespace corvide::platform
