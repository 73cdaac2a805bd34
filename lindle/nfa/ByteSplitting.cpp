#include "lindle/nfa/ByteSplitting.h"

#include <map>
#include <optional>

namespace lindle {

namespace {

std::uint32_t lowestOfLength(int bytes) { return bytes == 1 ? 0 : 1U << (8 * (bytes - 1)); }
std::uint32_t highestOfLength(int bytes) { return bytes == 4 ? UINT32_MAX : (1U << (8 * bytes)) - 1; }

NfaFragment alternative(Nfa& nfa, std::optional<NfaFragment> so_far, NfaFragment next)
{
    return so_far ? nfa.alternate(*so_far, next) : next;
}

// The members of the set all have `bytes` bytes.
NfaFragment splitByLeadingByte(Nfa& nfa, const CharacterSet& set, int bytes)
{
    if (bytes == 1)
        return nfa.set(set);
    const int shift = 8 * (bytes - 1);
    const std::uint32_t rest = (1U << shift) - 1;
    std::map<std::uint32_t, std::vector<CharacterRange>> trails;
    for (const CharacterRange& range : set.ranges()) {
        const std::uint32_t firstLead = range.first >> shift;
        const std::uint32_t lastLead = range.last >> shift;
        if (firstLead == lastLead) {
            trails[firstLead].push_back({range.first & rest, range.last & rest});
            continue;
        }
        trails[firstLead].push_back({range.first & rest, rest});
        for (std::uint32_t lead = firstLead + 1; lead < lastLead; ++lead)
            trails[lead].push_back({0, rest});
        trails[lastLead].push_back({0, range.last & rest});
    }
    std::optional<NfaFragment> result;
    auto group = trails.begin();
    while (group != trails.end()) {
        const CharacterSet trail = CharacterSet::fromRanges(group->second);
        const std::uint32_t firstLead = group->first;
        std::uint32_t lastLead = firstLead;
        auto next = std::next(group);
        while (next != trails.end() && next->first == lastLead + 1 && CharacterSet::fromRanges(next->second) == trail) {
            lastLead = next->first;
            ++next;
        }
        const NfaFragment lead = nfa.set(CharacterSet::range(firstLead, lastLead));
        result = alternative(nfa, result, nfa.concatenate(lead, splitByLeadingByte(nfa, trail, bytes - 1)));
        group = next;
    }
    return *result;
}

} // namespace

NfaFragment byteTransitions(Nfa& nfa, const CharacterSet& set)
{
    std::optional<NfaFragment> result;
    for (int bytes = 1; bytes <= 4; ++bytes) {
        const CharacterSet members = set.intersection(CharacterSet::range(lowestOfLength(bytes), highestOfLength(bytes)));
        if (!members.empty())
            result = alternative(nfa, result, splitByLeadingByte(nfa, members, bytes));
    }
    return result ? *result : nfa.set(CharacterSet{});
}

} // namespace lindle
