#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BuildTesting.h"
#include "ProjectTesting.h"

namespace {

using corvide::CBuildKind;
using corvide::CBuildStart;
using corvide::CProject;
using corvide::CSound;
using corvide::testing::BuildBench;
using corvide::testing::groupExists;
using corvide::testing::openingDefaults;
using corvide::testing::setModificationTime;
using Lines = std::vector<std::string>;
using toolframe::testing::TemporaryDirectory;

// Tools that report on the file they are given (the first argument).
constexpr const char* kGrammarTool = "echo \"$1(3) : error Y2036: undefined symbol 'B'\"; exit 1\n";
constexpr const char* kScannerTool = "echo \"$1(1) : warning L4001: never used\"; echo plain text\n";

class BuildRunner : public ::testing::Test {
protected:
    BuildRunner()
    {
        project.initialise(sources / "p.cvp", openingDefaults());
        bench.tool("brannock", kGrammarTool);
        bench.tool("lindle", kScannerTool);
    }

    void add(const std::string& name, const std::string& content = "")
    {
        sources.write(name, content);
        project.addFile(sources / name, true);
    }

    TemporaryDirectory sources;
    CProject project;
    BuildBench bench;
};

// Files in project order, other files skipped; an error in one file does
// not stop the next; the summary counts every line.
TEST_F(BuildRunner, BuildsEverySourceInProjectOrderAndSumsUp)
{
    add("b.l");
    add("a.y");
    add("notes.txt");
    ASSERT_EQ(bench.runner.rebuildAll(project), CBuildStart::Started);
    EXPECT_TRUE(bench.runner.isBuilding());
    EXPECT_EQ(bench.runner.kind(), CBuildKind::RebuildAll);
    EXPECT_EQ(bench.runner.fileName(), "");
    bench.finish();
    EXPECT_FALSE(bench.runner.isBuilding());
    EXPECT_EQ(bench.lines(), (Lines{"Compiling...", "a.y", sources / "a.y(3) : error Y2036: undefined symbol 'B'",
                                    "b.l", sources / "b.l(1) : warning L4001: never used", "plain text", "",
                                    "p - 1 error(s), 1 warning(s)"}));
    EXPECT_EQ(bench.runner.lastOutcome().errors, 1);
    EXPECT_EQ(bench.runner.lastOutcome().warnings, 1);
    EXPECT_TRUE(bench.runner.lastOutcome().completed);
    EXPECT_EQ(bench.feedback.sounds, std::vector<CSound>{CSound::Information});
}

TEST_F(BuildRunner, BuildOfUpToDateSourcesRunsNoTool)
{
    add("a.y");
    add("b.l");
    sources.write("a.c", "");
    sources.write("b.c", "");
    for (const char* name : {"a.y", "b.l"})
        setModificationTime(sources / name, 1000);
    for (const char* name : {"a.c", "b.c"})
        setModificationTime(sources / name, 2000);
    ASSERT_EQ(bench.runner.build(project), CBuildStart::Started);
    bench.finish();
    EXPECT_EQ(bench.lines(), (Lines{"Compiling...", "", "p - 0 error(s), 0 warning(s)"}));
    EXPECT_EQ(bench.feedback.sounds, std::vector<CSound>{CSound::Exclamation});
    // Touching one source rebuilds that one only; Rebuild All builds both.
    setModificationTime(sources / "b.l", 3000);
    bench.runner.build(project);
    bench.finish();
    EXPECT_EQ(bench.lines(), (Lines{"Compiling...", "b.l", sources / "b.l(1) : warning L4001: never used",
                                    "plain text", "", "p - 0 error(s), 1 warning(s)"}));
    bench.runner.rebuildAll(project);
    bench.finish();
    EXPECT_EQ(bench.runner.lastOutcome().errors, 1);
    EXPECT_EQ(bench.runner.lastOutcome().warnings, 1);
}

// A run that fails (here: no tool to start) ends the project build.
TEST_F(BuildRunner, StopsTheProjectBuildAtAFailedRun)
{
    add("a.y");
    add("b.l");
    ::unlink((bench.tools / "brannock").c_str());
    bench.runner.build(project);
    bench.finish();
    EXPECT_EQ(bench.lines(), (Lines{"Compiling...", "a.y",
                                    "Error spawning '" + (bench.tools / "brannock") + " " + (sources / "a.y") +
                                        " -$ -i -v '."}));
    EXPECT_FALSE(bench.runner.lastOutcome().completed);
    EXPECT_EQ(bench.feedback.sounds, std::vector<CSound>{CSound::Information});
}

// The tool sleeps with a child of its own; Stop Build ends both, the
// output says so, and the next file is not built.
TEST_F(BuildRunner, StopBuildEndsTheToolAndTheBuild)
{
    add("a.y");
    add("b.y");
    bench.tool("brannock", "echo $$ > \"$1.group\"; sleep 1000 & echo started; wait\n");
    bench.runner.build(project);
    ASSERT_TRUE(bench.waitForLine("started"));
    const pid_t group = static_cast<pid_t>(std::stol(sources.read("a.y.group")));
    EXPECT_TRUE(groupExists(group));
    bench.runner.stopBuild();
    bench.finish();
    const std::string command = bench.tools / "brannock";
    EXPECT_EQ(bench.lines(),
              (Lines{"Compiling...", "a.y", "started",
                     "'" + command + " " + (sources / "a.y") + " -$ -i -v ' terminated at user request.",
                     "Tool execution cancelled by user."}));
    EXPECT_FALSE(sources.exists("b.y.group"));
    EXPECT_FALSE(groupExists(group));
    EXPECT_TRUE(bench.runner.lastOutcome().stopped);
    EXPECT_EQ(bench.feedback.sounds, std::vector<CSound>{CSound::Information});
    // The next command starts with the event clear.
    bench.tool("brannock", "echo again\n");
    bench.runner.rebuildAll(project);
    bench.finish();
    EXPECT_TRUE(bench.runner.lastOutcome().completed);
}

TEST_F(BuildRunner, StopBuildWhenIdleDoesNothing)
{
    add("a.y");
    bench.runner.stopBuild();
    bench.tool("brannock", "echo fine\n");
    bench.runner.build(project);
    bench.finish();
    EXPECT_FALSE(bench.runner.lastOutcome().stopped);
    EXPECT_TRUE(bench.runner.lastOutcome().completed);
}

TEST_F(BuildRunner, RefusesWhatItCannotStart)
{
    EXPECT_EQ(bench.runner.build(project), CBuildStart::NoSourceFile);
    add("notes.txt");
    EXPECT_EQ(bench.runner.rebuildAll(project), CBuildStart::NoSourceFile);
    add("a.y");
    bench.tool("brannock", "read line; echo done\n");
    ASSERT_EQ(bench.runner.build(project), CBuildStart::Started);
    EXPECT_EQ(bench.runner.build(project), CBuildStart::Busy);
    EXPECT_EQ(bench.runner.rebuildAll(project), CBuildStart::Busy);
    EXPECT_EQ(bench.runner.compileFile(project, sources / "a.y"), CBuildStart::Busy);
    bench.finish();
    EXPECT_EQ(bench.lines().size(), 5u);
    EXPECT_TRUE(bench.feedback.sounds.size() == 1u);
    EXPECT_EQ(bench.runner.compileFile(project, sources / "notes.txt"), CBuildStart::NotASource);
    EXPECT_EQ(bench.feedback.sounds.back(), CSound::Information);
}

// A file without an extension takes the tool of the previous single-file
// compile, Brannock before any.
TEST_F(BuildRunner, CompileFileTakesTheToolFromTheExtension)
{
    bench.tool("brannock", "echo brannock\n");
    bench.tool("lindle", "echo lindle\n");
    const std::vector<std::pair<std::string, std::string>> compiles = {
        {"Makefile", "brannock"}, {"s.LEX", "lindle"}, {"README", "lindle"}, {"g.yac", "brannock"}, {"x", "brannock"}};
    for (const auto& [name, tool] : compiles) {
        ASSERT_EQ(bench.runner.compileFile(project, sources / name), CBuildStart::Started) << name;
        EXPECT_EQ(bench.runner.kind(), CBuildKind::CompileFile);
        EXPECT_EQ(bench.runner.fileName(), name);
        bench.finish();
        EXPECT_EQ(bench.lines(), (Lines{"Compiling...", name, tool, "", name + " - 0 error(s), 0 warning(s)"}));
    }
}

// Lines a tool writes faster than they are shown are all counted before
// the summary.
TEST_F(BuildRunner, CountsEveryLineBeforeTheSummary)
{
    add("a.y");
    bench.tool("brannock", "i=0; while [ $i -lt 2000 ]; do echo \"g.y($i) : error Y2001: e\"; "
                           "echo \"warning L4001: w\"; i=$((i+1)); done\n");
    bench.runner.build(project);
    bench.finish();
    EXPECT_EQ(bench.lines().back(), "p - 2000 error(s), 2000 warning(s)");
    EXPECT_EQ(bench.output.entryCount(), 4000u);
}

// A generator that ends in failure without a numbered error (killed by a
// signal, a limit, a crash) fails the build instead of passing as clean;
// the next file is still built. A tool that exits 1 after its own error
// line (the fixture's brannock) gets no second count.
TEST_F(BuildRunner, ToolFailingWithoutAnErrorLineCountsOneError)
{
    add("a.y");
    add("b.l");
    add("c.y");
    bench.tool("brannock", "case \"$1\" in *a.y) echo \"$1(2) : warning Y4006: unused\"; exit 3;; esac\n"
                           "echo \"$1(3) : error Y2036: undefined symbol 'B'\"; exit 1\n");
    bench.tool("lindle", "kill -SEGV $$\n");
    bench.runner.rebuildAll(project);
    bench.finish();
    const std::string brannock = bench.tools / "brannock";
    const std::string lindle = bench.tools / "lindle";
    EXPECT_EQ(bench.lines(),
              (Lines{"Compiling...", "a.y", sources / "a.y(2) : warning Y4006: unused",
                     "'" + brannock + " " + (sources / "a.y") + " -$ -i -v ' failed with exit code 3.", "b.l",
                     "'" + lindle + " " + (sources / "b.l") + " -$ -i -v ' failed with exit code 139.", "c.y",
                     sources / "c.y(3) : error Y2036: undefined symbol 'B'", "", "p - 3 error(s), 1 warning(s)"}));
    EXPECT_TRUE(bench.runner.lastOutcome().completed);
    EXPECT_EQ(bench.runner.lastOutcome().errors, 3);
    // The library builder's Execute reads the exit code itself: no line.
    const corvide::CRunResult alone = bench.runAlone({lindle, sources / "b.l", sources.path(), std::nullopt});
    EXPECT_EQ(alone.exitCode, 139u);
    EXPECT_EQ(bench.lines().back(), "p - 3 error(s), 1 warning(s)");
}

class RecordingObserver : public corvide::CBuildObserver {
public:
    std::vector<std::string> events;
    void buildingChanged(bool building) override { events.push_back(building ? "building" : "idle"); }
    void buildEnded() override { events.push_back("ended"); }
};

TEST_F(BuildRunner, TellsTheMainWindow)
{
    RecordingObserver observer;
    bench.runner.setObserver(&observer);
    add("a.y");
    bench.runner.build(project);
    bench.finish();
    EXPECT_EQ(observer.events, (Lines{"building", "idle", "ended"}));
}

// Lines appended from other threads while a command runs reach the
// Output window in their order.
TEST_F(BuildRunner, TakesLinesFromAnyThread)
{
    add("a.y");
    bench.tool("brannock", "read line; echo tool\n");
    bench.runner.build(project);
    std::thread other([this] {
        for (int i = 0; i < 100; ++i)
            bench.runner.appendOutputLine("other " + std::to_string(i));
    });
    other.join();
    bench.finish();
    int next = 0;
    for (const std::string& line : bench.lines()) {
        if (line.starts_with("other ")) {
            EXPECT_EQ(line, "other " + std::to_string(next++));
        }
    }
    EXPECT_EQ(next, 100);
}

// Leaving while a build runs stops it and waits for the worker.
TEST_F(BuildRunner, StopsARunningBuildWhenDestroyed)
{
    add("a.y");
    auto bench2 = std::make_unique<BuildBench>();
    bench2->tool("brannock", "echo $$ > \"$1.group\"; echo started; sleep 1000\n");
    bench2->runner.build(project);
    ASSERT_TRUE(bench2->waitForLine("started"));
    const pid_t group = static_cast<pid_t>(std::stol(sources.read("a.y.group")));
    bench2.reset();
    EXPECT_FALSE(groupExists(group));
}

} // namespace
