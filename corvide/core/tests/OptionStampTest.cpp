#include <gtest/gtest.h>

#include <ctime>

#include "corvide/core/project/OptionStamp.h"

namespace {

std::time_t localTime(int day, int month, int year, int hour, int minute, int second)
{
    std::tm local{};
    local.tm_mday = day;
    local.tm_mon = month - 1;
    local.tm_year = year - 1900;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

TEST(OptionStamp, IsWrittenDayFirstWithLeadingZeros)
{
    EXPECT_EQ(corvide::stamp::format(localTime(7, 12, 2003, 14, 5, 9)), "07/12/2003 14:05:09");
}

TEST(OptionStamp, ReadsLenientlyAboutZerosAndBlanks)
{
    const std::time_t expected = localTime(7, 12, 2003, 14, 5, 9);
    EXPECT_EQ(corvide::stamp::parse("7/12/2003 14:5:9"), expected);
    EXPECT_EQ(corvide::stamp::parse("07/12/2003 14:05:09"), expected);
    EXPECT_EQ(corvide::stamp::parse(" 7/ 12/2003   14: 5: 9 trailing"), expected);
    EXPECT_EQ(corvide::stamp::parse("7/12/200314:5:9"), std::nullopt); // the year swallows the hour
}

TEST(OptionStamp, IsAbsentUnlessAllSixNumbersAreRead)
{
    EXPECT_EQ(corvide::stamp::parse(""), std::nullopt);
    EXPECT_EQ(corvide::stamp::parse("7/12/2003"), std::nullopt);
    EXPECT_EQ(corvide::stamp::parse("7/12/2003 14:05"), std::nullopt);
    EXPECT_EQ(corvide::stamp::parse("7-12-2003 14:05:09"), std::nullopt);
    EXPECT_EQ(corvide::stamp::parse("a/b/c d:e:f"), std::nullopt);
}

TEST(OptionStamp, HugeNumbersNeitherOverflowNorCrash)
{
    corvide::stamp::parse("99999999999999/99999999999/-99999999999 99999999999:9:9");
    corvide::stamp::parse("-2147483648/-2147483648/-2147483648 -2147483648:-2147483648:-2147483648");
}

} // namespace
