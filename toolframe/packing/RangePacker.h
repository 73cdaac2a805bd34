#pragma once

#include <cstdint>
#include <map>
#include <vector>

namespace toolframe {

// Packs rows whose entries come in runs of consecutive keys into one
// array, first fit: each row goes to the lowest offset, found gap by gap
// from the start of the array, where all its runs land on free positions,
// without ever giving the row the base 0 (which means "no entries"). The
// array is kept as its occupied runs, so wide rows cost what their runs
// cost rather than what their keys do.
class RangePacker {
public:
    struct Run {
        std::int64_t first;
        std::int64_t last;
    };

    // Places a row (runs ascending, at least one) and returns its base:
    // the position of key k is base + k.
    std::int64_t place(const std::vector<Run>& runs);

    // One past the highest occupied position.
    std::int64_t size() const { return occupied_.empty() ? 0 : std::prev(occupied_.end())->second + 1; }

private:
    // The occupied run that overlaps [first, last], or end().
    std::map<std::int64_t, std::int64_t>::const_iterator collision(std::int64_t first, std::int64_t last) const;
    void occupy(std::int64_t first, std::int64_t last);

    std::map<std::int64_t, std::int64_t> occupied_; // first -> last, disjoint
};

} // namespace toolframe
