#include "lindle/tables/DefaultStates.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <numeric>
#include <tuple>

namespace lindle {

namespace {

// Up to this many rows every pair is compared. Beyond, a row is compared
// with the rows that share one of its ranges exactly, the latest of each
// such list first, which finds the rows most alike without a scan over
// all rows per row.
constexpr std::size_t kCompareAllRows = 3000;
constexpr std::size_t kCandidatesPerRange = 16;

// The end of each row's chain of default states, kept with path halving:
// a row may take another as default only if that one's chain does not
// end in it.
class ChainEnds {
public:
    explicit ChainEnds(std::size_t rows) : parent_(rows) { std::iota(parent_.begin(), parent_.end(), 0); }
    std::size_t end(std::size_t row)
    {
        while (parent_[row] != row)
            row = parent_[row] = parent_[parent_[row]];
        return row;
    }
    // row (the end of its own chain) now defaults to candidate.
    void link(std::size_t row, std::size_t candidate) { parent_[row] = end(candidate); }

private:
    std::vector<std::size_t> parent_;
};

} // namespace

void chooseDefaultStates(std::vector<StateRow>& rows, bool errorTransitions)
{
    std::vector<std::size_t> withTransitions;
    std::vector<std::int64_t> counts(rows.size(), 0);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (!rows[r].ranges.empty())
            withTransitions.push_back(r);
        counts[r] = characterCount(rows[r]);
    }
    std::map<std::tuple<std::uint32_t, std::uint32_t, int>, std::vector<std::size_t>> holders;
    const bool compareAll = withTransitions.size() <= kCompareAllRows;
    if (!compareAll)
        for (std::size_t r : withTransitions)
            for (const RowRange& range : rows[r].ranges)
                holders[{range.first, range.last, range.target}].push_back(r);

    ChainEnds chains(rows.size());
    std::vector<std::size_t> candidates;
    std::vector<char> seen(rows.size(), 0);
    for (std::size_t s : withTransitions) {
        candidates.clear();
        if (compareAll) {
            candidates = withTransitions;
        } else {
            for (const RowRange& range : rows[s].ranges) {
                const std::vector<std::size_t>& list = holders[{range.first, range.last, range.target}];
                const std::size_t from = list.size() > kCandidatesPerRange ? list.size() - kCandidatesPerRange : 0;
                for (std::size_t i = from; i < list.size(); ++i)
                    if (!seen[list[i]]) {
                        seen[list[i]] = 1;
                        candidates.push_back(list[i]);
                    }
            }
            for (std::size_t p : candidates)
                seen[p] = 0;
            std::sort(candidates.begin(), candidates.end());
        }
        const std::int64_t n = counts[s];
        long best = 0;
        std::size_t chosen = SIZE_MAX;
        for (std::size_t p : candidates) {
            if (p == s)
                continue;
            const std::int64_t np = counts[p];
            // Bounds of the similarity that cannot reach the best so far.
            if (errorTransitions ? (2 * n - 1 < np || 2 * n - best < np || np < best) : (n < np || np < best))
                continue;
            const long e = similarity(rows[s], rows[p], errorTransitions);
            if (e <= 0 || e < best || chains.end(p) == s)
                continue;
            best = e;
            chosen = p;
        }
        if (chosen == SIZE_MAX)
            continue;
        rows[s].defaultState = static_cast<int>(chosen);
        rows[s].defaultStateGain = best;
        ++rows[chosen].users;
        chains.link(s, chosen);
    }
}

} // namespace lindle
