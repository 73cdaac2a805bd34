#include <gtest/gtest.h>

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/resource.h>

#include <string>
#include <vector>

#include "BuildTesting.h"
#include "ChildProcess.h"
#include "ProjectTesting.h"

namespace {

using corvide::CBuildStart;
using corvide::CProject;
using corvide::CToolCommand;
using corvide::testing::BuildBench;
using corvide::testing::openingDefaults;
using Lines = std::vector<std::string>;
using toolframe::testing::TemporaryDirectory;

// A tool that shows what it was given: its arguments one a line in
// brackets, then its working directory.
constexpr const char* kEchoTool = "for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done; pwd\n";

TEST(ToolRun, HandsBackTheToolsExitCode)
{
    BuildBench bench;
    bench.tool("tool", "echo ran in \"$PWD\"; exit 5\n");
    const auto result = bench.runAlone({bench.tools / "tool", "", "/", std::nullopt});
    EXPECT_TRUE(result.success);
    EXPECT_EQ(result.exitCode, 5u);
    EXPECT_EQ(result.errors, 0);
    EXPECT_EQ(bench.lines(), Lines{"ran in /"});
}

// A window program may block signals in its threads and ignore SIGPIPE;
// its tools start with neither.
TEST(ToolRun, StartsTheToolWithNoSignalSetAside)
{
    BuildBench bench;
    bench.tool("tool", "grep -E '^Sig(Blk|Ign)' /proc/self/status\n");
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGTERM);
    sigset_t usual;
    ::pthread_sigmask(SIG_BLOCK, &blocked, &usual);
    const auto previous = ::signal(SIGPIPE, SIG_IGN);
    bench.runAlone({bench.tools / "tool", "", "/", std::nullopt});
    ::signal(SIGPIPE, previous);
    ::pthread_sigmask(SIG_SETMASK, &usual, nullptr);
    const Lines lines = bench.lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "SigBlk:\t0000000000000000");
    // The C library's own signals above 31 may stay ignored; they are its
    // business in every program.
    ASSERT_TRUE(lines[1].starts_with("SigIgn:\t"));
    EXPECT_EQ(std::stoull(lines[1].substr(8), nullptr, 16) & 0x7fffffffu, 0u) << lines[1];
}

TEST(ToolRun, GivesTheToolTheEnvironmentItIsGiven)
{
    BuildBench bench;
    bench.tool("tool", "echo \"${ONLY-unset} ${HOME-unset}\"\n");
    bench.runAlone({bench.tools / "tool", "", "/", std::vector<std::string>{"ONLY=this"}});
    EXPECT_EQ(bench.lines(), Lines{"this unset"});
}

// The source path is one argument however many spaces it holds, and the
// tool runs in the source's directory.
TEST(ToolRun, QuotesASourcePathWithASpace)
{
    BuildBench bench;
    bench.tool("brannock", kEchoTool);
    const TemporaryDirectory sources;
    ASSERT_EQ(::mkdir((sources / "my  dir").c_str(), 0755), 0);
    const std::string source = sources / "my  dir/calc.y";
    CProject project;
    project.initialise(sources / "p.cvp", openingDefaults());
    EXPECT_EQ(project.toolArguments(source, corvide::SourceKind::Grammar), "\"" + source + "\" -$ -i -v ");
    ASSERT_EQ(bench.runner.compileFile(project, source), CBuildStart::Started);
    bench.finish();
    EXPECT_EQ(bench.lines(), (Lines{"Compiling...", "calc.y", "[" + source + "]", "[-$]", "[-i]", "[-v]",
                                    sources / "my  dir", "", "calc.y - 0 error(s), 0 warning(s)"}));
}

TEST(ToolRun, RunsTheToolOfAFileInTheRootDirectoryThere)
{
    BuildBench bench;
    bench.tool("lindle", kEchoTool);
    CProject project;
    const TemporaryDirectory directory;
    project.initialise(directory / "p.cvp", openingDefaults());
    ASSERT_EQ(bench.runner.compileFile(project, "/scan.l"), CBuildStart::Started);
    bench.finish();
    EXPECT_EQ(bench.lines(), (Lines{"Compiling...", "scan.l", "[/scan.l]", "[-$]", "[-i]", "[-v]", "/", "",
                                    "scan.l - 0 error(s), 0 warning(s)"}));
}

// A path that Windows could not hold reaches the tool unchanged too.
TEST(ToolRun, KeepsQuotesAndBackslashesOfASourcePath)
{
    BuildBench bench;
    bench.tool("brannock", kEchoTool);
    const TemporaryDirectory sources;
    CProject project;
    project.initialise(sources / "p.cvp", openingDefaults());
    for (const std::string name : {"a\"b.y", "e\" f\t.y"}) {
        sources.write(name, "");
        ASSERT_EQ(bench.runner.compileFile(project, sources / name), CBuildStart::Started);
        bench.finish();
        ASSERT_GE(bench.lines().size(), 3u);
        EXPECT_EQ(bench.lines()[2], "[" + (sources / name) + "]");
    }
}

TEST(ToolRun, ReportsAMissingSpawnerAndShowsItsBoxOnce)
{
    BuildBench bench(false);
    bench.tool("brannock", "echo never\n");
    CProject project;
    const TemporaryDirectory directory;
    project.initialise(directory / "p.cvp", openingDefaults());
    const Lines expected = {"Compiling...",
                            "g.y",
                            "Cannot start the tool.",
                            "The system cannot find the file specified.",
                            "Error spawning 'cvspawn'. The build could not be performed."};
    for (int run = 0; run < 2; ++run) {
        ASSERT_EQ(bench.runner.compileFile(project, directory / "g.y"), CBuildStart::Started);
        bench.finish();
        EXPECT_EQ(bench.lines(), expected);
        EXPECT_EQ(bench.runner.lastOutcome().errors, 1);
        EXPECT_FALSE(bench.runner.lastOutcome().completed);
    }
    EXPECT_EQ(bench.boxes, Lines{"CVSPAWN\n\nThis required file cannot be loaded.\nPlease re-install Corvane."});
    EXPECT_EQ(bench.feedback.sounds, (std::vector<corvide::CSound>{corvide::CSound::Information,
                                                                   corvide::CSound::Information}));
}

TEST(ToolRun, ReportsAWorkingDirectoryThatCannotBeEntered)
{
    BuildBench bench;
    const auto result = bench.runAlone({"/bin/true", "", "/no/such/directory", std::nullopt});
    EXPECT_FALSE(result.success);
    EXPECT_EQ(result.errors, 1);
    EXPECT_EQ(bench.lines(), (Lines{"Cannot start the tool.", "The system cannot find the directory specified.",
                                    "Error spawning 'cvspawn'. The build could not be performed."}));
    EXPECT_TRUE(bench.boxes.empty());
}

TEST(ToolRun, ReportsAToolTheSpawnerCannotStart)
{
    BuildBench bench;
    const auto result = bench.runAlone({bench.tools / "no tool", "a.y -v", "/", std::nullopt});
    EXPECT_FALSE(result.success);
    EXPECT_EQ(result.errors, 0);
    EXPECT_EQ(bench.lines(), Lines{"Error spawning '\"" + (bench.tools / "no tool") + "\" a.y -v'."});
}

TEST(ToolRun, ReportsAFailingSpawner)
{
    BuildBench bench(false);
    bench.tool("cvspawn", "exit 1\n");
    const auto result = bench.runAlone({"/bin/true", "", "/", std::nullopt});
    EXPECT_FALSE(result.success);
    EXPECT_EQ(bench.lines(), Lines{"Error spawning 'cvspawn'."});
}

TEST(ToolRun, TakesASpawnerThatEndedWithoutAnExitCodeAsARun)
{
    BuildBench bench(false);
    bench.tool("cvspawn", "echo before; kill -9 $$\n");
    const auto result = bench.runAlone({"/bin/true", "", "/", std::nullopt});
    EXPECT_TRUE(result.success);
    EXPECT_FALSE(result.exitCode);
    EXPECT_EQ(bench.lines(), Lines{"before"});
}

// The descriptors a run needs, one after another, made to fail by a
// descriptor limit in a child process: each failure has its line, with
// errno in decimal (24: too many open files).
TEST(ToolRun, ReportsEveryDescriptorThatCannotBeMade)
{
    struct Limit {
        int free;
        Lines lines;
    };
    const Limit limits[] = {
        {0,
         {"Error unable to create shared memory (24)", "Error unable to create input pipe (24)",
          "Error unable to create output pipe (24)"}},
        {1, {"Error unable to create input pipe (24)", "Error unable to create output pipe (24)"}},
        {3, {"Error unable to create output pipe (24)"}},
        {5, {"Error unable to duplicate (child end) output pipe (24)"}},
    };
    for (const Limit& limit : limits) {
        const TemporaryDirectory directory;
        const int status = corvide::testing::runInChild({}, [&] {
            BuildBench bench;
            // UndefinedBehaviorSanitizer checks a call's object type through
            // a pipe of its own the first time; that happens here, before
            // the limit leaves it none.
            bench.runner.appendOutputLine("");
            bench.runner.onLinesWaiting();
            bench.output.clear();
            // The limit is the number of the (free + 1)th descriptor not in use.
            int fd = 0;
            for (int unused = 0;; ++fd)
                if (::fcntl(fd, F_GETFD) < 0 && unused++ == limit.free)
                    break;
            rlimit descriptors{};
            ::getrlimit(RLIMIT_NOFILE, &descriptors);
            const rlimit usual = descriptors;
            descriptors.rlim_cur = static_cast<rlim_t>(fd);
            if (::setrlimit(RLIMIT_NOFILE, &descriptors) != 0)
                return 2;
            const auto result = bench.runAlone({"/bin/true", "", "/", std::nullopt});
            ::setrlimit(RLIMIT_NOFILE, &usual);
            std::string text;
            for (const std::string& line : bench.lines())
                text += line + "\n";
            directory.write("lines", text);
            return result.success ? 1 : 0;
        });
        EXPECT_EQ(status, 0) << limit.free;
        std::string expected;
        for (const std::string& line : limit.lines)
            expected += line + "\n";
        EXPECT_EQ(directory.read("lines"), expected) << limit.free;
    }
}

} // namespace
