#include "toolframe/packing/RangePacker.h"

#include <algorithm>

namespace toolframe {

std::map<std::int64_t, std::int64_t>::const_iterator RangePacker::collision(std::int64_t first, std::int64_t last) const
{
    auto it = occupied_.upper_bound(last);
    if (it == occupied_.begin())
        return occupied_.end();
    --it;
    return it->second >= first ? it : occupied_.end();
}

void RangePacker::occupy(std::int64_t first, std::int64_t last)
{
    auto next = occupied_.upper_bound(first);
    if (next != occupied_.begin()) {
        auto previous = std::prev(next);
        if (previous->second + 1 == first) {
            first = previous->first;
            occupied_.erase(previous);
        }
    }
    next = occupied_.upper_bound(last);
    if (next != occupied_.end() && next->first == last + 1) {
        last = next->second;
        occupied_.erase(next);
    }
    occupied_[first] = last;
}

std::int64_t RangePacker::place(const std::vector<Run>& runs)
{
    const std::int64_t key = runs.front().first;
    const std::int64_t firstWidth = runs.front().last - runs.front().first + 1;
    // Tries positions for the first key from `at` to `limit`; a position
    // whose run hits an occupied one jumps past it, since every position in
    // between would hit it too.
    const auto fits = [&](std::int64_t at, std::int64_t limit) -> std::int64_t {
        while (at <= limit) {
            if (at == key) {
                ++at;
                continue;
            }
            std::int64_t jump = -1;
            for (const Run& run : runs) {
                const auto hit = collision(run.first - key + at, run.last - key + at);
                if (hit != occupied_.end()) {
                    jump = hit->second + 1 - (run.first - key);
                    break;
                }
            }
            if (jump < 0)
                return at;
            at = std::max(at + 1, jump);
        }
        return -1;
    };
    std::int64_t gapStart = 0;
    std::int64_t position = -1;
    for (const auto& [first, last] : occupied_) {
        if (first - gapStart >= firstWidth)
            position = fits(gapStart, first - firstWidth);
        if (position >= 0)
            break;
        gapStart = last + 1;
    }
    if (position < 0) {
        position = size();
        if (position == key)
            ++position;
    }
    for (const Run& run : runs)
        occupy(run.first - key + position, run.last - key + position);
    return position - key;
}

} // namespace toolframe
