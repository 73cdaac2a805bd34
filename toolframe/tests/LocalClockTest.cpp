#include "toolframe/platform/LocalClock.h"

#include <gtest/gtest.h>

TEST(LocalClock, SourceDateEpochFixesTheStampInUtc)
{
    const auto stamp = toolframe::stampAt("0", 1234567890);
    EXPECT_EQ(stamp.date, "01/01/70");
    EXPECT_EQ(stamp.time, "00:00:00");
    const auto later = toolframe::stampAt("1700000000", 0);
    EXPECT_EQ(later.date, "11/14/23");
    EXPECT_EQ(later.time, "22:13:20");
}

TEST(LocalClock, UnusableSourceDateEpochFallsBackToTheClock)
{
    for (const char* bad : {"", "abc", "12x", "-5", " 1"})
        EXPECT_FALSE(toolframe::parseSourceDateEpoch(bad).has_value()) << bad;
    EXPECT_FALSE(toolframe::parseSourceDateEpoch(nullptr).has_value());
    EXPECT_EQ(toolframe::stampAt("abc", 0).time.size(), 8u);
}
