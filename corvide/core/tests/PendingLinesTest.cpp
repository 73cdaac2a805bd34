#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corvide/core/build/PendingLines.h"

namespace {

using Lines = std::vector<std::string>;

// One lines-waiting message stands for every line added until the lines
// are taken.
TEST(PendingLines, AsksForOnePostUntilTheLinesAreTaken)
{
    corvide::CPendingLines pending;
    EXPECT_TRUE(pending.add("a"));
    EXPECT_FALSE(pending.add("b"));
    EXPECT_FALSE(pending.add(""));
    EXPECT_EQ(pending.take(), (Lines{"a", "b", ""}));
    EXPECT_EQ(pending.take(), Lines{});
    EXPECT_TRUE(pending.add("c"));
    EXPECT_EQ(pending.take(), Lines{"c"});
}

} // namespace
