#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "BuildTesting.h"
#include "toolframe/testing/ProcessRunner.h"
#include "toolframe/testing/TemporaryDirectory.h"

namespace {

using corvide::testing::groupExists;
using corvide::testing::linkProgram;
using corvide::testing::writeScript;
using toolframe::testing::TemporaryDirectory;

toolframe::testing::ProcessSetup setupIn(const TemporaryDirectory& directory)
{
    toolframe::testing::ProcessSetup setup;
    setup.workingDirectory = directory.path();
    setup.environment = {{"XDG_CONFIG_HOME", directory / "config"}};
    return setup;
}

toolframe::testing::ProcessResult corvideBuild(const TemporaryDirectory& directory,
                                               const std::vector<std::string>& arguments)
{
    return toolframe::testing::runProcess(CORVIDE_BUILD_PROGRAM, arguments, setupIn(directory));
}

TEST(CorvideBuild, BuildsAProjectAndExitsOneWhenErrorsWereCounted)
{
    const TemporaryDirectory directory;
    directory.write("p.cvp", "[FilesInProject]\nFile1=calc.y\nFile2=scan.l\nFile3=notes.txt\n");
    directory.write("calc.y", "%token A\n%%\ns : A B ;\n");
    directory.write("scan.l", "%%\n[a-z]+ { return 1; }\n%%\n");
    const auto failed = corvideBuild(directory, {"p.cvp"});
    EXPECT_EQ(failed.exitStatus, 1) << failed.err;
    EXPECT_EQ(failed.out, "Compiling...\ncalc.y\n" + (directory / "calc.y") +
                              "(3) : error Y2036: undefined symbol 'B'\nscan.l\n\np - 1 error(s), 0 warning(s)\n");
    EXPECT_EQ(failed.err, "");
    directory.write("calc.y", "%token A\n%%\ns : A ;\n");
    const auto built = corvideBuild(directory, {"p.cvp"});
    EXPECT_EQ(built.exitStatus, 0) << built.err;
    EXPECT_EQ(built.out, "Compiling...\ncalc.y\n\np - 0 error(s), 0 warning(s)\n");
    const auto upToDate = corvideBuild(directory, {"p.cvp"});
    EXPECT_EQ(upToDate.out, "Compiling...\n\np - 0 error(s), 0 warning(s)\n");
    const auto rebuilt = corvideBuild(directory, {"--rebuild", "p.cvp"});
    EXPECT_EQ(rebuilt.exitStatus, 0);
    EXPECT_EQ(rebuilt.out, "Compiling...\ncalc.y\nscan.l\n\np - 0 error(s), 0 warning(s)\n");
}

// corvide-build with some of its standard streams closed, as nohup or a
// daemon may start it.
toolframe::testing::ProcessResult corvideBuildWithout(const TemporaryDirectory& directory, const std::string& closing)
{
    return toolframe::testing::runProcess(
        "/bin/sh", {"-c", std::string("exec \"$0\" p.cvp ") + closing, CORVIDE_BUILD_PROGRAM}, setupIn(directory));
}

TEST(CorvideBuild, BuildsWithItsStandardStreamsClosed)
{
    const TemporaryDirectory directory;
    directory.write("p.cvp", "[FilesInProject]\nFile1=calc.y\n");
    directory.write("calc.y", "%token A\n%%\ns : A ;\n");
    for (const std::string closing : {"<&-", "2>&-", "<&- 2>&-"}) {
        const auto built = corvideBuildWithout(directory, "--rebuild " + closing);
        EXPECT_EQ(built.exitStatus, 0) << closing << built.err;
        EXPECT_EQ(built.out, "Compiling...\ncalc.y\n\np - 0 error(s), 0 warning(s)\n") << closing;
    }
    std::remove((directory / "calc.c").c_str());
    // The tool still runs; only the report is lost, and that fails the run.
    const auto unreported = corvideBuildWithout(directory, "--rebuild >&-");
    EXPECT_EQ(unreported.exitStatus, 1);
    EXPECT_EQ(unreported.err, "corvide-build: the build's output could not be written.\n");
    EXPECT_TRUE(directory.exists("calc.c"));
}

TEST(CorvideBuild, AReportLostOnAFullDeviceFailsTheRun)
{
    const TemporaryDirectory directory;
    directory.write("p.cvp", "[FilesInProject]\nFile1=calc.y\n");
    directory.write("calc.y", "%token A\n%%\ns : A ;\n");
    for (const std::string request : {"", "--list"}) {
        const auto result = corvideBuildWithout(directory, request + " > /dev/full");
        EXPECT_EQ(result.exitStatus, 1) << request;
        EXPECT_EQ(result.err, "corvide-build: the build's output could not be written.\n") << request;
    }
}

// corvide-build copied beside a tool that sleeps with a child of its own:
// Ctrl-C on its terminal stops the build as Stop Build does.
TEST(CorvideBuild, StopsTheBuildOnCtrlC)
{
    const TemporaryDirectory tools;
    const std::string program = tools / "corvide-build";
    ASSERT_EQ(toolframe::testing::runProcess("/bin/cp", {CORVIDE_BUILD_PROGRAM, program}).exitStatus, 0);
    linkProgram(tools, CVSPAWN_PROGRAM, "cvspawn");
    writeScript(tools, "brannock", "echo $$ > \"$1.group\"; sleep 1000 & echo started; wait\n");
    const TemporaryDirectory directory;
    directory.write("p.cvp", "[FilesInProject]\nFile1=a.y\nFile2=b.y\n");
    toolframe::testing::TerminalSession session(program, {"p.cvp"}, setupIn(directory));
    ASSERT_TRUE(session.readUntil("started\n"));
    const pid_t group = static_cast<pid_t>(std::stol(directory.read("a.y.group")));
    session.send("\x03");
    EXPECT_EQ(session.finish(), 130);
    // The terminal echoes the key as ^C.
    std::string output = session.output();
    for (std::size_t at; (at = output.find("^C")) != std::string::npos;)
        output.erase(at, 2);
    EXPECT_EQ(output, "Compiling...\na.y\nstarted\n'" + (tools / "brannock") + " " + (directory / "a.y") +
                                    " -$ -i -v ' terminated at user request.\nTool execution cancelled by user.\n");
    EXPECT_FALSE(directory.exists("b.y.group"));
    EXPECT_FALSE(groupExists(group));
}

} // namespace
