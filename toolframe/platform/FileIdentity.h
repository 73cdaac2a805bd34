#pragma once

#include <cstdio>
#include <optional>
#include <string>

namespace toolframe {

// Which file a name or an open stream is, so that two names for one file
// are recognised and a discarded output is removed only when the path still
// names the very file that was written.
struct FileIdentity {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    bool regular = false;
    bool directory = false;

    bool sameFileAs(const FileIdentity& other) const
    {
        return device == other.device && inode == other.inode;
    }
};

// Follows links; nothing when the name cannot be looked up.
std::optional<FileIdentity> identityOfPath(const std::string& path);

// The name itself, not what a link points at.
std::optional<FileIdentity> identityOfLink(const std::string& path);

std::optional<FileIdentity> identityOfStream(std::FILE* stream);

// Whether a descriptor of this process other than own has the file open:
// one its caller opened and handed over, such as the standard output that
// a name like /dev/stdout or /dev/fd/1 leads back to.
bool heldOnAnotherDescriptor(const FileIdentity& identity, int own);

// The name of the file itself, absolute, with every link on the way
// followed; nothing when the path cannot be resolved.
std::optional<std::string> resolvedPath(const std::string& path);

} // namespace toolframe
