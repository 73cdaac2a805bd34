#pragma once

#include <string>

#include "corvide/core/project/SourceKind.h"

namespace corvide {

// One file of a project. Made and owned by CProject, which keeps its files
// sorted by stored name; a file's names do not change while it is in the
// project, so pointers to it stay valid until it is removed or the project
// is reset.
class CProjectFile {
public:
    CProjectFile(std::string storedName, std::string fullPath, std::string foldedName, SourceKind kind)
        : storedName_(std::move(storedName)), fullPath_(std::move(fullPath)), foldedName_(std::move(foldedName)),
          kind_(kind)
    {
    }

    // What the project file holds: relative to the project file, or absolute.
    const std::string& storedName() const { return storedName_; }
    // Absolute; empty when the stored name could not be made absolute.
    const std::string& fullPath() const { return fullPath_; }
    // The stored name with its letters folded, which orders the project.
    const std::string& foldedName() const { return foldedName_; }
    SourceKind kind() const { return kind_; }

private:
    std::string storedName_;
    std::string fullPath_;
    std::string foldedName_;
    SourceKind kind_;
};

} // namespace corvide
