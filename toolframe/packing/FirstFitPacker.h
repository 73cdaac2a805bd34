#pragma once

#include <cstddef>
#include <vector>

namespace toolframe {

// Packs the sparse rows of a table into one array, each row at the lowest
// base where all its keys land on free positions (rows may interleave and
// a base may be negative). Parser action and goto tables and scanner
// transition tables are packed this way; the runtime finds a row's entry
// at base + key and checks that the entry's owner is the row.
class FirstFitPacker {
public:
    struct Cell {
        int owner;
        int kind; // what the entry does, as its table counts
        int value;
    };

    // Places the row whose entries are cells at keys (ascending, at least
    // one) and returns its base; every placed cell takes owner.
    long place(const std::vector<long>& keys, int owner, const std::vector<Cell>& cells);

    std::size_t size() const { return cells_.size(); }
    bool isUsed(std::size_t position) const { return position < used_.size() && used_[position]; }
    const Cell& cell(std::size_t position) const { return cells_[position]; }

private:
    bool occupied(long position) const
    {
        return position >= 0 && static_cast<std::size_t>(position) < used_.size() &&
               used_[static_cast<std::size_t>(position)];
    }

    // The first free position at or after position.
    long nextFree(long position);

    std::vector<Cell> cells_;
    std::vector<bool> used_;
    // For an occupied position, one further on such that every position
    // between them is occupied too: runs of occupied positions are crossed
    // in a step.
    std::vector<long> skip_;
    long firstFree_ = 0;
};

} // namespace toolframe
