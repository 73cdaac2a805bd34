#include <gtest/gtest.h>

#include <filesystem>

#include "BrannockRun.h"

using brannock::testing::runBrannock;
using brannock::testing::kBanner;
using brannock::testing::kGrammar;
using toolframe::testing::TemporaryDirectory;
using Names = std::vector<std::string>;

namespace {

class CommandLineTest : public ::testing::Test {
protected:
    CommandLineTest() { directory_.write("g.y", kGrammar); }

    // A run that must end in exactly one fatal line, leaving nothing behind.
    void expectFatal(const Names& arguments, const std::string& line)
    {
        const auto result = runBrannock(directory_, arguments);
        EXPECT_EQ(result.out, kBanner + line + "\n");
        EXPECT_EQ(result.exitStatus, 1);
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(directory_.entries(), Names{"g.y"});
    }

    TemporaryDirectory directory_;
};

} // namespace

TEST_F(CommandLineTest, NoArgumentsShowsTheHint)
{
    const auto result = runBrannock(directory_, {});
    EXPECT_EQ(result.out, kBanner + "To display help specify the -? option\n");
    EXPECT_EQ(result.exitStatus, 1);
}

TEST_F(CommandLineTest, HelpAmongOtherArgumentsIsIgnored)
{
    for (const Names& arguments : {Names{"-?", "-$"}, Names{"-$", "-?"}}) {
        const auto result = runBrannock(directory_, arguments);
        EXPECT_EQ(result.out, "fatal error Y1005: no source file\n");
        EXPECT_EQ(result.exitStatus, 1);
    }
    const auto result = runBrannock(directory_, {"g.y", "-?"});
    EXPECT_EQ(result.out, kBanner + "g.y - 0 error(s), 0 warning(s)\n");
    EXPECT_EQ(result.exitStatus, 0);
}

TEST_F(CommandLineTest, RangeThresholds)
{
    expectFatal({"g.y", "-L:0"}, "fatal error Y1020: invalid action range '0'");
    expectFatal({"g.y", "-M:0"}, "fatal error Y1021: invalid token destructor range '0'");
    expectFatal({"g.y", "-L:12a"}, "fatal error Y1003: invalid option '-L:12a'");
    expectFatal({"g.y", "-L:"}, "fatal error Y1003: invalid option '-L:'");
    expectFatal({"g.y", "-M:x"}, "fatal error Y1003: invalid option '-M:x'");
    expectFatal({"g.y", "-L:4294967296"}, "fatal error Y1003: invalid option '-L:4294967296'");
    expectFatal({"g.y", "-L"}, "fatal error Y1003: invalid option '-L'");
    EXPECT_EQ(runBrannock(directory_, {"g.y", "-L:1", "-M:2147483647", "-$"}).exitStatus, 0);
}

TEST_F(CommandLineTest, SwitchesAreCaseSensitive)
{
    expectFatal({"g.y", "-TC"}, "fatal error Y1003: invalid option '-TC'");
    expectFatal({"g.y", "-r"}, "fatal error Y1003: invalid option '-r'");
    expectFatal({"g.y", "-"}, "fatal error Y1003: invalid option '-'");
    expectFatal({"g.y", "-Tcc"}, "fatal error Y1003: invalid option '-Tcc'");
}

TEST_F(CommandLineTest, OutputFileExpected)
{
    expectFatal({"g.y", "-o"}, "fatal error Y1004: file expected after option '-o'");
    expectFatal({"-o", "-v", "g.y"}, "fatal error Y1004: file expected after option '-o'");
}

TEST_F(CommandLineTest, DuplicateFiles)
{
    expectFatal({"a.y", "b.y"}, "fatal error Y1006: duplicate source file 'b.y'");
    expectFatal({"g.y", "-o", "a.c", "-o", "b.c"}, "fatal error Y1007: duplicate output file 'b.c'");
    expectFatal({"g.y", "-i", "a.h", "-i", "b.h"}, "fatal error Y1008: duplicate include file 'b.h'");
    expectFatal({"g.y", "-v", "a.v", "-v", "b.v"}, "fatal error Y1009: duplicate verbose file 'b.v'");
}

TEST_F(CommandLineTest, VerboseSwitchTakesTheGrammarAsItsFile)
{
    expectFatal({"-v", "g.y"}, "fatal error Y1005: no source file");
}

TEST_F(CommandLineTest, JavaHasNoIncludeFile)
{
    const auto result = runBrannock(directory_, {"g.y", "-Tj", "-i"});
    EXPECT_EQ(result.out, kBanner + "g.y - 0 error(s), 0 warning(s)\n");
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(directory_.entries(), (Names{"g.java", "g.y"}));
}

TEST_F(CommandLineTest, CompatibleNamesInTheSourcesDirectory)
{
    TemporaryDirectory backslashed;
    backslashed.write("dir\\g.y", kGrammar);
    EXPECT_EQ(runBrannock(backslashed, {"dir\\g.y", "-c", "-Tcpp", "-v"}).exitStatus, 0);
    EXPECT_EQ(backslashed.entries(), (Names{"dir\\g.y", "dir\\y.tab.cpp", "dir\\y.tab.v"}));

    TemporaryDirectory slashed;
    std::filesystem::create_directory(slashed / "dir");
    slashed.write("dir/g.y", kGrammar);
    EXPECT_EQ(runBrannock(slashed, {"dir/g.y", "-c", "-Tcpp", "-v"}).exitStatus, 0);
    EXPECT_TRUE(slashed.exists("dir/y.tab.cpp"));
    EXPECT_TRUE(slashed.exists("dir/y.tab.v"));
    EXPECT_FALSE(slashed.exists("dir/g.cpp"));
}

TEST_F(CommandLineTest, GivenOutputNameNamesTheReport)
{
    EXPECT_EQ(runBrannock(directory_, {"g.y", "-o", "out.txt", "-v"}).exitStatus, 0);
    EXPECT_EQ(directory_.entries(), (Names{"g.y", "out.txt", "out.v"}));
}

TEST_F(CommandLineTest, OnlyADotAfterTheLastSeparatorStartsAnExtension)
{
    TemporaryDirectory backslashed;
    backslashed.write("dir.d\\file", kGrammar);
    EXPECT_EQ(runBrannock(backslashed, {"dir.d\\file"}).exitStatus, 0);
    EXPECT_TRUE(backslashed.exists("dir.d\\file.c"));

    TemporaryDirectory slashed;
    std::filesystem::create_directory(slashed / "dir.d");
    slashed.write("dir.d/file", kGrammar);
    EXPECT_EQ(runBrannock(slashed, {"dir.d/file", "-i"}).exitStatus, 0);
    EXPECT_TRUE(slashed.exists("dir.d/file.c"));
    EXPECT_TRUE(slashed.exists("dir.d/file.h"));
}

TEST_F(CommandLineTest, ExtensionsWithOrWithoutTheirDot)
{
    EXPECT_EQ(runBrannock(directory_, {"g.y", "-e.cc", "-i", "hpp.h", "-xhpp"}).exitStatus, 0);
    EXPECT_EQ(directory_.entries(), (Names{"g.cc", "g.y", "hpp.h"}));
    TemporaryDirectory other;
    other.write("g.y", kGrammar);
    EXPECT_EQ(runBrannock(other, {"g.y", "-ecc", "-i", "-x.hpp"}).exitStatus, 0);
    EXPECT_EQ(other.entries(), (Names{"g.cc", "g.hpp", "g.y"}));
}

TEST_F(CommandLineTest, EverySwitchIsAccepted)
{
    const auto result = runBrannock(directory_, {"-E", "-G", "-I", "-L:5", "-M:7", "-N", "-Rn", "-Ro", "-Re", "-Rf",
                                              "-Rd", "-S", "-Tc", "-Tcpp", "-Tj", "-W", "-c", "-e", "-f", "-g",
                                              "-i", "-l", "-ms", "-mm", "-mi", "-ps", "-pc", "-pla", "-q", "-s",
                                              "-v", "-x", "-z", "g.y", "-$"});
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.exitStatus, 0);
    // Java won, so there is no include file; -c gave the compatible names.
    EXPECT_EQ(directory_.entries(), (Names{"g.y", "y.tab.java", "y.tab.v"}));
}

TEST_F(CommandLineTest, NoBannerMeansNoSummaryLine)
{
    const auto result = runBrannock(directory_, {"-$", "g.y"});
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.exitStatus, 0);
}
