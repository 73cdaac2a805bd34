#include "toolframe/packing/FirstFitPacker.h"

#include <algorithm>

namespace toolframe {

long FirstFitPacker::nextFree(long position)
{
    if (position < 0)
        return position;
    long free = position;
    while (occupied(free))
        free = skip_[static_cast<std::size_t>(free)];
    // Every position passed on the way now jumps straight to the free one.
    while (position != free) {
        const long next = skip_[static_cast<std::size_t>(position)];
        skip_[static_cast<std::size_t>(position)] = free;
        position = next;
    }
    return free;
}

long FirstFitPacker::place(const std::vector<long>& keys, int owner, const std::vector<Cell>& cells)
{
    const long first = keys.front();
    // The lowest position for the first key at which every key lands on a
    // free position. A key that lands on an occupied run rules out every
    // position that would put it inside that run, so the search jumps past
    // the run instead of trying each position in turn.
    long position = nextFree(firstFree_);
    for (std::size_t i = 1; i < keys.size();) {
        const long offset = keys[i] - first;
        if (!occupied(position + offset)) {
            ++i;
            continue;
        }
        position = nextFree(nextFree(position + offset) - offset);
        i = 1;
    }
    const long base = position - first;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const auto at = static_cast<std::size_t>(base + keys[i]);
        if (at >= cells_.size())
            cells_.resize(at + 1, Cell{-1, 0, 0});
        cells_[at] = cells[i];
        cells_[at].owner = owner;
        if (at >= used_.size()) {
            used_.resize(at + 1, false);
            skip_.resize(at + 1, 0);
        }
        used_[at] = true;
        skip_[at] = static_cast<long>(at) + 1;
    }
    firstFree_ = nextFree(firstFree_);
    return base;
}

} // namespace toolframe
