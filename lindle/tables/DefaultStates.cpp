#include "lindle/tables/DefaultStates.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <numeric>
#include <tuple>
#include <unordered_map>

namespace lindle {

namespace {

// Up to this many rows every pair is compared. Beyond, a row is compared
// with the rows that share one of its ranges exactly, the latest of each
// such list first, which finds the rows most alike without a scan over
// all rows per row.
constexpr std::size_t kCompareAllRows = 1024;
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

// What makes most comparisons cheap: the characters a row has a
// transition for, the target most of them go to, and the ranges that go
// elsewhere. Two rows over the same characters with the same main target
// differ only where either goes elsewhere, so their similarity is read
// off those few ranges instead of walking every range of both rows (a
// Unicode identifier state has hundreds).
struct RowShape {
    std::uint64_t domainHash = 0;
    std::int64_t domainWidth = 0;
    int majority = -1;
    std::vector<RowRange> exceptions;
};

RowShape shapeOf(const StateRow& row)
{
    RowShape shape;
    std::map<int, std::int64_t> widths;
    for (const RowRange& range : row.ranges)
        widths[range.target] += std::int64_t{range.last} - range.first + 1;
    std::int64_t best = -1;
    for (const RowRange& range : row.ranges) {
        if (widths[range.target] > best) {
            best = widths[range.target];
            shape.majority = range.target;
        }
    }
    std::uint64_t hash = 14695981039346656037ULL;
    const auto mix = [&](std::uint64_t value) { hash = (hash ^ value) * 1099511628211ULL; };
    std::int64_t runFirst = -1;
    std::int64_t runLast = -2;
    for (const RowRange& range : row.ranges) {
        shape.domainWidth += std::int64_t{range.last} - range.first + 1;
        if (range.target != shape.majority)
            shape.exceptions.push_back(range);
        if (range.first == runLast + 1) {
            runLast = range.last;
            continue;
        }
        if (runFirst >= 0)
            mix(static_cast<std::uint64_t>(runFirst) << 32 | static_cast<std::uint64_t>(runLast));
        runFirst = range.first;
        runLast = range.last;
    }
    if (runFirst >= 0)
        mix(static_cast<std::uint64_t>(runFirst) << 32 | static_cast<std::uint64_t>(runLast));
    shape.domainHash = hash;
    return shape;
}

// The similarity of two rows of one domain and one main target: every
// character counts but those where either row goes elsewhere and the two
// disagree.
long similarityOfAlikeRows(const RowShape& row, const RowShape& candidate)
{
    std::int64_t lost = 0;
    walkTogether(row.exceptions, candidate.exceptions,
                 [&](std::uint32_t first, std::uint32_t last, const RowRange* mine, const RowRange* theirs) {
                     if ((mine || theirs) && !(mine && theirs && mine->target == theirs->target))
                         lost += std::int64_t{last} - first + 1;
                 });
    return static_cast<long>(std::max<std::int64_t>(row.domainWidth - lost, 0));
}

bool alike(const RowShape& a, const RowShape& b)
{
    return a.domainHash == b.domainHash && a.domainWidth == b.domainWidth && a.majority == b.majority;
}

struct RangeHash {
    std::size_t operator()(const RowRange& range) const
    {
        std::uint64_t h = (std::uint64_t{range.first} << 32 | range.last) * 0x9E3779B97F4A7C15ULL;
        return static_cast<std::size_t>(h ^ (h >> 29) ^ static_cast<std::uint64_t>(static_cast<std::uint32_t>(range.target)) * 0xC2B2AE3D27D4EB4FULL);
    }
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
    std::unordered_map<RowRange, std::vector<std::size_t>, RangeHash> holders;
    const bool compareAll = withTransitions.size() <= kCompareAllRows;
    if (!compareAll)
        for (std::size_t r : withTransitions)
            for (const RowRange& range : rows[r].ranges)
                holders[range].push_back(r);

    std::vector<RowShape> shapes(rows.size());
    for (std::size_t r : withTransitions)
        shapes[r] = shapeOf(rows[r]);
    ChainEnds chains(rows.size());
    std::vector<std::size_t> candidates;
    std::vector<char> seen(rows.size(), 0);
    for (std::size_t s : withTransitions) {
        candidates.clear();
        if (compareAll) {
            candidates = withTransitions;
        } else {
            for (const RowRange& range : rows[s].ranges) {
                const std::vector<std::size_t>& list = holders[range];
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
            const long e = alike(shapes[s], shapes[p]) ? similarityOfAlikeRows(shapes[s], shapes[p])
                                                       : similarity(rows[s], rows[p], errorTransitions);
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
