#include <gtest/gtest.h>

#include "toolframe/platform/Locale.h"

// The tools run with the user's character locale, UTF-8 where that is
// plain ASCII; so do their tests.
int main(int argc, char** argv)
{
    toolframe::setAnsiCharacterLocale();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
