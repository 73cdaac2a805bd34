#include "toolframe/output/OutputFile.h"

#include <cstdio>

#include <sys/stat.h>

#include "toolframe/platform/UnwrittenOutput.h"

namespace toolframe {

OutputFile::~OutputFile()
{
    if (file_ != nullptr)
        std::fclose(file_);
}

namespace {

bool namesAPipe(const std::string& path)
{
    struct stat status;
    return ::stat(path.c_str(), &status) == 0 && S_ISFIFO(status.st_mode);
}

} // namespace

void OutputFile::open(const std::string& path)
{
    path_ = path;
    // A pipe is never the run's to remove, so nothing needs watching; and
    // its open waits for a reader, for as long as it takes, which the
    // signals must be free to end.
    std::optional<UnfinishedFile::SignalsHeld> held;
    if (!namesAPipe(path))
        held.emplace();
    file_ = std::fopen(path.c_str(), "w");
    if (file_ == nullptr)
        diagnostics_.fatal(UnableToOpenFile, path);
    std::setvbuf(file_, buffer_, _IOFBF, kBufferSize);
    identity_ = identityOfStream(file_);
    // Resolved now, while the path still leads to the file just opened: a
    // link changed or removed later must neither spare that file nor doom
    // another.
    writtenPath_ = resolvedPath(path).value_or(path);
    // A file the caller opened and handed over (its standard output named
    // /dev/stdout) is the caller's, with the run's own diagnostics in it:
    // only a file that a name stands for is the run's to remove.
    owned_ = identity_ && identity_->regular && !reachesAnOpenDescriptor(path);
    if (owned_)
        unfinished_.begin(writtenPath_, *identity_);
}

void OutputFile::reportOutputError()
{
    // The stream is unusable; let discard close it without a second report.
    diagnostics_.fatal(FileOutputError);
}

void OutputFile::write(std::string_view bytes)
{
    if (file_ == nullptr || bytes.empty())
        return;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size() || std::ferror(file_))
        reportOutputError();
}

void OutputFile::close()
{
    if (file_ == nullptr)
        return;
    std::FILE* file = file_;
    file_ = nullptr;
    if (std::fclose(file) != 0)
        reportOutputError();
}

void OutputFile::discard()
{
    if (file_ != nullptr) {
        // What is still buffered is dropped, not written: a file that stays
        // (a pipe, or the caller's standard output, which holds the run's
        // diagnostics) gets no more of a run that failed.
        dropUnwrittenOutput(file_);
        std::fclose(file_);
        file_ = nullptr;
    }
    unfinished_.finish();
    if (discarded_ || !owned_)
        return;
    discarded_ = true;
    const auto now = identityOfLink(writtenPath_);
    if (now && now->regular && now->sameFileAs(*identity_))
        std::remove(writtenPath_.c_str());
}

} // namespace toolframe
