#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>

#include "corvide/core/build/BuildNotifications.h"

namespace corvide {

class CBuildRunner;

// Posted messages for a program without windows (corvide-build, tests):
// the posts queue up, and the thread that owns the runner and the Output
// window, standing in for the user-interface thread, takes them off and
// calls the runner's handlers.
class CMessageQueue : public CBuildNotifications {
public:
    using MessageBox = std::function<void(const std::string&)>;

    void postLinesWaiting() override;
    void postBuildFinished() override;
    void postMessageBox(std::string text) override;

    // Waits for one message and handles it: the runner's handler, or
    // messageBox for a message box. True when it was the end of the build.
    bool dispatchOne(CBuildRunner& runner, const MessageBox& messageBox);

    // Handles messages until the build's end has been handled.
    void runUntilFinished(CBuildRunner& runner, const MessageBox& messageBox);

private:
    enum class Kind { LinesWaiting, BuildFinished, MessageBox };
    struct Message {
        Kind kind;
        std::string text;
    };

    void post(Message message);

    std::mutex lock_;
    std::condition_variable posted_;
    std::deque<Message> messages_;
};

} // namespace corvide
