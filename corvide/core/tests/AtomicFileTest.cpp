#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "ChildProcess.h"
#include "corvide/core/platform/AtomicFile.h"
#include "toolframe/testing/TemporaryDirectory.h"

namespace {

using corvide::platform::readWholeFile;
using corvide::platform::replaceFile;
using corvide::testing::ChildSetup;
using corvide::testing::runInChild;
using toolframe::testing::TemporaryDirectory;

mode_t modeOf(const std::string& path)
{
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

TEST(AtomicFile, CreatesAndReplacesLeavingNoTemporaryFile)
{
    const TemporaryDirectory directory;
    ASSERT_TRUE(replaceFile(directory / "p.cvp", "first\n"));
    ASSERT_TRUE(replaceFile(directory / "p.cvp", "second\n"));
    EXPECT_EQ(readWholeFile(directory / "p.cvp"), "second\n");
    EXPECT_EQ(directory.entries(), std::vector<std::string>{"p.cvp"});
    EXPECT_EQ(readWholeFile(directory / "missing"), std::nullopt);
}

TEST(AtomicFile, AReplacedFileKeepsItsMode)
{
    const TemporaryDirectory directory;
    directory.write("p.cvp", "old");
    ::chmod((directory / "p.cvp").c_str(), 0640);
    ASSERT_TRUE(replaceFile(directory / "p.cvp", "new"));
    EXPECT_EQ(modeOf(directory / "p.cvp"), 0640u);
}

TEST(AtomicFile, ALinkStaysALinkAndItsTargetIsReplaced)
{
    const TemporaryDirectory directory;
    ::mkdir((directory / "real").c_str(), 0755);
    directory.write("real/p.cvp", "old");
    directory.link("real/p.cvp", "p.cvp");
    ASSERT_TRUE(replaceFile(directory / "p.cvp", "new"));
    EXPECT_TRUE(directory.isLink("p.cvp"));
    EXPECT_EQ(directory.read("real/p.cvp"), "new");
}

TEST(AtomicFile, AFileSizeLimitLeavesThePreviousFileAndNoTemporary)
{
    const TemporaryDirectory directory;
    directory.write("p.cvp", "previous\n");
    const std::string big(100000, 'x');
    const int status = runInChild(ChildSetup{4096, false}, [&] { return replaceFile(directory / "p.cvp", big) ? 0 : 1; });
    EXPECT_EQ(status, 1);
    EXPECT_EQ(directory.read("p.cvp"), "previous\n");
    EXPECT_EQ(directory.entries(), std::vector<std::string>{"p.cvp"});
}

// Root writes wherever it likes; the child drops to "nobody" first.
TEST(AtomicFile, AReadOnlyDirectoryLeavesThePreviousFile)
{
    const TemporaryDirectory directory;
    ::chmod(directory.path().c_str(), 0755);
    ::mkdir((directory / "ro").c_str(), 0755);
    directory.write("ro/p.cvp", "previous\n");
    ::chmod((directory / "ro/p.cvp").c_str(), 0666);
    ::chmod((directory / "ro").c_str(), 0555);
    const int status = runInChild(ChildSetup{std::nullopt, true},
                                  [&] { return replaceFile(directory / "ro/p.cvp", "new\n") ? 0 : 1; });
    ::chmod((directory / "ro").c_str(), 0755);
    if (status == 126)
        GTEST_SKIP() << "cannot drop privileges here";
    EXPECT_EQ(status, 1);
    EXPECT_EQ(directory.read("ro/p.cvp"), "previous\n");
    EXPECT_EQ(directory.entries(), std::vector<std::string>{"ro"});
}

TEST(AtomicFile, AReadOnlyFileIsLeftAlone)
{
    const TemporaryDirectory directory;
    ::chmod(directory.path().c_str(), 0777);
    directory.write("p.cvp", "previous\n");
    ::chmod((directory / "p.cvp").c_str(), 0444);
    const int status = runInChild(ChildSetup{std::nullopt, true},
                                  [&] { return replaceFile(directory / "p.cvp", "new\n") ? 0 : 1; });
    if (status == 126)
        GTEST_SKIP() << "cannot drop privileges here";
    EXPECT_EQ(status, 1);
    EXPECT_EQ(directory.read("p.cvp"), "previous\n");
}

TEST(AtomicFile, MakesMissingDirectories)
{
    const TemporaryDirectory directory;
    EXPECT_TRUE(corvide::platform::makeDirectories(directory / "a/b/c"));
    EXPECT_TRUE(corvide::platform::makeDirectories(directory / "a/b/c"));
    directory.write("file", "");
    EXPECT_FALSE(corvide::platform::makeDirectories(directory / "file"));
    EXPECT_FALSE(corvide::platform::makeDirectories(directory / "file/sub"));
}

} // namespace
