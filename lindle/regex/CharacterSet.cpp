#include "lindle/regex/CharacterSet.h"

#include <algorithm>

namespace lindle {

namespace {

// Appends a range that starts at or after the start of the last one,
// merging it with the last when they overlap or touch.
void appendMerging(std::vector<CharacterRange>& ranges, CharacterRange range)
{
    if (!ranges.empty()) {
        CharacterRange& last = ranges.back();
        if (last.last == UINT32_MAX || range.first <= last.last + 1) {
            last.last = std::max(last.last, range.last);
            return;
        }
    }
    ranges.push_back(range);
}

} // namespace

CharacterSet::CharacterSet(std::initializer_list<CharacterRange> ranges)
{
    for (const CharacterRange& range : ranges)
        add(range.first, range.last);
}

CharacterSet CharacterSet::fromRanges(std::vector<CharacterRange> ranges)
{
    for (CharacterRange& range : ranges)
        if (range.first > range.last)
            std::swap(range.first, range.last);
    std::sort(ranges.begin(), ranges.end(),
              [](const CharacterRange& a, const CharacterRange& b) { return a.first < b.first; });
    CharacterSet result;
    for (const CharacterRange& range : ranges)
        appendMerging(result.ranges_, range);
    return result;
}

bool CharacterSet::contains(std::uint32_t value) const
{
    auto it = std::upper_bound(ranges_.begin(), ranges_.end(), value,
                               [](std::uint32_t v, const CharacterRange& r) { return v < r.first; });
    return it != ranges_.begin() && std::prev(it)->last >= value;
}

std::uint64_t CharacterSet::size() const
{
    std::uint64_t total = 0;
    for (const CharacterRange& range : ranges_)
        total += std::uint64_t{range.last} - range.first + 1;
    return total;
}

void CharacterSet::add(std::uint32_t first, std::uint32_t last)
{
    if (first > last)
        std::swap(first, last);
    if (ranges_.empty() || first >= ranges_.back().first) {
        appendMerging(ranges_, {first, last});
        return;
    }
    *this = unionWith(CharacterSet::range(first, last));
}

void CharacterSet::add(const CharacterSet& other)
{
    if (other.empty())
        return;
    if (ranges_.empty() || other.lowest() >= ranges_.back().first) {
        for (const CharacterRange& range : other.ranges_)
            appendMerging(ranges_, range);
        return;
    }
    *this = unionWith(other);
}

CharacterSet CharacterSet::unionWith(const CharacterSet& other) const
{
    CharacterSet result;
    result.ranges_.reserve(ranges_.size() + other.ranges_.size());
    auto a = ranges_.begin();
    auto b = other.ranges_.begin();
    while (a != ranges_.end() || b != other.ranges_.end()) {
        const bool takeA = b == other.ranges_.end() || (a != ranges_.end() && a->first <= b->first);
        appendMerging(result.ranges_, takeA ? *a++ : *b++);
    }
    return result;
}

CharacterSet CharacterSet::intersection(const CharacterSet& other) const
{
    CharacterSet result;
    auto a = ranges_.begin();
    auto b = other.ranges_.begin();
    while (a != ranges_.end() && b != other.ranges_.end()) {
        const std::uint32_t first = std::max(a->first, b->first);
        const std::uint32_t last = std::min(a->last, b->last);
        if (first <= last)
            result.ranges_.push_back({first, last});
        if (a->last < b->last)
            ++a;
        else
            ++b;
    }
    return result;
}

CharacterSet CharacterSet::difference(const CharacterSet& other) const
{
    CharacterSet result;
    auto b = other.ranges_.begin();
    for (CharacterRange piece : ranges_) {
        while (b != other.ranges_.end() && b->last < piece.first)
            ++b;
        bool consumed = false;
        for (auto cut = b; cut != other.ranges_.end() && cut->first <= piece.last; ++cut) {
            if (cut->first > piece.first)
                result.ranges_.push_back({piece.first, cut->first - 1});
            if (cut->last >= piece.last) {
                consumed = true;
                break;
            }
            piece.first = cut->last + 1;
        }
        if (!consumed)
            result.ranges_.push_back(piece);
    }
    return result;
}

} // namespace lindle
