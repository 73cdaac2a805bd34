#include <gtest/gtest.h>

#include <string>

#include "LindleRun.h"

namespace lindle::testing {
namespace {

using toolframe::testing::TemporaryDirectory;
using toolframe::testing::TerminalSession;

const std::string kPrompt = "<press a key>";

const std::string kFirstHalf =
    "Usage:\n"
    " Lindle <input-file> [-?] [-$] [-E] [-L:<number>][-R] [-S] [-Tc] [-Tcpp] [-Tj]\n"
    "      [-W] [-c] [-d] [-e<extension>] [-f] [-g] [-i [<include-file>]] [-l] [-ms]\n"
    "      [-mm] [-mi] [-o <output-file>] [-r] [-s] [-u] [-v [<verbose-file>]]\n"
    "      [-x<extension>] [-z]\n"
    "\n"
    "Options:\n"
    " -?     Display help\n"
    " -$     Suppress display of sign-on banner\n"
    " -E     No introduction of error transitions for default states\n"
    " -L:n   Use bases when transition range greater than n (default 1024)\n"
    " -R     No default transitions\n"
    " -S     No default states (does not affect -L option)\n"
    " -Tc    Generate C target code (default)\n"
    " -Tcpp  Generate C++ target code\n"
    " -Tj    Generate Java target code\n"
    " -W     Generate Unicode lexical analyser\n"
    " -c     Use compatible file name lex.yy\n"
    " -d     No DFA state minimisation\n"
    " -e     Output file name extension (.c default for C, .cpp for C++, .java for\n";

const std::string kSecondHalf =
    "        Java)\n"
    " -f     Do not treat #line directive file names as strings\n"
    " -g     Generate full path names in #line directives\n"
    " -i     Generate include file\n"
    " -l     Do not produce #line directives in output file\n"
    " -ms    Use single lexical analyser model (default for C)\n"
    " -mm    Use multiple lexical analyser model\n"
    " -mi    Use multiple instance lexical analyser model\n"
    " -o     Output file name\n"
    " -q     Use quotes around #include directive library file names\n"
    " -r     Full reject capability\n"
    " -s     Use compact tables\n"
    " -u     Generate case insensitive lexical analyser\n"
    " -v     Generate verbose file\n"
    " -x     Include file name extension (.h default for C and C++)\n"
    " -z     Use short file names\n";

TEST(LindleHelp, RedirectedOutputHasNoPause)
{
    TemporaryDirectory directory;
    const auto result = runLindle(directory, {"-?"});
    EXPECT_EQ(result.out, kBanner + kFirstHalf + kSecondHalf);
    EXPECT_EQ(result.exitStatus, 1);
}

TEST(LindleHelp, LongHelpIsTheSameTextAndSucceeds)
{
    TemporaryDirectory directory;
    const auto result = runLindle(directory, {"--help"});
    EXPECT_EQ(result.out, kBanner + kFirstHalf + kSecondHalf);
    EXPECT_EQ(result.exitStatus, 0);
}

TEST(LindleHelp, VersionIsOneLineAndSucceeds)
{
    TemporaryDirectory directory;
    const auto result = runLindle(directory, {"--version"});
    EXPECT_EQ(result.out, "Lindle, Version 2.07\n");
    EXPECT_EQ(result.exitStatus, 0);
}

TEST(LindleHelp, LongHelpBesideASourceIsAnInvalidOption)
{
    TemporaryDirectory directory;
    const auto result = runLindle(directory, {"scan.l", "--help"});
    EXPECT_EQ(result.out, kBanner + "fatal error L1003: invalid option '--help'\n");
    EXPECT_EQ(result.exitStatus, 1);
}

TEST(LindleHelp, NoBannerSwitchAloneIsNoHelp)
{
    TemporaryDirectory directory;
    const auto result = runLindle(directory, {"-?", "-$"});
    EXPECT_EQ(result.out, "fatal error L1005: no source file\n");
}

TEST(LindleHelp, TerminalPausesBetweenTheHalvesForOneKey)
{
    TemporaryDirectory directory;
    TerminalSession session(kProgram, {"-?"}, setupIn(directory));
    ASSERT_TRUE(session.readUntil(kPrompt));
    EXPECT_FALSE(session.readUntil("Java)", std::chrono::milliseconds(300)));
    // An arrow key is one key.
    session.send("\x1b[A");
    EXPECT_EQ(session.finish(), 1);
    EXPECT_EQ(session.output(), kBanner + kFirstHalf + kPrompt + "\n" + kSecondHalf);
}

} // namespace
} // namespace lindle::testing
