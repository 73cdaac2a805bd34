#include <gtest/gtest.h>

#include <string>

#include "ProjectTesting.h"
#include "corvide/cli/BuildListing.h"
#include "corvide/core/platform/AtomicFile.h"
#include "toolframe/testing/ProcessRunner.h"
#include "toolframe/testing/TemporaryDirectory.h"

namespace {

using corvide::testing::setModificationTime;
using toolframe::testing::TemporaryDirectory;

const corvide::CToolPrograms kPrograms{"/opt/tools/brannock", "/opt/my tools/lindle"};

TEST(BuildListing, ShowsKindStateAndCommandOfEveryFile)
{
    const TemporaryDirectory directory;
    directory.write("calc.y", "");
    directory.write("calc.c", "");
    setModificationTime(directory / "calc.y", 1000);
    setModificationTime(directory / "calc.c", 2000);
    corvide::CProject project;
    project.initialise(directory / "calc.cvp", corvide::testing::openingDefaults());
    project.addFile(directory / "calc.y", true);
    project.addFile(directory / "lex.l", true);
    project.addFile(directory / "notes.txt", true);
    EXPECT_EQ(corvide::buildListing(project, false, kPrograms),
              "calc.y\tgrammar\tup to date\t/opt/tools/brannock " + (directory / "calc.y") + " -$ -i -v\n" +
                  "lex.l\tscanner\tout of date\t\"/opt/my tools/lindle\" " + (directory / "lex.l") + " -$ -i -v\n" +
                  "notes.txt\tother\tnever built\t\n");
    const std::string rebuild = corvide::buildListing(project, true, kPrograms);
    EXPECT_NE(rebuild.find("calc.y\tgrammar\trebuild\t"), std::string::npos);
    EXPECT_NE(rebuild.find("notes.txt\tother\tnever built\t"), std::string::npos);
}

toolframe::testing::ProcessResult corvideBuild(const TemporaryDirectory& directory,
                                               const std::vector<std::string>& arguments)
{
    toolframe::testing::ProcessSetup setup;
    setup.workingDirectory = directory.path();
    setup.environment = {{"XDG_CONFIG_HOME", directory / "config"}};
    return toolframe::testing::runProcess(CORVIDE_BUILD_PROGRAM, arguments, setup);
}

TEST(CorvideBuild, ListsAProjectWithTheGeneratorsBesideIt)
{
    const TemporaryDirectory directory;
    directory.write("p.cvp", "[FilesInProject]\nFile1=calc.Y\nFile2=notes.txt\n[BrannockOptions]\nOptionCapitalT=j\n");
    const auto result = corvideBuild(directory, {"p.cvp", "--list"});
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    const std::string brannock = BRANNOCK_PROGRAM;
    EXPECT_EQ(result.out, "calc.Y\tgrammar\tout of date\t" + brannock + " " + (directory / "calc.Y") +
                              " -$ -Tj -v\nnotes.txt\tother\tnever built\t\n");
}

TEST(CorvideBuild, TakesTheNewProjectLanguageForMissingKeys)
{
    const TemporaryDirectory directory;
    ASSERT_TRUE(corvide::platform::makeDirectories(directory / "config/Fernhollow Software"));
    directory.write("config/Fernhollow Software/Corvane 2.ini", "[NewProject]\nTargetLanguage=dword:00000001\n");
    directory.write("p.cvp", "[FilesInProject]\nFile1=s.l\n");
    const auto result = corvideBuild(directory, {"--rebuild", "--list", "p.cvp"});
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_NE(result.out.find("s.l\tscanner\trebuild\t"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find(" -$ -Tcpp -i -v\n"), std::string::npos) << result.out;
}

TEST(CorvideBuild, RefusesWhatItCannotDo)
{
    const TemporaryDirectory directory;
    EXPECT_EQ(corvideBuild(directory, {}).exitStatus, 2);
    EXPECT_EQ(corvideBuild(directory, {"a.cvp", "b.cvp", "--list"}).exitStatus, 2);
    EXPECT_EQ(corvideBuild(directory, {"a.cvp", "--lst"}).exitStatus, 2);
    const auto missing = corvideBuild(directory, {"missing.cvp", "--list"});
    EXPECT_EQ(missing.exitStatus, 1);
    EXPECT_EQ(missing.err, "missing.cvp was not found.\n");
    directory.write("p.cvp", "");
    const auto nothing = corvideBuild(directory, {"p.cvp"});
    EXPECT_EQ(nothing.exitStatus, 1);
    EXPECT_EQ(nothing.err, "There is no source file to build.\n");
}

} // namespace
