#include "toolframe/packing/FirstFitPacker.h"

#include <algorithm>

namespace toolframe {

long FirstFitPacker::place(const std::vector<long>& keys, int owner, const std::vector<Cell>& cells)
{
    const long first = keys.front();
    long position = firstFree_;
    for (;; ++position) {
        if (occupied(position))
            continue;
        bool fits = true;
        for (std::size_t i = 1; i < keys.size() && fits; ++i)
            fits = !occupied(position + keys[i] - first);
        if (fits)
            break;
    }
    const long base = position - first;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const auto at = static_cast<std::size_t>(base + keys[i]);
        if (at >= cells_.size())
            cells_.resize(at + 1, Cell{-1, 0, 0});
        cells_[at] = cells[i];
        cells_[at].owner = owner;
        used_.resize(std::max(used_.size(), at + 1), false);
        used_[at] = true;
    }
    while (occupied(firstFree_))
        ++firstFree_;
    return base;
}

} // namespace toolframe
