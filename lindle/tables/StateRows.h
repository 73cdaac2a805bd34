#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "lindle/dfa/Dfa.h"

namespace lindle {

// A stored run of a state's row: the characters first to last lead to
// the state numbered target, or nowhere (0: an explicit error).
struct RowRange {
    std::uint32_t first;
    std::uint32_t last;
    int target;
    bool operator==(const RowRange&) const = default;
};

// One state's row as the reductions shape it, indexed like the states
// they stand for: the automaton's states in creation order, then the
// pieces cut from wide states.
struct StateRow {
    int number = 0;
    std::vector<RowRange> ranges;
    int defaultState = -1;      // index of the row, or -1
    long defaultStateGain = 0;
    int defaultTarget = 0;      // state number of the default transition, or 0
    long defaultTargetGain = 0;
    int users = 0;              // rows that take this one as their default state
    bool resolved = false;
};

// Two rows' ranges side by side over the character axis.
template <class Visit>
void walkTogether(const std::vector<RowRange>& a, const std::vector<RowRange>& b, Visit&& visit)
{
    // Visits maximal stretches where neither row changes: visit(first,
    // last, rangeOfA or nullptr, rangeOfB or nullptr).
    std::size_t i = 0;
    std::size_t j = 0;
    std::uint64_t position = 0;
    while (i < a.size() || j < b.size()) {
        const RowRange* x = i < a.size() ? &a[i] : nullptr;
        const RowRange* y = j < b.size() ? &b[j] : nullptr;
        const std::uint64_t xStart = x ? std::max<std::uint64_t>(x->first, position) : UINT64_MAX;
        const std::uint64_t yStart = y ? std::max<std::uint64_t>(y->first, position) : UINT64_MAX;
        const std::uint64_t start = std::min(xStart, yStart);
        const bool inX = x && xStart == start;
        const bool inY = y && yStart == start;
        std::uint64_t end = UINT64_MAX;
        if (inX)
            end = std::min<std::uint64_t>(end, x->last);
        else if (x)
            end = std::min<std::uint64_t>(end, x->first - 1);
        if (inY)
            end = std::min<std::uint64_t>(end, y->last);
        else if (y)
            end = std::min<std::uint64_t>(end, y->first - 1);
        visit(static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(end), inX ? x : nullptr, inY ? y : nullptr);
        position = end + 1;
        if (x && x->last < position)
            ++i;
        if (y && y->last < position)
            ++j;
    }
}

// The characters a row has a transition for.
std::int64_t characterCount(const StateRow& row);

// How much of row a candidate default state would provide: characters
// where both lead to the same state, less those where only the candidate
// has a transition (with error transitions; without them such a candidate
// scores 0). Never below 0.
long similarity(const StateRow& row, const StateRow& candidate, bool errorTransitions);

// The rows of the automaton's states, with their transitions by number.
std::vector<StateRow> rowsOf(const Dfa& dfa);

// Picks each row's default transition: the target most characters lead
// to, when more go there than have no transition at all.
void chooseDefaultTransitions(std::vector<StateRow>& rows, std::uint32_t characterMaximum);

// Removes what each default provides and makes explicit what it must not,
// each row before the rows it takes as its default.
void resolveDefaults(std::vector<StateRow>& rows, std::uint32_t characterMaximum);

// Cuts every row wider than the threshold into pieces chained as default
// states; the pieces are appended as new rows numbered after the others.
void cutWideRows(std::vector<StateRow>& rows, long rangeLimit);

} // namespace lindle
