#include <gtest/gtest.h>

#include <random>

#include "toolframe/packing/RangePacker.h"

namespace toolframe {
namespace {

// First fit done the slow way, position by position: the lowest position
// for the first key that lies in a gap before some occupied position and
// lets every run land on free positions, never base 0; else right after
// the last occupied position.
class ReferencePacker {
public:
    std::int64_t place(const std::vector<RangePacker::Run>& runs)
    {
        const std::int64_t key = runs.front().first;
        const auto freeAt = [&](std::int64_t p) { return p >= static_cast<std::int64_t>(used_.size()) || !used_[static_cast<std::size_t>(p)]; };
        const auto size = static_cast<std::int64_t>(used_.size());
        std::int64_t chosen = -1;
        for (std::int64_t at = 0; at < size && chosen < 0; ++at) {
            if (at == key)
                continue;
            const std::int64_t firstEnd = at + runs.front().last - runs.front().first;
            if (firstEnd >= size)
                break; // the first run would reach past every occupied position
            bool fits = true;
            for (const auto& run : runs)
                for (std::int64_t k = run.first; k <= run.last && fits; ++k)
                    fits = freeAt(k - key + at);
            if (fits)
                chosen = at;
        }
        if (chosen < 0)
            chosen = size == key ? size + 1 : size;
        for (const auto& run : runs)
            for (std::int64_t k = run.first; k <= run.last; ++k) {
                const auto p = static_cast<std::size_t>(k - key + chosen);
                if (p >= used_.size())
                    used_.resize(p + 1, false);
                used_[p] = true;
            }
        return chosen - key;
    }

private:
    std::vector<bool> used_;
};

TEST(RangePacker, AgreesWithPositionByPositionFirstFit)
{
    std::mt19937 random(3);
    for (int table = 0; table < 200; ++table) {
        RangePacker packer;
        ReferencePacker reference;
        for (int row = 0; row < 30; ++row) {
            std::vector<RangePacker::Run> runs;
            std::int64_t at = random() % 20;
            for (int r = 1 + static_cast<int>(random() % 4); r > 0; --r) {
                const std::int64_t width = 1 + random() % 6;
                runs.push_back({at, at + width - 1});
                at += width + 1 + static_cast<std::int64_t>(random() % 8);
            }
            ASSERT_EQ(packer.place(runs), reference.place(runs)) << "table " << table << " row " << row;
        }
    }
}

TEST(RangePacker, NeverGivesBaseZeroAndCrossesWideRowsByTheirRuns)
{
    RangePacker packer;
    EXPECT_EQ(packer.place({{0, 9}}), 1); // base 0 would read "no entries"
    EXPECT_EQ(packer.place({{5, 5}}), -5);
    // A row of 65536 keys costs one run, not 65536 positions.
    EXPECT_EQ(packer.place({{0, 65535}}), 11);
    EXPECT_EQ(packer.size(), 65547);
}

} // namespace
} // namespace toolframe
