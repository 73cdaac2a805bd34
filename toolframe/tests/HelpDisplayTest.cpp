#include "toolframe/run/HelpDisplay.h"

#include <gtest/gtest.h>

#include "CapturedOutput.h"

using toolframe::PageBreak;
using toolframe::SwitchForm;

namespace {

struct NoOptions {};
using S = toolframe::Switch<NoOptions>;

const S kSwitches[] = {
    {"-a", "-a", SwitchForm::Flag, "first", nullptr, PageBreak::After},
    {"-long", "-long", SwitchForm::Flag, "second", nullptr},
    {"-sixsix", "-sixsix", SwitchForm::Flag, "wider than the column", nullptr},
    {"-e", "-e", SwitchForm::Extension, "split\ncontinued", nullptr, PageBreak::Inside},
    {"-z", "-z", SwitchForm::Flag, "last", nullptr},
};

} // namespace

TEST(HelpDisplay, HelpLinePadsTheSwitchToSixColumns)
{
    EXPECT_EQ(toolframe::helpLine("-?", "Display help"), " -?     Display help\n");
    EXPECT_EQ(toolframe::helpLine("-Tcpp", "C++"), " -Tcpp  C++\n");
    EXPECT_EQ(toolframe::helpLine("-sixsix", "x"), " -sixsix x\n");
    EXPECT_EQ(toolframe::helpLine("-e", "one\ntwo"), " -e     one\n        two\n");
}

TEST(HelpDisplay, PagesBreakAfterOrInsideAnEntry)
{
    const auto pages = toolframe::helpPages<NoOptions>({"Usage\n"}, kSwitches);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0], "Usage\n -a     first\n");
    EXPECT_EQ(pages[1], " -long  second\n -sixsix wider than the column\n -e     split\n");
    EXPECT_EQ(pages[2], "        continued\n -z     last\n");
}

TEST(HelpDisplay, RedirectedOutputDoesNotPause)
{
    CapturedOutput out;
    toolframe::showHelp({"one\n", "two\n", "three\n"}, out.file());
    EXPECT_EQ(out.text(), "one\ntwo\nthree\n");
}
