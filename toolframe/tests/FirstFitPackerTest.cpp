#include "toolframe/packing/FirstFitPacker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

namespace {

using toolframe::FirstFitPacker;

std::vector<FirstFitPacker::Cell> cellsFor(const std::vector<long>& keys, int kind)
{
    std::vector<FirstFitPacker::Cell> cells;
    for (long key : keys)
        cells.push_back({0, kind, static_cast<int>(key) * 10});
    return cells;
}

// Every row's entries are found again at base + key, owned by that row,
// and no two rows claim one position.
TEST(FirstFitPackerTest, RowsAreFoundAgainAtTheirBases)
{
    const std::vector<std::vector<long>> rows = {{0, 1, 2}, {1, 3}, {0, 2, 4, 6}, {5}, {0, 1, 2, 3, 4, 5, 6, 7},
                                                 {2, 9}, {1}};
    FirstFitPacker packer;
    std::vector<long> bases;
    for (std::size_t r = 0; r < rows.size(); ++r)
        bases.push_back(packer.place(rows[r], static_cast<int>(r), cellsFor(rows[r], static_cast<int>(r))));
    std::set<long> claimed;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (long key : rows[r]) {
            const long at = bases[r] + key;
            ASSERT_GE(at, 0);
            ASSERT_TRUE(packer.isUsed(static_cast<std::size_t>(at)));
            EXPECT_EQ(packer.cell(static_cast<std::size_t>(at)).owner, static_cast<int>(r));
            EXPECT_EQ(packer.cell(static_cast<std::size_t>(at)).value, key * 10);
            EXPECT_TRUE(claimed.insert(at).second) << "position " << at << " claimed twice";
        }
    }
    EXPECT_EQ(packer.size(), static_cast<std::size_t>(*claimed.rbegin() + 1));
}

// Lowest fit first: a row goes into the first hole it fits, interleaving
// with earlier rows, and a row whose first key is large gets a negative
// base rather than leaving the front empty.
TEST(FirstFitPackerTest, TakesTheLowestFit)
{
    FirstFitPacker packer;
    EXPECT_EQ(packer.place({0, 2, 4}, 0, cellsFor({0, 2, 4}, 0)), 0);
    EXPECT_EQ(packer.place({0, 2}, 1, cellsFor({0, 2}, 1)), 1); // into the holes at 1 and 3
    EXPECT_EQ(packer.place({0, 1}, 2, cellsFor({0, 1}, 2)), 5); // 5 and 6: no earlier pair is free
    EXPECT_EQ(packer.place({9}, 3, cellsFor({9}, 3)), -2);      // position 7
    EXPECT_FALSE(packer.isUsed(8));
    EXPECT_EQ(packer.size(), 8u);
}

// Jumping over occupied runs finds the same bases as trying every
// position from the first free one, on rows that crowd each other.
TEST(FirstFitPackerTest, JumpsLandWhereTryingEachPositionWould)
{
    std::mt19937 random(11);
    for (int round = 0; round < 50; ++round) {
        FirstFitPacker packer;
        std::vector<bool> used;
        for (int row = 0; row < 60; ++row) {
            std::vector<long> keys;
            const long span = 5 + static_cast<long>(random() % 40);
            for (long key = static_cast<long>(random() % 5); key < span; key += 1 + static_cast<long>(random() % 3))
                keys.push_back(key);
            const auto freeAt = [&](long position) {
                return position < 0 || static_cast<std::size_t>(position) >= used.size() || !used[static_cast<std::size_t>(position)];
            };
            long expected = 0;
            while (!freeAt(expected))
                ++expected;
            for (;; ++expected)
                if (std::all_of(keys.begin(), keys.end(), [&](long key) { return freeAt(expected + key - keys.front()); }))
                    break;
            expected -= keys.front();
            ASSERT_EQ(packer.place(keys, row, cellsFor(keys, row)), expected) << "round " << round << ", row " << row;
            for (long key : keys) {
                const auto at = static_cast<std::size_t>(expected + key);
                used.resize(std::max(used.size(), at + 1), false);
                used[at] = true;
            }
        }
        EXPECT_EQ(packer.size(), used.size());
    }
}

} // namespace
