#pragma once

#include <string>

namespace corvide {

// The messages a build's worker posts to the user-interface thread. Each
// is called on the worker's thread (lines waiting: on whichever thread
// appended a line) and must return at once, having arranged for the
// matching CBuildRunner handler to be called later on the user-interface
// thread; the Qt layer turns them into queued calls, CMessageQueue into a
// queue that a console loop empties. A handler is never called from
// inside a post.
class CBuildNotifications {
public:
    virtual ~CBuildNotifications() = default;

    // Lines wait in the pending list: call onLinesWaiting(). Posted once
    // until that handler has run, however many lines come meanwhile.
    virtual void postLinesWaiting() = 0;
    // The command's worker is done: call onBuildFinished().
    virtual void postBuildFinished() = 0;
    // A message box to show; the worker goes on without waiting for it.
    virtual void postMessageBox(std::string text) = 0;
};

} // namespace corvide
