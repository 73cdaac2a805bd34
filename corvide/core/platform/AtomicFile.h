#pragma once

#include <optional>
#include <string>

// Whole-file reading and replacement for the workbench's own text files
// (projects, workspaces, settings). A replacement goes through a temporary
// file beside the target that is written, flushed to the disk and renamed
// over it, so a crash, a full disk or a file-size limit leaves either the
// old file or the new one, never a mixture.
namespace corvide::platform {

// The whole file; nothing when it does not exist or cannot be read.
std::optional<std::string> readWholeFile(const std::string& path);

// Replaces (or creates) the file at path with content. A link is followed,
// so the file it names is replaced and the link stays. A file that exists
// and may not be written is left alone. False when the file is unchanged
// for any reason; then no temporary file is left behind either.
bool replaceFile(const std::string& path, const std::string& content);

// Makes the directory and its missing parents; true when it exists after.
bool makeDirectories(const std::string& path);

} // namespace corvide::platform
