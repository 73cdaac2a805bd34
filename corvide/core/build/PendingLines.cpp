#include "corvide/core/build/PendingLines.h"

namespace corvide {

bool CPendingLines::add(std::string line)
{
    const std::lock_guard<std::mutex> guard(lock_);
    lines_.push_back(std::move(line));
    if (posted_)
        return false;
    posted_ = true;
    return true;
}

std::vector<std::string> CPendingLines::take()
{
    std::vector<std::string> taken;
    const std::lock_guard<std::mutex> guard(lock_);
    taken.swap(lines_);
    posted_ = false;
    return taken;
}

} // namespace corvide
