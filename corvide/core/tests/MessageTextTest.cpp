#include "corvide/core/build/MessageText.h"

#include <gtest/gtest.h>

namespace corvide {
namespace {

TEST(MessageText, FillsEachPlaceholderWithItsArgumentWhereverItStands)
{
    EXPECT_EQ(filledIn("'%1' failed with exit code %2.", {"brannock -v g.y", "139"}),
              "'brannock -v g.y' failed with exit code 139.");
    EXPECT_EQ(filledIn("%2 before %1", {"one", "two"}), "two before one");
    EXPECT_EQ(filledIn("%1%1", {"x"}), "xx");
}

// Project paths and switches reach these messages; a "%2" in them must not
// be taken for the exit code's place.
TEST(MessageText, ArgumentsAreNotScannedAgain)
{
    EXPECT_EQ(filledIn("'%1' failed with exit code %2.", {"lindle 100%2.l", "1"}),
              "'lindle 100%2.l' failed with exit code 1.");
    EXPECT_EQ(filledIn("(%1)", {"%1"}), "(%1)");
}

TEST(MessageText, KeepsWhatIsNotAPlaceholderWithAnArgument)
{
    EXPECT_EQ(filledIn("50% of %2 and %", {"a"}), "50% of %2 and %");
    EXPECT_EQ(filledIn("%%1", {"a"}), "%a");
    EXPECT_EQ(filledIn("", {"a"}), "");
}

} // namespace
} // namespace corvide
