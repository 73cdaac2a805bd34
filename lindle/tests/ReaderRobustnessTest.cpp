#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>
#include <string>
#include <vector>

#include "LindleRun.h"

// Any prefix of a real scanner, and any bytes at all, end in a report:
// never a crash or a hang, and a file left behind only by a run that
// found no error.
namespace lindle::testing {
namespace {

using toolframe::testing::TemporaryDirectory;

void expectCleanEnd(const std::string& text, const std::string& what)
{
    TemporaryDirectory directory;
    directory.write("scan.l", text);
    const auto result = runLindle(directory, {"scan.l", "-$", "-i", "-v"});
    ASSERT_TRUE(result.exitStatus == 0 || result.exitStatus == 1) << what << " signal " << result.signal;
    // A run that fails leaves nothing; one that succeeds keeps what it wrote.
    if (result.exitStatus == 1) {
        ASSERT_NE(result.out, "") << what;
    }
    const std::vector<std::string> left =
        result.exitStatus == 0 ? std::vector<std::string>{"scan.c", "scan.h", "scan.l", "scan.v"}
                               : std::vector<std::string>{"scan.l"};
    ASSERT_EQ(directory.entries(), left) << what;
}

// Each file's prefixes are split over shards that run apart, so that no
// one test runs for long, under the sanitizers and on a busy machine too.
constexpr std::size_t kShards = 24;

struct Cut {
    const char* file;
    std::size_t shard;
};

class Truncated : public ::testing::TestWithParam<Cut> {};

TEST_P(Truncated, EveryPrefixEndsCleanly)
{
    const std::string file = GetParam().file;
    const std::string text = toolframe::testing::readFile(kScannersDir + "/" + file);
    for (std::size_t length = GetParam().shard; length <= text.size(); length += kShards)
        expectCleanEnd(text.substr(0, length), file + " cut at " + std::to_string(length));
}

std::vector<Cut> cuts()
{
    std::vector<Cut> all;
    for (const char* file : {"wordcount.l", "clexer.l", "pascal.l", "calc.l", "config.l"})
        for (std::size_t shard = 0; shard < kShards; ++shard)
            all.push_back(Cut{file, shard});
    return all;
}

INSTANTIATE_TEST_SUITE_P(Scanners, Truncated, ::testing::ValuesIn(cuts()),
                         [](const ::testing::TestParamInfo<Cut>& entry) {
                             const std::string name = entry.param.file;
                             return name.substr(0, name.find('.')) + "_" + std::to_string(entry.param.shard);
                         });

TEST(RandomBytes, EndCleanly)
{
    std::mt19937 generator(20261208);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 400);
    // Bytes drawn from what lex sources are made of reach deeper.
    const std::string alphabet = "%%{}<>^$/|;\"'[]\\*+?.()\n\t aAxX09_-,#";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int round = 0; round < 300; ++round) {
        std::string text;
        const int size = length(generator);
        for (int i = 0; i < size; ++i)
            text += round % 2 == 0 ? static_cast<char>(byte(generator)) : alphabet[pick(generator)];
        expectCleanEnd(text, "round " + std::to_string(round));
    }
}

std::string repeated(const std::string& piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

TEST(DeepNesting, ScopesNestAsDeepAsTheyAreWritten)
{
    constexpr int kDepth = 20000;
    const std::string open = "%s A\n%%\n" + repeated("<A>{\n", kDepth) + "x\t;\n";
    const auto closed = readThroughLindle(open + repeated("}\n", kDepth));
    EXPECT_EQ(closed.exitStatus, 0) << closed.signal;
    EXPECT_EQ(closed.out, "");

    const auto unclosed = readThroughLindle(open);
    EXPECT_EQ(unclosed.exitStatus, 1) << unclosed.signal;
    EXPECT_EQ(unclosed.out, "scan.l(" + std::to_string(kDepth + 3) +
                                ") : error L2009: syntax error : missing '}' before 'end of file'\n");
    expectCleanEnd(open, "unclosed scopes");
    // Closing braces without scopes run into the error limit.
    expectCleanEnd("%%\n" + repeated("}\n", kDepth), "closing braces alone");
}

// Parentheses nest as deep as a parser can follow without running out of
// stack; deeper ones end the run with a message, not a crash, and leave no
// file behind, closed or not. Macros keep the lines short.
TEST(DeepNesting, ParenthesesBeyondTheParsersReachEndTheRun)
{
    const std::string macros = "O\t" + repeated("(", 500) + "\nC\t" + repeated(")", 500) + "\n%%\n";
    const auto deepest = readThroughLindle(macros + "{O}{O}a{C}{C}\t;\n");
    EXPECT_EQ(deepest.exitStatus, 0) << deepest.signal;
    EXPECT_EQ(deepest.out, "");

    const std::string tooDeep = macros + repeated("{O}", 40) + "a" + repeated("{C}", 40) + "\t;\n";
    const auto refused = readThroughLindle(tooDeep);
    EXPECT_EQ(refused.exitStatus, 1) << refused.signal;
    EXPECT_EQ(refused.out, "fatal error L1002: out of memory\n");
    expectCleanEnd(tooDeep, "parentheses nested 20000 deep");
    expectCleanEnd(macros + repeated("{O}", 40) + "a\t;\n", "parentheses opened 20000 deep");
    expectCleanEnd(macros + "({O}{O}a{C}{C})\t;\n", "parentheses nested one too deep");
}

// A specification written on Windows, with CR LF line ends, is the same
// specification: the same scanner, header and report, byte for byte.
TEST(LineEnds, CarriageReturnsBeforeNewlinesChangeNothing)
{
    for (const char* file : {"wordcount.l", "clexer.l", "pascal.l", "calc.l", "config.l"}) {
        const std::string text = toolframe::testing::readFile(kScannersDir + "/" + file);
        std::string windows;
        for (char c : text)
            windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
        TemporaryDirectory unix, crlf;
        unix.write("scan.l", text);
        crlf.write("scan.l", windows);
        for (const TemporaryDirectory* directory : {&unix, &crlf}) {
            const auto result = runLindle(*directory, {"scan.l", "-$", "-i", "-v"});
            ASSERT_EQ(result.exitStatus, 0) << file << "\n" << result.out;
            EXPECT_EQ(result.out, "") << file;
        }
        for (const char* output : {"scan.c", "scan.h", "scan.v"})
            EXPECT_EQ(crlf.read(output), unix.read(output)) << file << " " << output;
    }
}

// A build stopped while lindle works on a large automaton ends lindle with
// SIGTERM: the scanner it had begun to write goes with it.
TEST(Interrupted, ARunEndedByASignalLeavesNoScannerBehind)
{
    TemporaryDirectory directory;
    // Its automaton takes lindle many seconds; the output is opened first.
    directory.write("scan.l", "%%\n(a|b)*a(a|b){20}\t;\n");
    const std::string source = directory / "scan.l";
    const std::string output = directory / "scan.c";
    std::vector<char*> arguments = {const_cast<char*>(kProgram.c_str()), const_cast<char*>(source.c_str()),
                                    const_cast<char*>("-o"), const_cast<char*>(output.c_str()), nullptr};
    pid_t child = 0;
    ASSERT_EQ(::posix_spawn(&child, kProgram.c_str(), nullptr, nullptr, arguments.data(), environ), 0);
    for (int wait = 0; wait < 1000 && !directory.exists("scan.c"); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(directory.exists("scan.c"));
    ::kill(child, SIGTERM);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_EQ(directory.entries(), std::vector<std::string>{"scan.l"});
}

// Diagnostics piped to a reader that has gone (`lindle scan.l | head`)
// end the run with SIGPIPE while the outputs are being written: none of
// them is left behind.
TEST(Interrupted, ARunWhoseReaderWentAwayLeavesNoFileBehind)
{
    TemporaryDirectory directory;
    std::string rules = "%%\n";
    for (int i = 0; i < 3000; ++i)
        rules += "a\t;\n"; // each one after the first is never matched: a warning
    directory.write("scan.l", rules);
    const std::string source = directory / "scan.l";
    std::vector<char*> arguments = {const_cast<char*>(kProgram.c_str()), const_cast<char*>(source.c_str()),
                                    const_cast<char*>("-$"), const_cast<char*>("-i"), const_cast<char*>("-v"),
                                    nullptr};
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
    posix_spawn_file_actions_addchdir_np(&actions, directory.path().c_str());
    // The test's own SIGPIPE may be ignored; the run gets the default.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaulted;
    sigemptyset(&defaulted);
    sigaddset(&defaulted, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaulted);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    pid_t child = 0;
    ASSERT_EQ(::posix_spawn(&child, kProgram.c_str(), &actions, &attributes, arguments.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    ::close(ends[1]);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGPIPE) << status;
    EXPECT_EQ(directory.entries(), std::vector<std::string>{"scan.l"});
}

} // namespace
} // namespace lindle::testing
