#include "toolframe/output/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

#include "CapturedOutput.h"
#include "toolframe/testing/TemporaryDirectory.h"

using toolframe::OutputFile;

namespace {

const toolframe::MessageText kNoMessages[] = {{0, L""}};

class OutputFileTest : public ::testing::Test {
protected:
    CapturedOutput messages_;
    toolframe::Diagnostics diagnostics_{'Y', toolframe::MessageCatalog(kNoMessages), messages_.file()};
    toolframe::testing::TemporaryDirectory directory_;

    // The output named link.c, a link to target, opened and written to.
    std::unique_ptr<OutputFile> writtenThroughLink(const std::string& target)
    {
        directory_.link(target, "link.c");
        auto file = std::make_unique<OutputFile>(diagnostics_);
        file->open(directory_ / "link.c");
        file->write("partial");
        return file;
    }
};

} // namespace

TEST_F(OutputFileTest, WritesAndCloses)
{
    OutputFile file(diagnostics_);
    file.open(directory_ / "g.c");
    file.write("text\n");
    file.close();
    EXPECT_EQ(directory_.read("g.c"), "text\n");
    file.write("ignored after close");
    EXPECT_EQ(directory_.read("g.c"), "text\n");
}

TEST_F(OutputFileTest, DiscardRemovesTheFileItWrote)
{
    OutputFile file(diagnostics_);
    file.open(directory_ / "g.c");
    file.write("partial");
    file.discard();
    EXPECT_FALSE(directory_.exists("g.c"));
    file.write("after discard");
    EXPECT_FALSE(directory_.exists("g.c"));
}

TEST_F(OutputFileTest, DiscardRemovesAFileAlreadyClosed)
{
    OutputFile file(diagnostics_);
    file.open(directory_ / "g.h");
    file.write("#endif\n");
    file.close();
    file.discard();
    EXPECT_FALSE(directory_.exists("g.h"));
}

TEST_F(OutputFileTest, DiscardLeavesADeviceAlone)
{
    OutputFile file(diagnostics_);
    file.open("/dev/null");
    file.write("x");
    file.discard();
    struct stat status;
    ASSERT_EQ(::stat("/dev/null", &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));
}

TEST_F(OutputFileTest, DiscardThroughALinkRemovesTheTargetAndLeavesTheLink)
{
    directory_.write("target.c", "the user's text");
    writtenThroughLink("target.c")->discard();
    EXPECT_TRUE(directory_.isLink("link.c"));
    EXPECT_FALSE(directory_.exists("target.c"));
}

TEST_F(OutputFileTest, DiscardThroughAChainOfLinksRemovesTheFileAtItsEnd)
{
    std::filesystem::create_directory(directory_ / "real");
    directory_.link("real", "dir");
    directory_.link("dir/target.c", "first.c");
    const auto file = writtenThroughLink("first.c");
    file->close();
    ASSERT_TRUE(directory_.exists("real/target.c"));
    file->discard();
    EXPECT_FALSE(directory_.exists("real/target.c"));
    EXPECT_TRUE(directory_.isLink("link.c"));
    EXPECT_TRUE(directory_.isLink("first.c"));
    EXPECT_TRUE(directory_.isLink("dir"));
}

TEST_F(OutputFileTest, DiscardThroughALinkToADeviceLeavesBoth)
{
    writtenThroughLink("/dev/null")->discard();
    EXPECT_TRUE(directory_.isLink("link.c"));
    struct stat status;
    ASSERT_EQ(::stat("/dev/null", &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));
}

TEST_F(OutputFileTest, DiscardThroughALinkLeavesAFilePutInPlaceOfTheTarget)
{
    const auto file = writtenThroughLink("target.c");
    file->close();
    ASSERT_EQ(::rename((directory_ / "target.c").c_str(), (directory_ / "old.c").c_str()), 0);
    directory_.write("target.c", "someone else's");
    file->discard();
    EXPECT_EQ(directory_.read("target.c"), "someone else's");
    EXPECT_TRUE(directory_.isLink("link.c"));
}

// A name such as /dev/stdout leads back to a file the caller opened for
// the run, and holds open still: it is the caller's, not the run's.
TEST_F(OutputFileTest, DiscardLeavesAFileTheCallerHadOpen)
{
    directory_.write("log.txt", "");
    const int held = ::open((directory_ / "log.txt").c_str(), O_WRONLY | O_APPEND);
    ASSERT_GE(held, 0);
    OutputFile file(diagnostics_);
    file.open("/dev/fd/" + std::to_string(held));
    file.write("partial");
    file.discard();
    ::close(held);
    EXPECT_EQ(directory_.entries(), std::vector<std::string>{"log.txt"});
    EXPECT_EQ(directory_.read("log.txt"), "");
}

// Named, the file is the run's, though some descriptor (a lock a build
// tool holds, one a shell leaked) has it open too.
TEST_F(OutputFileTest, DiscardRemovesAFileItNamedThoughADescriptorHoldsIt)
{
    directory_.write("g.c", "old");
    const int held = ::open((directory_ / "g.c").c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    OutputFile file(diagnostics_);
    file.open(directory_ / "g.c");
    file.discard();
    ::close(held);
    EXPECT_EQ(directory_.entries(), std::vector<std::string>{});
}

TEST_F(OutputFileTest, DiscardLeavesTheFileALinkWasTurnedTo)
{
    directory_.write("other.c", "not ours");
    const auto file = writtenThroughLink("target.c");
    file->close();
    ASSERT_EQ(::unlink((directory_ / "link.c").c_str()), 0);
    directory_.link("other.c", "link.c");
    file->discard();
    EXPECT_EQ(directory_.read("other.c"), "not ours");
    // The file written is still the one removed.
    EXPECT_FALSE(directory_.exists("target.c"));
}

TEST_F(OutputFileTest, DiscardLeavesAFilePutInItsPlace)
{
    OutputFile file(diagnostics_);
    file.open(directory_ / "g.c");
    file.close();
    // Moved aside, not removed, so that the new file cannot reuse its inode.
    ASSERT_EQ(::rename((directory_ / "g.c").c_str(), (directory_ / "old.c").c_str()), 0);
    directory_.write("g.c", "someone else's");
    file.discard();
    EXPECT_EQ(directory_.read("g.c"), "someone else's");
}

TEST_F(OutputFileTest, UnopenableFileIsFatal1010)
{
    OutputFile file(diagnostics_);
    EXPECT_THROW(file.open(directory_ / "missing/g.c"), toolframe::RunAborted);
    EXPECT_EQ(messages_.text(), "fatal error Y1010: unable to open file '" + (directory_ / "missing/g.c") + "'\n");
    EXPECT_EQ(diagnostics_.errors(), 1);
}

TEST_F(OutputFileTest, FailedWriteIsFatal1011AndLeavesTheDevice)
{
    OutputFile file(diagnostics_);
    file.open("/dev/full");
    EXPECT_THROW(
        {
            file.write(std::string(OutputFile::kBufferSize * 2, 'x'));
            file.close();
        },
        toolframe::RunAborted);
    EXPECT_EQ(messages_.text(), "fatal error Y1011: file output error\n");
    struct stat status;
    ASSERT_EQ(::stat("/dev/full", &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));
}

TEST_F(OutputFileTest, FailedCloseIsFatal1011)
{
    OutputFile file(diagnostics_);
    file.open("/dev/full");
    file.write("fits in the buffer");
    EXPECT_THROW(file.close(), toolframe::RunAborted);
    EXPECT_EQ(messages_.text(), "fatal error Y1011: file output error\n");
}

namespace {

// How a child that opened g.c in the directory, wrote to it and then was
// sent signal ended: the signal that ended it, or 256 + its exit status.
int endOfInterruptedRun(toolframe::Diagnostics& diagnostics, const std::filesystem::path& directory, int signal,
                        bool ignoreIt)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (ignoreIt)
            std::signal(signal, SIG_IGN);
        OutputFile file(diagnostics);
        file.open(directory / "g.c");
        file.write("partial");
        ::kill(::getpid(), signal);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) ? WTERMSIG(status) : 256 + WEXITSTATUS(status);
}

} // namespace

TEST_F(OutputFileTest, ARunEndedByASignalLeavesNoFileBehind)
{
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGXCPU, SIGXFSZ, SIGALRM}) {
        EXPECT_EQ(endOfInterruptedRun(diagnostics_, directory_.path(), signal, false), signal);
        EXPECT_EQ(directory_.entries(), std::vector<std::string>{}) << strsignal(signal);
    }
}

TEST_F(OutputFileTest, ASignalTheRunWasStartedIgnoringStaysIgnored)
{
    EXPECT_EQ(endOfInterruptedRun(diagnostics_, directory_.path(), SIGHUP, true), 256);
    EXPECT_EQ(directory_.entries(), std::vector<std::string>{"g.c"});
}

TEST_F(OutputFileTest, ASignalAfterTheRunLetGoOfItsFileLeavesIt)
{
    const pid_t child = ::fork();
    if (child == 0) {
        {
            OutputFile file(diagnostics_);
            file.open(directory_ / "g.c");
            file.write("whole");
            file.close();
        }
        ::kill(::getpid(), SIGTERM);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    EXPECT_EQ(directory_.read("g.c"), "whole");
}

namespace {

// Waits for the child to end, for at most five seconds; how it ended as
// endOfInterruptedRun gives it, or -1 when it had to be killed.
int endWithin5Seconds(pid_t child)
{
    int status = 0;
    for (int waited = 0; waited < 500; ++waited) {
        if (::waitpid(child, &status, WNOHANG) == child)
            return WIFSIGNALED(status) ? WTERMSIG(status) : 256 + WEXITSTATUS(status);
        ::usleep(10000);
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    return -1;
}

} // namespace

// An output named after a pipe that nobody reads yet waits for a reader;
// a signal must still end that wait, and take the run's other files with it.
TEST_F(OutputFileTest, ASignalEndsAWaitForAPipesReader)
{
    ASSERT_EQ(::mkfifo((directory_ / "g.fifo").c_str(), 0600), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        OutputFile written(diagnostics_);
        written.open(directory_ / "g.c");
        written.write("partial");
        OutputFile waiting(diagnostics_);
        waiting.open(directory_ / "g.fifo");
        ::_exit(0);
    }
    // Until g.c exists the child has not reached the pipe; the signal is
    // sent once it has and may be waiting there.
    for (int waited = 0; waited < 500 && !directory_.exists("g.c"); ++waited)
        ::usleep(10000);
    ::usleep(100000);
    ::kill(child, SIGTERM);
    EXPECT_EQ(endWithin5Seconds(child), SIGTERM);
    EXPECT_EQ(directory_.entries(), std::vector<std::string>{"g.fifo"});
}

TEST_F(OutputFileTest, APipesReaderComingLaterGetsTheOutput)
{
    ASSERT_EQ(::mkfifo((directory_ / "g.fifo").c_str(), 0600), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        OutputFile file(diagnostics_);
        file.open(directory_ / "g.fifo");
        file.write("through the pipe");
        file.close();
        ::_exit(0);
    }
    ::usleep(100000);
    EXPECT_EQ(directory_.read("g.fifo"), "through the pipe");
    EXPECT_EQ(endWithin5Seconds(child), 256);
}

TEST_F(OutputFileTest, APipeWithAReaderGetsTheOutputAndStays)
{
    ASSERT_EQ(::mkfifo((directory_ / "g.fifo").c_str(), 0600), 0);
    const int reader = ::open((directory_ / "g.fifo").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    {
        OutputFile file(diagnostics_);
        file.open(directory_ / "g.fifo");
        file.write("written");
        file.close();
        file.discard();
    }
    char text[16] = {};
    EXPECT_EQ(::read(reader, text, sizeof text), 7);
    EXPECT_STREQ(text, "written");
    ::close(reader);
    EXPECT_EQ(directory_.entries(), std::vector<std::string>{"g.fifo"});
}
