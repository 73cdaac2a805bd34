#pragma once

#include <cstddef>
#include <optional>

// Descriptors for a child's standard handles. Every descriptor made here is
// closed on exec, so a process started by another thread never inherits
// it; a child gets its ends only as its standard descriptors. Each call
// gives the errno of a failure, 0 on success.
namespace corvide::platform {

struct PipeEnds {
    int read = -1;
    int write = -1;
};

int createPipe(PipeEnds& ends);

int duplicateDescriptor(int fd, int& copy);

// Closes fd when open and marks it closed (-1), even when close() reports
// an error, after which the descriptor is gone all the same.
int closeDescriptor(int& fd);

// Bytes read into buffer, 0 at the end of the pipe, nothing on an error.
std::optional<std::size_t> readSome(int fd, char* buffer, std::size_t size);

} // namespace corvide::platform
