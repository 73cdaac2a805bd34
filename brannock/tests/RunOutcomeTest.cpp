#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "BrannockRun.h"
#include "ProgramRunning.h"
#include "TestHookRun.h"

using brannock::testing::runBrannock;
using brannock::testing::runBrannockWithTestHooks;
using brannock::testing::kBanner;
using brannock::testing::kGrammar;
using toolframe::testing::TemporaryDirectory;
using Names = std::vector<std::string>;

// How a run ends: counts, summary line, exit status, and which files it
// leaves behind.
namespace {

class RunOutcomeTest : public ::testing::Test {
protected:
    RunOutcomeTest() { directory_.write("g.y", kGrammar); }
    TemporaryDirectory directory_;
};

std::string repeated(const std::string& line, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += line;
    return text;
}

// Runs brannock with its standard output on a device that takes no byte;
// the test build when diagnostics are to be injected.
toolframe::testing::ProcessResult runIntoFullDevice(const TemporaryDirectory& directory, const std::string& arguments,
                                                    std::string injectedDiagnostics = "")
{
    const std::string& program =
        injectedDiagnostics.empty() ? brannock::testing::kProgram : brannock::testing::kProgramWithTestHooks;
    return toolframe::testing::runProcess(
        "/bin/sh", {"-c", "exec " + brannock::testing::quoted(program) + " " + arguments + " > /dev/full"},
        brannock::testing::setupIn(directory, std::move(injectedDiagnostics)));
}

// Runs brannock through the shell, for the redirections that follow its
// arguments.
toolframe::testing::ProcessResult runInShell(const TemporaryDirectory& directory, const std::string& command)
{
    return toolframe::testing::runProcess(
        "/bin/sh", {"-c", "exec " + brannock::testing::quoted(brannock::testing::kProgram) + " " + command},
        brannock::testing::setupIn(directory));
}

} // namespace

TEST_F(RunOutcomeTest, CleanRunKeepsEveryFile)
{
    const auto result = runBrannock(directory_, {"g.y", "-i", "-v"});
    EXPECT_EQ(result.out, kBanner + "g.y - 0 error(s), 0 warning(s)\n");
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(directory_.entries(), (Names{"g.c", "g.h", "g.v", "g.y"}));
}

TEST_F(RunOutcomeTest, WarningsOnlyKeepTheFilesAndSucceed)
{
    const auto result = runBrannockWithTestHooks(directory_, {"g.y", "-i", "-v"}, "4006@2*2,4004@3");
    EXPECT_EQ(result.out, kBanner +
                              "g.y(2) : warning Y4006: 'hook' : token is declared but never used\n"
                              "g.y(2) : warning Y4006: 'hook' : token is declared but never used\n"
                              "g.y(3) : warning Y4004: 'hook' : symbol is declared but never used\n"
                              "g.y - 0 error(s), 3 warning(s)\n");
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(directory_.entries(), (Names{"g.c", "g.h", "g.v", "g.y"}));
    EXPECT_NE(directory_.read("g.c").find("#include <yypars.h>"), std::string::npos);
}

TEST_F(RunOutcomeTest, TokenNamedOnlyByPrecIsNoWarning)
{
    directory_.write("calc.y", "%token NUMBER\n%left '+' '-'\n%left '*' '/'\n%right UMINUS\n%%\n"
                               "expr : expr '+' expr | expr '-' expr | expr '*' expr | expr '/' expr\n"
                               "     | '-' expr %prec UMINUS | '(' expr ')' | NUMBER ;\n");
    const auto result = runBrannock(directory_, {"calc.y", "-i", "-v"});
    EXPECT_EQ(result.out, kBanner + "calc.y - 0 error(s), 0 warning(s)\n");
    EXPECT_EQ(result.exitStatus, 0);
}

TEST_F(RunOutcomeTest, ValueBeyondTheRuleIsAWarning)
{
    directory_.write("paren.y", "%%\n"
                                "expr : '(' expr ')' { $$ = $4; }\n"
                                "     | 'x' { $$ = $0; } ;\n");
    const auto result = runBrannock(directory_, {"paren.y", "-i"});
    EXPECT_EQ(result.out, kBanner +
                              "paren.y(2) : warning Y4014: '$4' : value lies beyond the rule\n"
                              "paren.y - 0 error(s), 1 warning(s)\n");
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(directory_.entries(), (Names{"g.y", "paren.c", "paren.h", "paren.y"}));
}

TEST_F(RunOutcomeTest, AnErrorLeavesNoGeneratedIncludeOrVerboseFile)
{
    // The files have been written to before the error on line 40.
    const auto result = runBrannockWithTestHooks(directory_, {"g.y", "-i", "-v"}, "4006@2,2036@40,2008@41");
    EXPECT_EQ(result.out, kBanner +
                              "g.y(2) : warning Y4006: 'hook' : token is declared but never used\n"
                              "g.y(40) : error Y2036: undefined symbol 'hook'\n"
                              "g.y(41) : error Y2008: syntax error\n"
                              "g.y - 2 error(s), 1 warning(s)\n");
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(directory_.entries(), Names{"g.y"});
}

// A byte below the space, other than the newline, anywhere in the text.
::testing::AssertionResult holdsNoControlByte(const std::string& text)
{
    for (char c : text)
        if (c != '\n' && static_cast<unsigned char>(c) < 0x20)
            return ::testing::AssertionFailure() << "control byte " << static_cast<int>(c) << " in " << text;
    return ::testing::AssertionSuccess();
}

TEST_F(RunOutcomeTest, ZeroByteShowsAsItsCodeInTheMessages)
{
    static constexpr char kText[] = "%left '\0'\n"
                                    "%right '\0'\n"
                                    "%%\n"
                                    "s : 'a' ;\n";
    directory_.write("nul.y", std::string(kText, sizeof kText - 1));
    const auto result = runBrannock(directory_, {"nul.y", "-$"});
    EXPECT_EQ(result.out, "nul.y(1) : error Y2025: ''0x00'' : token number is not unique\n"
                          "nul.y(2) : error Y2024: ''0x00'' : re-declaration of token associativity\n");
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_TRUE(holdsNoControlByte(result.out));
}

TEST_F(RunOutcomeTest, ControlBytesShowAsTheirCodesInTheMessages)
{
    // Character tokens of a control byte and an escape sequence, the escape
    // of a control byte, in a file whose name holds a tab.
    directory_.write("g\t1.y", "%token A '\x01' '\x1b[2J'\n"
                               "%%\n"
                               "s : A '\\\x02' ;\n");
    const auto result = runBrannock(directory_, {"g\t1.y", "-i", "-v"});
    EXPECT_EQ(result.out, kBanner +
                              "g0x091.y(3) : warning Y4001: '0x02' : unrecognised character escape sequence\n"
                              "g0x091.y(1) : warning Y4006: ''0x01'' : token is declared but never used\n"
                              "g0x091.y(1) : warning Y4006: ''0x1b[2J'' : token is declared but never used\n"
                              "g0x091.y - 0 error(s), 3 warning(s)\n");
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_TRUE(holdsNoControlByte(result.out));
}

TEST_F(RunOutcomeTest, ErrorWithoutALineIsAtTheInputsLine)
{
    // The rules have been read: the input is at the last line it read.
    const auto result = runBrannockWithTestHooks(directory_, {"g.y", "-$"}, "2008");
    EXPECT_EQ(result.out, "g.y(3) : error Y2008: syntax error\n");
    EXPECT_EQ(result.exitStatus, 1);
}

TEST_F(RunOutcomeTest, HundredthErrorEndsTheRun)
{
    const auto result = runBrannockWithTestHooks(directory_, {"g.y", "-i", "-v"}, "2008@7*150");
    EXPECT_EQ(result.out, kBanner + repeated("g.y(7) : error Y2008: syntax error\n", 100) +
                              "fatal error Y1001: maximum number of errors reached\n");
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(directory_.entries(), Names{"g.y"});
}

TEST_F(RunOutcomeTest, OutOfMemoryIsFatal1002)
{
    const auto result = runBrannockWithTestHooks(directory_, {"g.y", "-i", "-v"}, "oom");
    EXPECT_EQ(result.out, kBanner + "fatal error Y1002: out of memory\n");
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(directory_.entries(), Names{"g.y"});
}

TEST_F(RunOutcomeTest, MissingSourceIsFatal1010)
{
    const auto result = runBrannock(directory_, {"none.y"});
    EXPECT_EQ(result.out, kBanner + "fatal error Y1010: unable to open file 'none.y'\n");
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(directory_.entries(), Names{"g.y"});
}

TEST_F(RunOutcomeTest, DirectoryAsSourceIsFatal1010)
{
    std::filesystem::create_directory(directory_ / "d.y");
    const auto result = runBrannock(directory_, {"d.y", "-$"});
    EXPECT_EQ(result.out, "fatal error Y1010: unable to open file 'd.y'\n");
    EXPECT_EQ(result.exitStatus, 1);
}

// /proc/self/mem opens but cannot be read from its start: a read that fails
// must not pass for an empty grammar.
TEST_F(RunOutcomeTest, UnreadableSourceIsFatal1010AndLeavesNothing)
{
    const auto result = runBrannock(directory_, {"/proc/self/mem", "-$", "-o", "g.c", "-v", "g.v"});
    EXPECT_EQ(result.out, "fatal error Y1010: unable to open file '/proc/self/mem'\n");
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(directory_.entries(), Names{"g.y"});
}

TEST_F(RunOutcomeTest, MissingOutputDirectoryIsFatal1010AndLeavesNothing)
{
    // The include file opens first and must go again.
    const auto result = runBrannock(directory_, {"g.y", "-i", "inc.h", "-o", "nodir/g.c", "-v", "g.v"});
    EXPECT_EQ(result.out, kBanner + "fatal error Y1010: unable to open file 'nodir/g.c'\n");
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(directory_.entries(), Names{"g.y"});
}

TEST_F(RunOutcomeTest, MissingVerboseDirectoryTakesTheGeneratedFilesWithIt)
{
    const auto result = runBrannock(directory_, {"g.y", "-i", "-v", "nodir/g.v", "-$"});
    EXPECT_EQ(result.out, "fatal error Y1010: unable to open file 'nodir/g.v'\n");
    EXPECT_EQ(directory_.entries(), Names{"g.y"});
}

TEST_F(RunOutcomeTest, FailedWriteIsFatal1011AndLeavesNoGeneratedFile)
{
    auto setup = brannock::testing::setupIn(directory_);
    setup.fileSizeLimit = 64;
    const auto result = toolframe::testing::runProcess(brannock::testing::kProgram, {"g.y", "-i", "-v"}, setup);
    EXPECT_EQ(result.out, kBanner + "fatal error Y1011: file output error\n");
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(directory_.entries(), Names{"g.y"});
}

TEST_F(RunOutcomeTest, LostBannerFailsTheRunAndLeavesNoGeneratedFile)
{
    const auto result = runIntoFullDevice(directory_, "g.y -i -v");
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.err, "fatal error Y1011: file output error\n");
    EXPECT_EQ(directory_.entries(), Names{"g.y"});
}

TEST_F(RunOutcomeTest, LostWarningFailsTheRun)
{
    const auto result = runIntoFullDevice(directory_, "g.y -i -v -$", "4006@2");
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.err, "fatal error Y1011: file output error\n");
    EXPECT_EQ(directory_.entries(), Names{"g.y"});
}

TEST_F(RunOutcomeTest, LostErrorStillFailsTheRun)
{
    const auto result = runIntoFullDevice(directory_, "g.y -i -v -$", "2008@2");
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.err, "fatal error Y1011: file output error\n");
    EXPECT_EQ(directory_.entries(), Names{"g.y"});
}

TEST_F(RunOutcomeTest, SilentRunOnAFullDeviceSucceeds)
{
    // Nothing was meant for standard output, so nothing was lost.
    const auto result = runIntoFullDevice(directory_, "g.y -i -v -$");
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(directory_.entries(), (Names{"g.c", "g.h", "g.v", "g.y"}));
}

TEST_F(RunOutcomeTest, DiscardNeverRemovesADevice)
{
    const auto result = runBrannockWithTestHooks(directory_, {"g.y", "-o", "/dev/null", "-i", "g.h", "-$"}, "2008");
    EXPECT_EQ(result.exitStatus, 1);
    struct stat status;
    ASSERT_EQ(::stat("/dev/null", &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));
    EXPECT_EQ(directory_.entries(), Names{"g.y"});
}

// Read in full, with an error found only after the files have been written to.
const std::string kBrokenGrammar = "%token NUMBER\n%%\nexpr : NUMBER | expr '+' term ;\n";

TEST_F(RunOutcomeTest, FailedRunThroughALinkRemovesTheFileItWroteAndKeepsTheLink)
{
    directory_.write("bad.y", kBrokenGrammar);
    directory_.write("target.c", "the user's file\n");
    directory_.write("target.h", "the user's header\n");
    directory_.link("target.c", "link.c");
    directory_.link("target.h", "link.h");
    const auto result = runBrannock(directory_, {"bad.y", "-o", "link.c", "-i", "link.h", "-$"});
    EXPECT_EQ(result.out, "bad.y(3) : error Y2036: undefined symbol 'term'\n");
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(directory_.entries(), (Names{"bad.y", "g.y", "link.c", "link.h"}));
    EXPECT_TRUE(directory_.isLink("link.c"));
    EXPECT_TRUE(directory_.isLink("link.h"));
}

TEST_F(RunOutcomeTest, FailedRunThroughALinkToADeviceLeavesBoth)
{
    directory_.write("bad.y", kBrokenGrammar);
    directory_.link("/dev/null", "null.c");
    const auto result = runBrannock(directory_, {"bad.y", "-o", "null.c", "-$"});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_TRUE(directory_.isLink("null.c"));
    struct stat status;
    ASSERT_EQ(::stat("/dev/null", &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));
}

TEST_F(RunOutcomeTest, FailedRunLeavesAFilePutInPlaceOfTheOneItWrote)
{
    // The grammar comes through a pipe, so that the target can be replaced
    // while the run waits for the rest of it.
    directory_.write("bad.y", kBrokenGrammar);
    const std::string script =
        "mkfifo g.fifo && ln -s target.c link.c || exit 90\n"
        + brannock::testing::quoted(brannock::testing::kProgram) + " g.fifo -o link.c -$ > out.txt &\n"
        // Open for reading too, so that this never waits for the reader.
        "exec 3<> g.fifo\n"
        "tries=0\n"
        "while [ ! -e target.c ]; do\n"
        "  tries=$((tries + 1)); [ $tries -gt 1000 ] && exit 91; sleep 0.01\n"
        "done\n"
        "mv target.c old.c && printf 'someone else' > target.c\n"
        "cat bad.y >&3\n"
        "exec 3>&-\n"
        "wait $!\n";
    const auto result = toolframe::testing::runProcess("/bin/sh", {"-c", script}, brannock::testing::setupIn(directory_));
    EXPECT_EQ(result.exitStatus, 1) << result.err;
    EXPECT_EQ(directory_.read("out.txt"), "g.fifo(3) : error Y2036: undefined symbol 'term'\n");
    EXPECT_EQ(directory_.read("target.c"), "someone else");
    EXPECT_TRUE(directory_.isLink("link.c"));
}

// /dev/stdout leads to the file the shell opened for the run's standard
// output, where the run's own diagnostics go too: a failed run keeps it.
TEST_F(RunOutcomeTest, FailedRunKeepsTheFileItsStandardOutputGoesTo)
{
    directory_.write("bad.y", kBrokenGrammar);
    const auto result = runInShell(directory_, "bad.y -o /dev/stdout -$ >> log.txt");
    EXPECT_EQ(result.exitStatus, 1);
    ASSERT_TRUE(directory_.exists("log.txt"));
    EXPECT_NE(directory_.read("log.txt").find("bad.y(3) : error Y2036: undefined symbol 'term'\n"),
              std::string::npos);
    // Named, the output is the run's, though a descriptor (a build tool's
    // lock) holds it too.
    directory_.write("out.c", "old");
    const auto named = runInShell(directory_, "bad.y -o out.c -$ 3< out.c");
    EXPECT_EQ(named.exitStatus, 1);
    EXPECT_FALSE(directory_.exists("out.c"));
}

// Started with standard input and output closed, a run must not let its
// files take their numbers: the include file, opened as descriptor 1,
// would take in the diagnostics. Lines that cannot be written fail the run
// as ever.
TEST_F(RunOutcomeTest, ClosedStandardStreamsTakeNoOutputFile)
{
    directory_.write("warn.y", "%token NUMBER UNUSED\n%%\nexpr : NUMBER ;\n");
    const auto run = [&](const std::string& grammar) {
        return runInShell(directory_, grammar + " -$ -i -o out.c <&- >&-");
    };
    const auto clean = run("g.y");
    EXPECT_EQ(clean.exitStatus, 0) << clean.err;
    EXPECT_EQ(directory_.read("out.h").rfind("/*", 0), 0u);

    const auto warned = run("warn.y");
    EXPECT_EQ(warned.exitStatus, 1);
    EXPECT_EQ(warned.err, "fatal error Y1011: file output error\n");
    EXPECT_EQ(directory_.entries(), (Names{"g.y", "warn.y"}));

    // Nor can the closed standard output be opened again by name.
    const auto reopened = runInShell(directory_, "g.y -$ -o /dev/stdout >&-");
    EXPECT_EQ(reopened.exitStatus, 1);
    EXPECT_EQ(directory_.entries(), (Names{"g.y", "warn.y"}));
}

TEST_F(RunOutcomeTest, DeviceOutputOnACleanRun)
{
    const auto result = runBrannock(directory_, {"g.y", "-o", "/dev/null", "-v", "/dev/null", "-$"});
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.exitStatus, 0);
}

TEST_F(RunOutcomeTest, OutputNamingTheSourceIsRefused)
{
    // Opening it for writing would truncate the grammar before it is read.
    const auto result = runBrannock(directory_, {"g.y", "-o", "g.y", "-$"});
    EXPECT_EQ(result.out, "fatal error Y1010: unable to open file 'g.y'\n");
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(directory_.read("g.y"), kGrammar);
    const auto viaExtension = runBrannock(directory_, {"g.y", "-ey", "-$"});
    EXPECT_EQ(viaExtension.out, "fatal error Y1010: unable to open file 'g.y'\n");
    EXPECT_EQ(directory_.read("g.y"), kGrammar);
}

TEST_F(RunOutcomeTest, TwoOutputsOfOneNameAreRefused)
{
    const auto result = runBrannock(directory_, {"g.y", "-i", "g.c", "-$"});
    EXPECT_EQ(result.out, "fatal error Y1010: unable to open file 'g.c'\n");
    EXPECT_EQ(directory_.entries(), Names{"g.y"});
}

// The shipped program has no test hook: the variable the test build reads
// changes nothing, and its name is nowhere in the program.
TEST(ShippedProgram, IgnoresTheTestHookVariable)
{
    const Names arguments{"g.y", "-i", "-v"};
    TemporaryDirectory plain;
    plain.write("g.y", kGrammar);
    const auto expected = runBrannock(plain, arguments);
    ASSERT_EQ(expected.out, kBanner + "g.y - 0 error(s), 0 warning(s)\n");
    ASSERT_EQ(expected.exitStatus, 0);
    for (const std::string injected : {"2008@3", "oom", "4006@2,2008@3*150,oom"}) {
        TemporaryDirectory directory;
        directory.write("g.y", kGrammar);
        const auto result =
            toolframe::testing::runProcess(brannock::testing::kProgram, arguments,
                                           brannock::testing::setupIn(directory, injected));
        EXPECT_EQ(result.out, expected.out) << injected;
        EXPECT_EQ(result.exitStatus, 0) << injected;
        EXPECT_EQ(directory.entries(), (Names{"g.c", "g.h", "g.v", "g.y"})) << injected;
        for (const std::string& name : plain.entries())
            EXPECT_EQ(directory.read(name), plain.read(name)) << injected << ": " << name;
        // The same variable does reach the test build.
        TemporaryDirectory hooked;
        hooked.write("g.y", kGrammar);
        EXPECT_EQ(runBrannockWithTestHooks(hooked, arguments, injected).exitStatus, 1) << injected;
    }
}

TEST(ShippedProgram, HoldsNoTestHook)
{
    const std::string variable = toolframe::testing::kDiagnosticsTestHookVariable;
    EXPECT_EQ(toolframe::testing::readFile(brannock::testing::kProgram).find(variable), std::string::npos);
    // Where the hook is, the search finds it.
    EXPECT_NE(toolframe::testing::readFile(brannock::testing::kProgramWithTestHooks).find(variable),
              std::string::npos);
}
