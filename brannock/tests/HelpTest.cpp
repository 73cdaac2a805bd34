#include <thread>

#include <gtest/gtest.h>

#include "BrannockRun.h"

using brannock::testing::kBanner;
using toolframe::testing::TemporaryDirectory;
using toolframe::testing::TerminalSession;

namespace {

const std::string kPage1 =
    "Usage:\n"
    " Brannock <input-file> [-?] [-$] [-E] [-G] [-I] [-L:n] [-M:n] [-N] [-Rn] [-Ro]\n"
    "       [-Re] [-Rf] [-Rd] [-S] [-Tc] [-Tcpp] [-Tj] [-W] [-c]\n"
    "       [-e<extension>] [-f] [-g] [-i [<include-file>]] [-l] [-ms] [-mm] [-mi]\n"
    "       [-o <output-file>] [-ps] [-pla] [-pc] [-s] [-v [<verbose-file>]]\n"
    "       [-x<extension>] [-z]\n"
    "\n"
    "Options:\n"
    " -?     Display help\n"
    " -$     Suppress display of sign-on banner\n"
    " -E     No introduction of error actions for default states\n"
    " -G     No default goto states\n"
    " -I     No introduction of error gotos for default states\n"
    " -L:n   Use bases when action range greater than n (default 1024)\n"
    " -M:n   Use bases when token destructor range greater than n (default 1024)\n"
    " -N     No default reductions if shift on error token\n"
    " -Rn    No default reductions\n"
    " -Ro    Default reductions if no other actions\n"
    " -Re    Default reductions for error token reductions only\n"
    " -Rf    Default reductions favouring error token reductions\n";

const std::string kPage2 =
    " -Rd    Default reductions\n"
    " -S     No default action states\n"
    " -Tc    Generate C target code (default)\n"
    " -Tcpp  Generate C++ target code\n"
    " -Tj    Generate Java target code\n"
    " -W     Generate Unicode parser\n"
    " -c     Use compatible file names y.tab and y.output\n"
    " -e     Output file name extension (.c default for C, .cpp for C++, .java for\n"
    "        Java)\n"
    " -f     Do not treat #line directive file names as strings\n"
    " -g     Generate full path names in #line directives\n"
    " -i     Generate include file\n"
    " -l     Do not produce #line directives in output file\n"
    " -ms    Use single parser model (default for C)\n"
    " -mm    Use multiple parser model\n"
    " -mi    Use multiple instance parser model\n"
    " -o     Output file name\n"
    " -ps    Generate simple LR (SLR) parser\n"
    " -pla   Generate lookahead LR (LALR) parser (default)\n"
    " -pc    Generate canonical LR (CLR) parser\n"
    " -q     Use quotes around #include directive library file names\n"
    " -s     Use compact tables\n"
    " -v     Generate verbose file\n";

const std::string kPage3 =
    " -x     Include file name extension (.h default for C and C++)\n"
    " -z     Use short file names\n";

const std::string kPrompt = "<press a key>";

} // namespace

TEST(Help, RedirectedOutputIsTheWholeTextWithoutPauses)
{
    TemporaryDirectory directory;
    const auto result = brannock::testing::runBrannock(directory, {"-?"});
    EXPECT_EQ(result.out, kBanner + kPage1 + kPage2 + kPage3);
    EXPECT_EQ(result.exitStatus, 1);
}

TEST(Help, LongHelpIsTheSameTextAndSucceeds)
{
    TemporaryDirectory directory;
    const auto result = brannock::testing::runBrannock(directory, {"--help"});
    EXPECT_EQ(result.out, kBanner + kPage1 + kPage2 + kPage3);
    EXPECT_EQ(result.exitStatus, 0);
}

TEST(Help, VersionIsOneLineAndSucceeds)
{
    TemporaryDirectory directory;
    const auto result = brannock::testing::runBrannock(directory, {"--version"});
    EXPECT_EQ(result.out, "Brannock, Version 2.07\n");
    EXPECT_EQ(result.exitStatus, 0);
}

TEST(Help, VersionBesideOtherArgumentsIsAnInvalidOption)
{
    TemporaryDirectory directory;
    const auto result = brannock::testing::runBrannock(directory, {"-$", "--version"});
    EXPECT_EQ(result.out, "fatal error Y1003: invalid option '--version'\n");
    EXPECT_EQ(result.exitStatus, 1);
}

TEST(Help, TerminalPausesAfterEachPageForOneKey)
{
    TemporaryDirectory directory;
    TerminalSession session(brannock::testing::kProgram, {"-?"}, brannock::testing::setupIn(directory));
    ASSERT_TRUE(session.readUntil(kPrompt));
    // An arrow key is one key, not three: the second pause must still wait.
    session.send("\x1b[A");
    ASSERT_TRUE(session.readUntil(kPage2 + kPrompt));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(session.readUntil("Use short file names", std::chrono::milliseconds(200)));
    session.send("k");
    EXPECT_EQ(session.finish(), 1);
    // No key shows: the keys are read without echo.
    EXPECT_EQ(session.output(), kBanner + kPage1 + kPrompt + "\n" + kPage2 + kPrompt + "\n" + kPage3);
}
