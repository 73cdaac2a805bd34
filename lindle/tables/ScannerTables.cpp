#include "lindle/tables/ScannerTables.h"

#include <algorithm>
#include <map>

#include "lindle/tables/DefaultStates.h"
#include "lindle/tables/StateRows.h"
#include "toolframe/packing/RangePacker.h"

namespace lindle {

namespace {

std::int64_t spanOf(const StateRow& row)
{
    return row.ranges.empty() ? 0 : std::int64_t{row.ranges.back().last} - row.ranges.front().first + 1;
}

// yymatch: lists shared wherever the same values already end in a 0.
class MatchLists {
public:
    MatchLists() : values_{0} {}

    // The match field of a state that accepts and marks these rules.
    int fieldFor(const std::vector<int>& accepts, const std::vector<int>& marks)
    {
        if (accepts.empty() && marks.empty())
            return 0;
        if (accepts.size() == 1 && marks.empty())
            return accepts.front();
        std::vector<int> list = accepts;
        for (int mark : marks)
            list.push_back(-mark);
        auto found = positions_.find(list);
        if (found != positions_.end())
            return -found->second;
        const int position = static_cast<int>(values_.size());
        values_.insert(values_.end(), list.begin(), list.end());
        values_.push_back(0);
        // Every tail of the new list is a list that ends in 0 too.
        for (std::size_t from = 0; from < list.size(); ++from)
            positions_.emplace(std::vector<int>(list.begin() + static_cast<std::ptrdiff_t>(from), list.end()),
                               position + static_cast<int>(from));
        return -position;
    }

    std::vector<int> take() { return std::move(values_); }

private:
    std::vector<int> values_;
    std::map<std::vector<int>, int> positions_;
};

} // namespace

ScannerTables buildScannerTables(const Dfa& dfa, const std::vector<ScannerRule>& rules, const TableOptions& options)
{
    const std::uint32_t characterMaximum = options.unicode ? 0xFFFF : 0xFF;
    std::vector<StateRow> rows = rowsOf(dfa);
    if (options.defaultTransitions)
        chooseDefaultTransitions(rows, characterMaximum);
    if (options.defaultStates)
        chooseDefaultStates(rows, options.errorTransitions);
    resolveDefaults(rows, characterMaximum);
    if (!options.compact)
        cutWideRows(rows, options.rangeLimit);

    ScannerTables tables;
    tables.compact = options.compact;
    int highest = dfa.rowCount - 1;
    for (const StateRow& row : rows)
        highest = std::max(highest, row.number);
    tables.state.assign(static_cast<std::size_t>(highest) + 1, {0, 0, 0});

    std::vector<std::size_t> order;
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (!rows[r].ranges.empty())
            order.push_back(r);
    std::vector<int> bases(rows.size(), 0);
    if (options.compact) {
        tables.compactTransition.push_back({0, 0, -1});
        for (std::size_t r : order) {
            bases[r] = static_cast<int>(tables.compactTransition.size());
            for (const RowRange& range : rows[r].ranges)
                tables.compactTransition.push_back(
                    {static_cast<int>(range.first), static_cast<int>(range.last), range.target});
            tables.compactTransition.push_back({0, 0, -1});
        }
    } else {
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return spanOf(rows[a]) > spanOf(rows[b]); });
        toolframe::RangePacker packer;
        for (std::size_t r : order) {
            std::vector<toolframe::RangePacker::Run> runs;
            for (const RowRange& range : rows[r].ranges)
                runs.push_back({range.first, range.last});
            bases[r] = static_cast<int>(packer.place(runs));
        }
        tables.transition.assign(static_cast<std::size_t>(packer.size()), {0, 0});
        for (std::size_t r : order)
            for (const RowRange& range : rows[r].ranges)
                for (std::int64_t c = range.first; c <= range.last; ++c)
                    tables.transition[static_cast<std::size_t>(bases[r] + c)] = {range.target, rows[r].number};
    }

    MatchLists matches;
    std::vector<int> matchFields(rows.size(), 0);
    for (std::size_t r = 0; r < dfa.states.size(); ++r)
        matchFields[r] = matches.fieldFor(dfa.states[r].accepts, dfa.states[r].marks);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const StateRow& row = rows[r];
        int defaultField = 0;
        if (row.defaultState >= 0)
            defaultField = rows[static_cast<std::size_t>(row.defaultState)].number;
        else if (row.defaultTarget != 0)
            defaultField = -row.defaultTarget;
        tables.state[static_cast<std::size_t>(row.number)] = {defaultField, bases[r], matchFields[r]};
    }
    // Start entries that share a state, or have none, still own their row.
    for (std::size_t entry = 0; entry < dfa.startEntries.size(); ++entry) {
        const int index = dfa.startEntries[entry];
        const auto row = entry + 1;
        if (index < 0) {
            tables.state[row] = {0, 0, 0};
            continue;
        }
        const int number = dfa.states[static_cast<std::size_t>(index)].number;
        if (number != static_cast<int>(row))
            tables.state[row] = {number, 0, matchFields[static_cast<std::size_t>(index)]};
    }
    tables.match = matches.take();
    tables.backup.assign(rules.size() + 1, false);
    for (const ScannerRule& rule : rules)
        if (rule.actionNumber > 0 && rule.hasTrailingContext && rule.matched)
            tables.backup[static_cast<std::size_t>(rule.actionNumber)] = true;
    return tables;
}

} // namespace lindle
