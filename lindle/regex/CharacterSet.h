#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace lindle {

// An inclusive run of character values.
struct CharacterRange {
    std::uint32_t first;
    std::uint32_t last;
    bool operator==(const CharacterRange&) const = default;
};

// A set of character values kept as ordered, disjoint, non-adjacent ranges,
// so that classes over 65536 code units or multibyte universes cost what
// their boundaries cost, never what their members do.
class CharacterSet {
public:
    CharacterSet() = default;
    CharacterSet(std::initializer_list<CharacterRange> ranges);
    static CharacterSet single(std::uint32_t value) { return CharacterSet{{value, value}}; }
    static CharacterSet range(std::uint32_t first, std::uint32_t last) { return CharacterSet{{first, last}}; }
    // From ranges in any order, overlapping or not.
    static CharacterSet fromRanges(std::vector<CharacterRange> ranges);

    const std::vector<CharacterRange>& ranges() const { return ranges_; }
    bool empty() const { return ranges_.empty(); }
    bool contains(std::uint32_t value) const;
    // The number of members, which may exceed 32 bits for the widest sets.
    std::uint64_t size() const;
    std::uint32_t lowest() const { return ranges_.front().first; }
    std::uint32_t highest() const { return ranges_.back().last; }

    // Adds a range anywhere; cheapest when ranges come in ascending order.
    void add(std::uint32_t first, std::uint32_t last);
    void add(std::uint32_t value) { add(value, value); }
    void add(const CharacterSet& other);

    CharacterSet unionWith(const CharacterSet& other) const;
    CharacterSet intersection(const CharacterSet& other) const;
    CharacterSet difference(const CharacterSet& other) const;
    CharacterSet complement(const CharacterSet& universe) const { return universe.difference(*this); }

    bool operator==(const CharacterSet&) const = default;

private:
    std::vector<CharacterRange> ranges_;
};

} // namespace lindle
