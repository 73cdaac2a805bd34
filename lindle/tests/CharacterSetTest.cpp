#include <gtest/gtest.h>

#include <bitset>
#include <random>

#include "lindle/regex/CharacterSet.h"
#include "lindle/regex/Translation.h"

namespace lindle {
namespace {

constexpr std::size_t kAxis = 300;
using Members = std::bitset<kAxis>;

Members membersOf(const CharacterSet& set)
{
    Members members;
    for (const CharacterRange& range : set.ranges())
        for (std::uint32_t value = range.first; value <= range.last && value < kAxis; ++value)
            members.set(value);
    return members;
}

// Ordered, disjoint and never touching: what every operation must keep.
void expectCanonical(const CharacterSet& set)
{
    for (std::size_t i = 0; i < set.ranges().size(); ++i) {
        EXPECT_LE(set.ranges()[i].first, set.ranges()[i].last);
        if (i > 0) {
            EXPECT_GT(set.ranges()[i].first, set.ranges()[i - 1].last + 1);
        }
    }
}

CharacterSet randomSet(std::mt19937& random)
{
    std::uniform_int_distribution<std::uint32_t> value(0, kAxis - 1);
    CharacterSet set;
    const int ranges = std::uniform_int_distribution<int>(0, 6)(random);
    for (int i = 0; i < ranges; ++i) {
        const std::uint32_t first = value(random);
        set.add(first, std::min<std::uint32_t>(kAxis - 1, first + value(random) % 40));
    }
    return set;
}

TEST(CharacterSet, OperationsAgreeWithABitSetOnRandomSets)
{
    std::mt19937 random(11);
    const CharacterSet universe = CharacterSet::range(0, kAxis - 1);
    for (int round = 0; round < 3000; ++round) {
        const CharacterSet a = randomSet(random);
        const CharacterSet b = randomSet(random);
        const Members ma = membersOf(a);
        const Members mb = membersOf(b);
        for (const CharacterSet& result : {a.unionWith(b), a.intersection(b), a.difference(b), a.complement(universe)})
            expectCanonical(result);
        EXPECT_EQ(membersOf(a.unionWith(b)), ma | mb);
        EXPECT_EQ(membersOf(a.intersection(b)), ma & mb);
        EXPECT_EQ(membersOf(a.difference(b)), ma & ~mb);
        EXPECT_EQ(membersOf(a.complement(universe)), ~ma);
        EXPECT_EQ(a.size(), ma.count());
        CharacterSet added = a;
        added.add(b);
        EXPECT_EQ(added, a.unionWith(b));
        const std::uint32_t probe = std::uniform_int_distribution<std::uint32_t>(0, kAxis - 1)(random);
        EXPECT_EQ(a.contains(probe), ma.test(probe));
    }
}

TEST(CharacterSet, RangesOutOfOrderAndAtTheEdgesOfTheAxis)
{
    CharacterSet set;
    set.add(10, 20);
    set.add(0, 4);
    set.add(5, 9);
    set.add(UINT32_MAX - 1, UINT32_MAX);
    set.add(30, 25);
    EXPECT_EQ(set.ranges(), (std::vector<CharacterRange>{{0, 20}, {25, 30}, {UINT32_MAX - 1, UINT32_MAX}}));
    EXPECT_EQ(set.complement(CharacterSet::range(0, UINT32_MAX)).ranges(),
              (std::vector<CharacterRange>{{21, 24}, {31, UINT32_MAX - 2}}));
    EXPECT_EQ(CharacterSet::fromRanges({{7, 9}, {1, 3}, {4, 4}, {8, 12}}).ranges(),
              (std::vector<CharacterRange>{{1, 4}, {7, 12}}));
}

TEST(Translation, RunsMapWhatTheyCoverAndLeaveTheRest)
{
    const Translation translation({{'a', 'c', 1}, {'x', 'x', 2}});
    EXPECT_EQ(translation.apply(CharacterSet::range('a', 'z')),
              (CharacterSet{{1, 2}, {'d', 'w'}, {'y', 'z'}}));
    EXPECT_EQ(translation.apply(CharacterSet::single('q')), CharacterSet::single('q'));
}

} // namespace
} // namespace lindle
