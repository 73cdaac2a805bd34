#pragma once

#include <string>

namespace corvide::platform {

// An exclusive advisory lock held for the lifetime of the object, taken on
// a lock file of its own (the file it guards is replaced by renames, so it
// cannot carry the lock). Threads and processes that lock the same path
// wait for one another.
class FileLock {
public:
    // Waits for the lock; the lock file and its directory are made when
    // missing. locked() tells whether it was taken.
    explicit FileLock(const std::string& lockPath);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool locked() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

} // namespace corvide::platform
