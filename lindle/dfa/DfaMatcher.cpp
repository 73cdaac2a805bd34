#include "lindle/dfa/DfaMatcher.h"

#include <algorithm>

namespace lindle {

int DfaMatcher::startState(int condition, bool atLineStart) const
{
    const auto entry = static_cast<std::size_t>(2 * condition + (atLineStart ? 1 : 0));
    return entry < dfa_.startEntries.size() ? dfa_.startEntries[entry] : -1;
}

int DfaMatcher::step(int state, std::uint32_t value) const
{
    const std::vector<DfaTransition>& transitions = dfa_.states[static_cast<std::size_t>(state)].transitions;
    auto it = std::upper_bound(transitions.begin(), transitions.end(), value,
                               [](std::uint32_t v, const DfaTransition& t) { return v < t.first; });
    if (it == transitions.begin() || std::prev(it)->last < value)
        return -1;
    return std::prev(it)->target;
}

std::vector<DfaMatch> DfaMatcher::candidates(std::span<const std::uint32_t> input, int condition,
                                             bool atLineStart) const
{
    std::vector<DfaMatch> found;
    int state = startState(condition, atLineStart);
    if (state < 0)
        return found;
    // Where each rule's context mark was last passed.
    std::vector<std::size_t> lastMark(rules_.size() + 1, 0);
    const auto noteMarks = [&](int s, std::size_t position) {
        for (int rule : dfa_.states[static_cast<std::size_t>(s)].marks)
            lastMark[static_cast<std::size_t>(rule)] = position;
    };
    noteMarks(state, 0);
    for (std::size_t position = 0; position < input.size();) {
        state = step(state, input[position]);
        if (state < 0)
            break;
        ++position;
        noteMarks(state, position);
        for (int rule : dfa_.states[static_cast<std::size_t>(state)].accepts) {
            const bool context = rules_[static_cast<std::size_t>(rule - 1)].hasTrailingContext;
            found.push_back({rule, position, context ? lastMark[static_cast<std::size_t>(rule)] : position});
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const DfaMatch& a, const DfaMatch& b) { return a.length > b.length; });
    return found;
}

DfaMatch DfaMatcher::match(std::span<const std::uint32_t> input, int condition, bool atLineStart) const
{
    const std::vector<DfaMatch> found = candidates(input, condition, atLineStart);
    return found.empty() ? DfaMatch{} : found.front();
}

int DfaMatcher::endOfFileRule(int condition, bool atLineStart) const
{
    const int state = startState(condition, atLineStart);
    if (state < 0)
        return 0;
    const std::vector<int>& accepts = dfa_.states[static_cast<std::size_t>(state)].accepts;
    return accepts.empty() ? 0 : accepts.front();
}

} // namespace lindle
