#include "corvide/core/build/MessageQueue.h"

#include "corvide/core/build/BuildRunner.h"

namespace corvide {

void CMessageQueue::post(Message message)
{
    {
        const std::lock_guard<std::mutex> guard(lock_);
        messages_.push_back(std::move(message));
    }
    posted_.notify_one();
}

void CMessageQueue::postLinesWaiting() { post({Kind::LinesWaiting, {}}); }

void CMessageQueue::postBuildFinished() { post({Kind::BuildFinished, {}}); }

void CMessageQueue::postMessageBox(std::string text) { post({Kind::MessageBox, std::move(text)}); }

bool CMessageQueue::dispatchOne(CBuildRunner& runner, const MessageBox& messageBox)
{
    Message message;
    {
        std::unique_lock<std::mutex> guard(lock_);
        posted_.wait(guard, [this] { return !messages_.empty(); });
        message = std::move(messages_.front());
        messages_.pop_front();
    }
    switch (message.kind) {
    case Kind::LinesWaiting:
        runner.onLinesWaiting();
        return false;
    case Kind::MessageBox:
        if (messageBox)
            messageBox(message.text);
        return false;
    case Kind::BuildFinished:
        runner.onBuildFinished();
        return true;
    }
    return false;
}

void CMessageQueue::runUntilFinished(CBuildRunner& runner, const MessageBox& messageBox)
{
    while (!dispatchOne(runner, messageBox)) {
    }
}

} // namespace corvide
