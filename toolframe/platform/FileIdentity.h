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

// Whether the path leads to its file through a descriptor of the process
// (/dev/stdout, /dev/fd/3, /proc/self/fd/1): a file its caller opened and
// handed over, not one a name stands for.
bool reachesAnOpenDescriptor(const std::string& path);

// The name of the file itself, absolute, with every link on the way
// followed; nothing when the path cannot be resolved.
std::optional<std::string> resolvedPath(const std::string& path);

} // namespace toolframe
