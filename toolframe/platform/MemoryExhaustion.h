#pragma once

#include <new>

namespace toolframe {

// Raised by every failed allocation while a MemoryExhaustionHandler is in
// place; the driver turns it into fatal error 1002.
class CMemoryException : public std::bad_alloc {
public:
    const char* what() const noexcept override { return "out of memory"; }
};

// Installs the new-handler that raises CMemoryException and puts the
// previous handler back when it goes.
class MemoryExhaustionHandler {
public:
    MemoryExhaustionHandler();
    ~MemoryExhaustionHandler();
    MemoryExhaustionHandler(const MemoryExhaustionHandler&) = delete;
    MemoryExhaustionHandler& operator=(const MemoryExhaustionHandler&) = delete;

private:
    std::new_handler previous_;
};

} // namespace toolframe
