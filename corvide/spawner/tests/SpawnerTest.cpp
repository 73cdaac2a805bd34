#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <string>

#include "RunningSpawner.h"
#include "toolframe/testing/TemporaryDirectory.h"

namespace {

using corvide::testing::groupExists;
using corvide::testing::RunningSpawner;
using corvide::testing::writeScript;
using toolframe::testing::TemporaryDirectory;

const std::string kSpawner = CVSPAWN_PROGRAM;

pid_t readPid(const TemporaryDirectory& directory, const std::string& name)
{
    return static_cast<pid_t>(std::stol(directory.read(name)));
}

// Waits for the tool, which writes its group to the file "group", to say
// "started"; stops it with stop; expects the spawner to say it stopped and
// no process of the group to be left.
template <class Stop>
void expectStopEndsTheGroup(RunningSpawner& spawner, const TemporaryDirectory& directory, Stop&& stop)
{
    ASSERT_TRUE(spawner.readUntil("started"));
    const pid_t group = readPid(directory, "group");
    EXPECT_NE(group, ::getpgrp());
    stop();
    EXPECT_EQ(spawner.finish(), 3);
    EXPECT_FALSE(groupExists(group));
}

TEST(Spawner, HandsBackTheToolsExitCodeAndItsJoinedOutput)
{
    const TemporaryDirectory directory;
    writeScript(directory, "tool", "echo out; echo err >&2; pwd; read line || echo 'input ended'; exit 7\n");
    RunningSpawner spawner(kSpawner, {"STOP", "WORD", directory / "tool"}, directory.path());
    ASSERT_TRUE(spawner.started());
    EXPECT_EQ(spawner.finish(), 0);
    EXPECT_EQ(spawner.output(), "out\nerr\n" + directory.path() + "\ninput ended\n");
    EXPECT_EQ(spawner.word(), 7u);
}

TEST(Spawner, GivesTheToolItsArgumentsSplitAsWindowsSplitsThem)
{
    const TemporaryDirectory directory;
    writeScript(directory, "my tool", "for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done\n");
    // The command may come as one argument or as several joined by spaces.
    RunningSpawner spawner(kSpawner,
                           {"STOP", "WORD", "\"" + (directory / "my tool") + "\" \"/a dir/x.y\" -v",
                            R"(a\"b "" "c\\")"},
                           directory.path());
    EXPECT_EQ(spawner.finish(), 0);
    EXPECT_EQ(spawner.output(), "[/a dir/x.y]\n[-v]\n[a\"b]\n[]\n[c\\]\n");
}

TEST(Spawner, TellsAToolThatCannotStartFromAFailureOfItsOwn)
{
    const TemporaryDirectory directory;
    RunningSpawner missing(kSpawner, {"STOP", "WORD", directory / "missing"}, directory.path());
    EXPECT_EQ(missing.finish(), 2);
    RunningSpawner empty(kSpawner, {"STOP", "WORD", "  "}, directory.path());
    EXPECT_EQ(empty.finish(), 2);
    RunningSpawner badHandle(kSpawner, {"0x000003e7", "WORD", "/bin/true"}, directory.path());
    EXPECT_EQ(badHandle.finish(), 1);
    RunningSpawner notHex(kSpawner, {"STOP", "12", "/bin/true"}, directory.path());
    EXPECT_EQ(notHex.finish(), 1);
    RunningSpawner tooFew(kSpawner, {"STOP", "WORD"}, directory.path());
    EXPECT_EQ(tooFew.finish(), 1);
}

TEST(Spawner, DoesNotStartTheToolWhenTheStopEventIsAlreadySignalled)
{
    const TemporaryDirectory directory;
    writeScript(directory, "tool", "touch ran\n");
    corvide::platform::StopEvent stop;
    stop.signal();
    RunningSpawner spawner(kSpawner, {"STOP", "WORD", directory / "tool"}, directory.path(),
                           stop.watchDescriptor());
    EXPECT_EQ(spawner.finish(), 3);
    EXPECT_FALSE(directory.exists("ran"));
}

// The tool and a child of its own sleep; the stop event ends both.
TEST(Spawner, EndsTheToolsWholeGroupWhenStopped)
{
    const TemporaryDirectory directory;
    writeScript(directory, "tool", "echo $$ > group; sleep 1000 & echo $! > child; echo started; wait\n");
    RunningSpawner spawner(kSpawner, {"STOP", "WORD", directory / "tool"}, directory.path());
    expectStopEndsTheGroup(spawner, directory, [&] {
        EXPECT_EQ(::getpgid(readPid(directory, "child")), readPid(directory, "group"));
        spawner.stopEvent().signal();
    });
}

// SIGTERM is ignored by the tool and its child: SIGKILL follows the grace.
TEST(Spawner, KillsAGroupThatIgnoresThePoliteSignal)
{
    const TemporaryDirectory directory;
    writeScript(directory, "tool", "trap '' TERM; echo $$ > group; sleep 1000 & echo started; wait\n");
    RunningSpawner spawner(kSpawner, {"STOP", "WORD", directory / "tool"}, directory.path());
    expectStopEndsTheGroup(spawner, directory, [&] { spawner.stopEvent().signal(); });
}

// A child the tool leaves behind keeps the spawner, and so the build,
// waiting; Stop Build still ends it.
TEST(Spawner, WaitsForWhatTheToolLeftRunningAndStillEndsItOnStop)
{
    const TemporaryDirectory directory;
    writeScript(directory, "finishes", "(sleep 1; echo late) & echo early\n");
    RunningSpawner finishes(kSpawner, {"STOP", "WORD", directory / "finishes"}, directory.path());
    EXPECT_EQ(finishes.finish(), 0);
    EXPECT_EQ(finishes.output(), "early\nlate\n");
    EXPECT_EQ(finishes.word(), 0u);

    writeScript(directory, "lingers", "echo $$ > group; sleep 1000 >/dev/null 2>&1 & echo started; exit 4\n");
    RunningSpawner lingers(kSpawner, {"STOP", "WORD", directory / "lingers"}, directory.path());
    expectStopEndsTheGroup(lingers, directory, [&] { lingers.stopEvent().signal(); });
}

// When the workbench is gone its end of the stop event closes, which the
// spawner takes for a stop.
TEST(Spawner, EndsTheToolWhenTheWorkbenchIsGone)
{
    const TemporaryDirectory directory;
    writeScript(directory, "tool", "echo $$ > group; echo started; sleep 1000\n");
    int ends[2];
    ASSERT_EQ(::pipe2(ends, O_CLOEXEC), 0);
    RunningSpawner spawner(kSpawner, {"STOP", "WORD", directory / "tool"}, directory.path(), ends[0]);
    expectStopEndsTheGroup(spawner, directory, [&] { ::close(ends[1]); });
    ::close(ends[0]);
}

// Neither the spawner's own descriptors nor any other the workbench left
// open on exec reach the tool.
TEST(Spawner, KeepsItsDescriptorsFromTheTool)
{
    const TemporaryDirectory directory;
    const int stray = ::open("/dev/null", O_RDONLY);
    ASSERT_GE(stray, 0);
    ASSERT_EQ(::dup2(stray, 9), 9);
    // The shell keeps its script at 10 or above.
    writeScript(directory, "tool", "for fd in 0 1 2 3 4 5 6 7 8 9; do [ -e /proc/$$/fd/$fd ] && echo $fd; done\n");
    RunningSpawner spawner(kSpawner, {"STOP", "WORD", directory / "tool"}, directory.path());
    const auto code = spawner.finish();
    ::close(9);
    ::close(stray);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(spawner.output(), "0\n1\n2\n");
}

TEST(Spawner, RefusesAStandardDescriptorAsAHandle)
{
    const TemporaryDirectory directory;
    RunningSpawner spawner(kSpawner, {"0x00000001", "WORD", "/bin/true"}, directory.path());
    EXPECT_EQ(spawner.finish(), 1);
}

} // namespace
