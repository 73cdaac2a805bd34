#include "lindle/tables/StateRows.h"

#include <algorithm>
#include <cstdint>
#include <map>

namespace lindle {

namespace {

std::int64_t width(const RowRange& range) { return std::int64_t{range.last} - range.first + 1; }

} // namespace

long similarity(const StateRow& row, const StateRow& candidate, bool errorTransitions)
{
    long score = 0;
    bool excluded = false;
    walkTogether(row.ranges, candidate.ranges,
                 [&](std::uint32_t first, std::uint32_t last, const RowRange* mine, const RowRange* theirs) {
                     const long length = static_cast<long>(std::int64_t{last} - first + 1);
                     if (mine && theirs && mine->target == theirs->target)
                         score += length;
                     else if (theirs && !mine && errorTransitions)
                         score -= length;
                     else if (theirs && !mine)
                         excluded = true;
                 });
    return excluded ? 0 : std::max(score, 0L);
}

std::int64_t characterCount(const StateRow& row)
{
    std::int64_t count = 0;
    for (const RowRange& range : row.ranges)
        count += width(range);
    return count;
}

std::vector<StateRow> rowsOf(const Dfa& dfa)
{
    std::vector<StateRow> rows(dfa.states.size());
    for (std::size_t s = 0; s < dfa.states.size(); ++s) {
        rows[s].number = dfa.states[s].number;
        for (const DfaTransition& t : dfa.states[s].transitions)
            rows[s].ranges.push_back({t.first, t.last, dfa.states[static_cast<std::size_t>(t.target)].number});
    }
    return rows;
}

void chooseDefaultTransitions(std::vector<StateRow>& rows, std::uint32_t characterMaximum)
{
    for (StateRow& row : rows) {
        if (row.ranges.empty())
            continue;
        // Targets in order of their first range, with the characters each gets.
        std::vector<std::pair<int, std::int64_t>> counts;
        std::map<int, std::size_t> slot;
        for (const RowRange& range : row.ranges) {
            auto [it, added] = slot.emplace(range.target, counts.size());
            if (added)
                counts.emplace_back(range.target, 0);
            counts[it->second].second += width(range);
        }
        const auto best = std::max_element(counts.begin(), counts.end(),
                                           [](const auto& a, const auto& b) { return a.second < b.second; });
        const std::int64_t covered = characterCount(row);
        const std::int64_t axis = std::int64_t{characterMaximum} + 1;
        if (best->second > axis - covered) {
            row.defaultTarget = best->first;
            row.defaultTargetGain = static_cast<long>(best->second + covered - axis);
        }
    }
}

namespace {

// Appends a piece of a row, joining it to the last piece when both come
// from the same range of the row or both are explicit errors, so that
// what stays of a range stays one range.
class RowBuilder {
public:
    void append(std::uint32_t first, std::uint32_t last, int target, std::size_t source)
    {
        if (!result_.empty() && result_.back().last + 1 == first && result_.back().target == target &&
            (target == 0 || source == lastSource_)) {
            result_.back().last = last;
        } else {
            result_.push_back({first, last, target});
        }
        lastSource_ = source;
    }
    std::vector<RowRange> take() { return std::move(result_); }

private:
    std::vector<RowRange> result_;
    std::size_t lastSource_ = SIZE_MAX;
};

// The row's ranges with its default state's identical transitions removed
// and the default state's other characters made explicit errors.
std::vector<RowRange> againstDefaultState(const std::vector<RowRange>& own, const std::vector<RowRange>& fallback)
{
    RowBuilder result;
    walkTogether(own, fallback, [&](std::uint32_t first, std::uint32_t last, const RowRange* mine, const RowRange* theirs) {
        if (mine && theirs && mine->target == theirs->target)
            return;
        if (mine)
            result.append(first, last, mine->target, static_cast<std::size_t>(mine - own.data()));
        else if (theirs)
            result.append(first, last, 0, SIZE_MAX);
    });
    return result.take();
}

// The row's ranges without those to the default target, every character
// without a transition made an explicit error.
std::vector<RowRange> againstDefaultTarget(const std::vector<RowRange>& own, int target, std::uint32_t characterMaximum)
{
    RowBuilder result;
    std::uint64_t position = 0;
    for (std::size_t r = 0; r < own.size(); ++r) {
        const RowRange& range = own[r];
        if (range.first > position)
            result.append(static_cast<std::uint32_t>(position), range.first - 1, 0, SIZE_MAX);
        if (range.target != target)
            result.append(range.first, range.last, range.target, r);
        position = std::uint64_t{range.last} + 1;
    }
    if (position <= characterMaximum)
        result.append(static_cast<std::uint32_t>(position), characterMaximum, 0, SIZE_MAX);
    return result.take();
}

} // namespace

void resolveDefaults(std::vector<StateRow>& rows, std::uint32_t characterMaximum)
{
    // A row is resolved once no unresolved row takes it as default; which
    // of the ready rows goes first changes nothing, since a row's
    // resolution reads only its own transitions and those of its default
    // state, which is still unresolved then.
    std::vector<std::size_t> ready;
    for (std::size_t r = rows.size(); r-- > 0;)
        if (rows[r].users == 0)
            ready.push_back(r);
    while (!ready.empty()) {
        StateRow& row = rows[ready.back()];
        ready.pop_back();
        row.resolved = true;
        if (row.defaultState >= 0) {
            StateRow& fallback = rows[static_cast<std::size_t>(row.defaultState)];
            if (--fallback.users == 0)
                ready.push_back(static_cast<std::size_t>(row.defaultState));
            if (row.defaultTarget != 0 && row.defaultTargetGain >= row.defaultStateGain)
                row.defaultState = -1;
        }
        if (row.defaultState >= 0)
            row.ranges = againstDefaultState(row.ranges, rows[static_cast<std::size_t>(row.defaultState)].ranges);
        else if (row.defaultTarget != 0)
            row.ranges = againstDefaultTarget(row.ranges, row.defaultTarget, characterMaximum);
    }
}

void cutWideRows(std::vector<StateRow>& rows, long rangeLimit)
{
    std::int64_t total = 0;
    for (const StateRow& row : rows)
        total += characterCount(row);
    const std::int64_t threshold = std::max<std::int64_t>(rangeLimit, total);
    int nextNumber = 0;
    for (const StateRow& row : rows)
        nextNumber = std::max(nextNumber, row.number);
    const std::size_t existing = rows.size();
    for (std::size_t r = 0; r < existing; ++r) {
        if (rows[r].ranges.empty())
            continue;
        const std::int64_t span = std::int64_t{rows[r].ranges.back().last} - rows[r].ranges.front().first + 1;
        if (span <= threshold)
            continue;
        std::vector<std::vector<RowRange>> pieces(1);
        std::int64_t start = rows[r].ranges.front().first;
        for (RowRange range : rows[r].ranges) {
            for (;;) {
                const std::int64_t end = start + threshold - 1;
                if (range.first > end) {
                    pieces.emplace_back();
                    start = range.first;
                    continue;
                }
                if (range.last <= end) {
                    pieces.back().push_back(range);
                    break;
                }
                pieces.back().push_back({range.first, static_cast<std::uint32_t>(end), range.target});
                range.first = static_cast<std::uint32_t>(end + 1);
                pieces.emplace_back();
                start = range.first;
            }
        }
        const int formerDefault = rows[r].defaultState;
        const int formerTarget = rows[r].defaultTarget;
        rows[r].ranges = pieces[0];
        std::size_t previous = r;
        for (std::size_t p = 1; p < pieces.size(); ++p) {
            StateRow piece;
            piece.number = ++nextNumber;
            piece.ranges = pieces[p];
            piece.resolved = true;
            rows.push_back(piece);
            rows[previous].defaultState = static_cast<int>(rows.size() - 1);
            previous = rows.size() - 1;
        }
        rows[previous].defaultState = formerDefault;
        rows[previous].defaultTarget = formerTarget;
        if (pieces.size() > 1)
            rows[r].defaultTarget = 0;
    }
}

} // namespace lindle
