#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "toolframe/diagnostics/Diagnostics.h"
#include "toolframe/platform/FileIdentity.h"
#include "toolframe/platform/UnfinishedFile.h"

namespace toolframe {

// A file a generator writes. Writes to a file that is not open are ignored,
// so a run that has failed goes on reading without touching its outputs.
// Until the run is over, a signal that ends it removes the file.
class OutputFile {
public:
    static constexpr std::size_t kBufferSize = 5120;

    explicit OutputFile(Diagnostics& diagnostics) : diagnostics_(diagnostics) {}
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Opens for writing, truncating; fatal error 1010 when it cannot.
    void open(const std::string& path);
    bool isOpen() const { return file_ != nullptr; }
    const std::string& path() const { return path_; }
    std::optional<FileIdentity> identity() const { return identity_; }

    // A failed write is fatal error 1011.
    void write(std::string_view bytes);

    // A failed close is fatal error 1011.
    void close();

    // Closes the file and removes it, also when it has already been closed.
    // Only the regular file this run created or truncated is removed, also
    // when the path reached it through links: the links, a device, a pipe,
    // a file put in its place and a file the caller had open for the run
    // (its standard output, named /dev/stdout) stay.
    void discard();

private:
    [[noreturn]] void reportOutputError();

    Diagnostics& diagnostics_;
    std::FILE* file_ = nullptr;
    std::string path_;
    std::string writtenPath_; // the file's own name, links followed
    std::optional<FileIdentity> identity_;
    bool owned_ = false; // a regular file reached by name, not through a descriptor
    bool discarded_ = false;
    UnfinishedFile unfinished_;
    char buffer_[kBufferSize];
};

} // namespace toolframe
