#pragma once

namespace corvide {

class CProjectFile;

// What a view of the project (the project window's tree) is told. Calls
// come on the thread that changes the project.
class CProjectObserver {
public:
    virtual ~CProjectObserver() = default;
    // A file entered the project: added, or read by load().
    virtual void fileAdded(const CProjectFile&) {}
    // Called before the file is destroyed.
    virtual void fileRemoved(const CProjectFile&) {}
    // Every file is about to go: the project closes or is initialised anew.
    virtual void projectReset() {}
};

} // namespace corvide
