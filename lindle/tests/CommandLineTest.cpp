#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "LindleRun.h"
#include "lindle/Messages.h"
#include "lindle/testing/SilentScannerEmitter.h"
#include "lindle/Switches.h"
#include "toolframe/run/CommandLineParser.h"
#include "toolframe/run/FileNameDerivation.h"

namespace lindle::testing {
namespace {

using toolframe::testing::TemporaryDirectory;

TEST(LindleCommandLine, NoArgumentsPrintsTheHintAndFails)
{
    TemporaryDirectory directory;
    const auto result = runLindle(directory, {});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, kBanner + "To display help specify the -? option\n");
}

TEST(LindleCommandLine, HelpAmongOtherArgumentsIsIgnored)
{
    TemporaryDirectory directory;
    directory.write("x.l", kLexSource);
    const auto result = runLindle(directory, {"x.l", "-?"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.out, kBanner + "x.l - 0 error(s), 0 warning(s)\n");
}

TEST(LindleCommandLine, NoBannerSwitchDropsBannerAndSummary)
{
    TemporaryDirectory directory;
    directory.write("x.l", kLexSource);
    const auto result = runLindle(directory, {"-$", "x.l"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.out, "");
}

struct RangeCase {
    const char* argument;
    const char* expected; // empty: accepted
};

class LindleTransitionRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(LindleTransitionRange, IsCheckedAgainstItsBounds)
{
    TemporaryDirectory directory;
    directory.write("x.l", kLexSource);
    const auto result = runLindle(directory, {"x.l", "-$", GetParam().argument});
    if (std::string(GetParam().expected).empty()) {
        EXPECT_EQ(result.exitStatus, 0);
        EXPECT_EQ(result.out, "");
    } else {
        EXPECT_EQ(result.exitStatus, 1);
        EXPECT_EQ(result.out, std::string(GetParam().expected) + "\n");
    }
}

INSTANTIATE_TEST_SUITE_P(Bounds, LindleTransitionRange,
                         ::testing::Values(RangeCase{"-L:255", "fatal error L1020: invalid transition range '255'"},
                                           RangeCase{"-L:256", ""}, RangeCase{"-L:65536", ""},
                                           RangeCase{"-L:65537", "fatal error L1020: invalid transition range '65537'"},
                                           RangeCase{"-L:", "fatal error L1003: invalid option '-L:'"},
                                           RangeCase{"-L:12a", "fatal error L1003: invalid option '-L:12a'"},
                                           RangeCase{"-L:99999999999999999999",
                                                     "fatal error L1003: invalid option '-L:99999999999999999999'"}));

TEST(LindleCommandLine, OutputSwitchAsTheLastArgumentWantsAFile)
{
    TemporaryDirectory directory;
    directory.write("x.l", kLexSource);
    auto result = runLindle(directory, {"x.l", "-$", "-o"});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, "fatal error L1004: file expected after option '-o'\n");
    result = runLindle(directory, {"x.l", "-$", "-o", "-v"});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, "fatal error L1004: file expected after option '-o'\n");
}

TEST(LindleCommandLine, TwoSourceFilesAreFatal)
{
    TemporaryDirectory directory;
    const auto result = runLindle(directory, {"-$", "a.l", "b.l"});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, "fatal error L1006: duplicate source file 'b.l'\n");
}

TEST(LindleCommandLine, SecondFilesOfOneSwitchAreFatal)
{
    TemporaryDirectory directory;
    EXPECT_EQ(runLindle(directory, {"-$", "a.l", "-o", "x.c", "-o", "y.c"}).out,
              "fatal error L1007: duplicate output file 'y.c'\n");
    EXPECT_EQ(runLindle(directory, {"-$", "a.l", "-i", "x.h", "-i", "y.h"}).out,
              "fatal error L1008: duplicate include file 'y.h'\n");
    EXPECT_EQ(runLindle(directory, {"-$", "a.l", "-v", "x.v", "-v", "y.v"}).out,
              "fatal error L1009: duplicate verbose file 'y.v'\n");
}

TEST(LindleCommandLine, UnknownAndMiscasedSwitchesAreInvalid)
{
    TemporaryDirectory directory;
    EXPECT_EQ(runLindle(directory, {"-$", "a.l", "-G"}).out, "fatal error L1003: invalid option '-G'\n");
    EXPECT_EQ(runLindle(directory, {"-$", "a.l", "-tc"}).out, "fatal error L1003: invalid option '-tc'\n");
}

TEST(LindleCommandLine, NoSourceFileIsFatal)
{
    TemporaryDirectory directory;
    const auto result = runLindle(directory, {"-$", "-v"});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, "fatal error L1005: no source file\n");
}

// lindle leaves no file behind yet, so the derived names are seen where
// they cannot be opened: a directory of that name stands in the way.
std::string blockedName(const std::vector<std::string>& switches, const std::string& blocked,
                        const std::string& source = "scan.l")
{
    TemporaryDirectory directory;
    std::filesystem::create_directories(directory / "dir");
    directory.write(source, kLexSource);
    std::filesystem::create_directory(directory / blocked);
    std::vector<std::string> arguments{source, "-$"};
    arguments.insert(arguments.end(), switches.begin(), switches.end());
    return runLindle(directory, arguments).out;
}

TEST(LindleFileNames, CompatibleNameKeepsTheDirectory)
{
    EXPECT_EQ(blockedName({"-c", "-Tcpp"}, "dir/lex.yy.cpp", "dir/scan.l"),
              "fatal error L1010: unable to open file 'dir/lex.yy.cpp'\n");
    EXPECT_EQ(blockedName({"-c"}, "lex.yy.c"), "fatal error L1010: unable to open file 'lex.yy.c'\n");
}

TEST(LindleFileNames, VerboseNameFollowsTheOutputName)
{
    EXPECT_EQ(blockedName({"-v"}, "scan.v"), "fatal error L1010: unable to open file 'scan.v'\n");
    EXPECT_EQ(blockedName({"-c", "-v"}, "lex.yy.v"), "fatal error L1010: unable to open file 'lex.yy.v'\n");
    EXPECT_EQ(blockedName({"-v", "report.txt"}, "report.txt"),
              "fatal error L1010: unable to open file 'report.txt'\n");
}

TEST(LindleFileNames, IncludeExtensionReplacesTheDefault)
{
    EXPECT_EQ(blockedName({"-i", "-x.hpp"}, "scan.hpp"), "fatal error L1010: unable to open file 'scan.hpp'\n");
    EXPECT_EQ(blockedName({"-i"}, "scan.h"), "fatal error L1010: unable to open file 'scan.h'\n");
    EXPECT_EQ(blockedName({"-e.cc", "-i"}, "scan.cc"), "fatal error L1010: unable to open file 'scan.cc'\n");
}

TEST(LindleFileNames, JavaHasNoIncludeFile)
{
    // The include file would be scan.h; Java writes none, so nothing is in
    // its way, while the Java source's own name is.
    EXPECT_EQ(blockedName({"-Tj", "-i"}, "scan.h"), "");
    EXPECT_EQ(blockedName({"-Tj", "-i"}, "scan.java"), "fatal error L1010: unable to open file 'scan.java'\n");
}

ToolOptions parsed(std::vector<std::string_view> arguments)
{
    ToolOptions options;
    std::FILE* out = std::fopen("/dev/null", "w");
    toolframe::Diagnostics diagnostics('L', messageCatalog(), out);
    toolframe::CommandLineParser<ToolOptions> parser(switches(), helpLayout(), diagnostics, out);
    EXPECT_EQ(parser.parse(arguments, options), toolframe::CommandLineOutcome::Run);
    std::fclose(out);
    return options;
}

TEST(LindleSwitches, DefaultsHoldUntilASwitchChangesThem)
{
    const ToolOptions options = parsed({"scan.l"});
    EXPECT_TRUE(options.errorTransitionsForDefaultStates);
    EXPECT_EQ(options.transitionRangeLimit, 1024);
    EXPECT_TRUE(options.defaultTransitions);
    EXPECT_TRUE(options.defaultStates);
    EXPECT_EQ(options.targetLanguage, toolframe::TargetLanguage::C);
    EXPECT_FALSE(options.unicode);
    EXPECT_TRUE(options.minimiseDfa);
    EXPECT_TRUE(options.lineDirectives);
    EXPECT_EQ(options.model, toolframe::CodeModel::Single);
    EXPECT_TRUE(options.caseSensitive);
    EXPECT_FALSE(options.fullReject);
    EXPECT_FALSE(options.compactTables);
}

TEST(LindleSwitches, EachSwitchSetsItsField)
{
    const ToolOptions options = parsed({"-E", "-L:300", "-R", "-S", "-Tcpp", "-W", "-c", "-d", "-ecc", "-f", "-g",
                                        "-i", "-l", "-mm", "-mi", "-q", "-r", "-s", "-u", "-v", "-x.hh", "-z",
                                        "scan.l"});
    EXPECT_FALSE(options.errorTransitionsForDefaultStates);
    EXPECT_EQ(options.transitionRangeLimit, 300);
    EXPECT_FALSE(options.defaultTransitions);
    EXPECT_FALSE(options.defaultStates);
    EXPECT_EQ(options.targetLanguage, toolframe::TargetLanguage::Cpp);
    EXPECT_TRUE(options.unicode);
    EXPECT_TRUE(options.compatibleFileNames);
    EXPECT_FALSE(options.minimiseDfa);
    EXPECT_EQ(options.outputExtension, "cc");
    EXPECT_TRUE(options.plainLineNames);
    EXPECT_TRUE(options.fullPathLineNames);
    EXPECT_TRUE(options.generateIncludeFile);
    EXPECT_FALSE(options.lineDirectives);
    EXPECT_EQ(options.model, toolframe::CodeModel::MultipleInstance);
    EXPECT_TRUE(options.quotedLibraryIncludes);
    EXPECT_TRUE(options.fullReject);
    EXPECT_TRUE(options.compactTables);
    EXPECT_FALSE(options.caseSensitive);
    EXPECT_TRUE(options.verbose);
    EXPECT_EQ(options.includeExtension, "hh");
    EXPECT_TRUE(options.shortFileNames);
    EXPECT_EQ(options.sourceFile, "scan.l");
}

TEST(LindleFileNames, JavaForcesAUnicodeScannerAndDropsTheIncludeFile)
{
    ToolOptions options;
    options.sourceFile = "scan.l";
    options.targetLanguage = toolframe::TargetLanguage::Java;
    options.generateIncludeFile = true;
    std::FILE* out = std::fopen("/dev/null", "w");
    const toolframe::CodePage codePage(toolframe::CodePage::kUtf8);
    toolframe::Diagnostics diagnostics('L', messageCatalog(), out);
    SilentScannerEmitter emitter(options, diagnostics, codePage);
    toolframe::deriveFileNames(options, emitter, "lex.yy.c", codePage, diagnostics);
    std::fclose(out);
    EXPECT_TRUE(options.unicode);
    EXPECT_FALSE(options.generateIncludeFile);
    EXPECT_EQ(options.outputFile, "scan.java");
    EXPECT_EQ(options.includeFile, "");
}

TEST(LindleFileNames, ACRunLeavesItsScannerHeaderAndReport)
{
    TemporaryDirectory directory;
    directory.write("scan.l", "%{\nint n;\n%}\n%%\nabc\t{ return 1; }\n%%\nint main() { return 0; }\n");
    const auto result = runLindle(directory, {"scan.l", "-$", "-i", "-v"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(directory.entries(), (std::vector<std::string>{"scan.c", "scan.h", "scan.l", "scan.v"}));
}

// C++ writes a source and, with -i, a header; Java a source only, named
// after the lex source, whatever -i says.
TEST(LindleFileNames, EachLanguageWritesItsFiles)
{
    const struct {
        const char* language;
        std::vector<std::string> files;
    } kRuns[] = {
        {"-Tcpp", {"scan.cpp", "scan.h", "scan.l", "scan.v"}},
        {"-Tj", {"scan.java", "scan.l", "scan.v"}},
    };
    for (const auto& run : kRuns) {
        TemporaryDirectory directory;
        directory.write("scan.l", "%%\nabc\t{ return 1; }\n");
        const auto result = runLindle(directory, {"scan.l", "-$", "-i", "-v", run.language});
        EXPECT_EQ(result.exitStatus, 0);
        EXPECT_EQ(directory.entries(), run.files) << run.language;
    }
}

TEST(LindleRunOutcome, WarningsKeepTheStatusAndAreCounted)
{
    TemporaryDirectory directory;
    directory.write("scan.l", "%s A\n%s A\n%%\nabc\t;\n");
    const auto result = runLindle(directory, {"scan.l"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.out, kBanner + "scan.l(2) : warning L4004: 'A' : duplicate start state declaration\n"
                                    "scan.l - 0 error(s), 1 warning(s)\n");
}

TEST(LindleRunOutcome, AnErrorFailsTheRun)
{
    TemporaryDirectory directory;
    directory.write("scan.l", "%foo\n%%\nabc\t;\n");
    const auto result = runLindle(directory, {"scan.l"});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, kBanner + "scan.l(1) : error L2005: invalid keyword '%foo'\n"
                                    "scan.l - 1 error(s), 0 warning(s)\n");
    EXPECT_EQ(directory.entries(), std::vector<std::string>{"scan.l"});
}

TEST(LindleRunOutcome, TheHundredthErrorEndsTheRun)
{
    std::string text;
    for (int i = 0; i < 150; ++i)
        text += "%foo\n";
    TemporaryDirectory directory;
    directory.write("scan.l", text + "%%\n");
    const auto result = runLindle(directory, {"scan.l", "-v"});
    EXPECT_EQ(result.exitStatus, 1);
    const std::string tail = "scan.l(100) : error L2005: invalid keyword '%foo'\n"
                             "fatal error L1001: maximum number of errors reached\n";
    ASSERT_GE(result.out.size(), tail.size());
    EXPECT_EQ(result.out.substr(result.out.size() - tail.size()), tail);
    EXPECT_EQ(result.out.find("scan.l(101)"), std::string::npos);
    EXPECT_EQ(result.out.find(" - "), std::string::npos);
    EXPECT_EQ(directory.entries(), std::vector<std::string>{"scan.l"});
}

TEST(LindleRunOutcome, InjectedErrorsReachTheLimitAfterReading)
{
    TemporaryDirectory directory;
    directory.write("scan.l", kLexSource);
    const auto result = runLindleWithTestHooks(directory, {"scan.l", "-$"}, "2008*100");
    EXPECT_EQ(result.exitStatus, 1);
    const std::string tail = "error L2008: syntax error\nfatal error L1001: maximum number of errors reached\n";
    ASSERT_GE(result.out.size(), tail.size());
    EXPECT_EQ(result.out.substr(result.out.size() - tail.size()), tail);
}

TEST(LindleRunOutcome, OutOfMemoryIsFatal)
{
    TemporaryDirectory directory;
    directory.write("scan.l", kLexSource);
    const auto result = runLindleWithTestHooks(directory, {"scan.l", "-$"}, "oom");
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, "fatal error L1002: out of memory\n");
}

TEST(LindleRunOutcome, AMissingSourceCannotBeOpened)
{
    TemporaryDirectory directory;
    const auto result = runLindle(directory, {"none.l", "-$"});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, "fatal error L1010: unable to open file 'none.l'\n");
}

// /proc/self/mem opens but cannot be read from its start: a read that fails
// must not pass for an empty specification.
TEST(LindleRunOutcome, AnUnreadableSourceIsFatalAndLeavesNothing)
{
    TemporaryDirectory directory;
    const auto result = runLindle(directory, {"/proc/self/mem", "-$", "-o", "scan.c", "-v", "scan.v"});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, "fatal error L1010: unable to open file '/proc/self/mem'\n");
    EXPECT_EQ(directory.entries(), std::vector<std::string>{});
}

} // namespace
} // namespace lindle::testing
