#pragma once

#include <cstdint>
#include <optional>

namespace corvide::platform {

// Four bytes of anonymous shared memory (a memfd) that a spawner inherits
// and writes the tool's exit code into.
class SharedWord {
public:
    SharedWord();
    ~SharedWord();
    SharedWord(const SharedWord&) = delete;
    SharedWord& operator=(const SharedWord&) = delete;

    // errno of the failed creation; 0 when the word exists (and holds 0).
    int creationError() const { return error_; }
    int descriptor() const { return fd_; }

    std::optional<std::uint32_t> read() const;

private:
    int fd_ = -1;
    int error_ = 0;
};

} // namespace corvide::platform
