#pragma once

#include <mutex>
#include <string>
#include <vector>

namespace corvide {

// Output lines on their way from any thread to the Output window, under
// the output lock, with the flag that keeps one lines-waiting message
// posted at a time.
class CPendingLines {
public:
    // Adds line; true when the caller is to post the lines-waiting message
    // (none is posted and not yet handled).
    bool add(std::string line);

    // Every pending line, in order, and the flag cleared: lines added from
    // now on post a new message.
    std::vector<std::string> take();

private:
    std::mutex lock_;
    std::vector<std::string> lines_;
    bool posted_ = false;
};

} // namespace corvide
