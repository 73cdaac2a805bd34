#include "lindle/regex/Translation.h"

#include <algorithm>

namespace lindle {

Translation::Translation(std::vector<TranslationRun> runs) : runs_(std::move(runs))
{
    std::sort(runs_.begin(), runs_.end(),
              [](const TranslationRun& a, const TranslationRun& b) { return a.first < b.first; });
}

CharacterSet Translation::apply(const CharacterSet& set) const
{
    if (runs_.empty() || set.empty())
        return set;
    std::vector<CharacterRange> covered;
    std::vector<CharacterRange> values;
    for (const CharacterRange& range : set.ranges()) {
        auto run = std::lower_bound(runs_.begin(), runs_.end(), range.first,
                                    [](const TranslationRun& r, std::uint32_t v) { return r.last < v; });
        for (; run != runs_.end() && run->first <= range.last; ++run) {
            covered.push_back({std::max(run->first, range.first), std::min(run->last, range.last)});
            const auto value = static_cast<std::uint32_t>(run->value);
            values.push_back({value, value});
        }
    }
    if (covered.empty())
        return set;
    return set.difference(CharacterSet::fromRanges(std::move(covered)))
        .unionWith(CharacterSet::fromRanges(std::move(values)));
}

} // namespace lindle
