#pragma once

#include <string>
#include <string_view>

#include "toolframe/platform/CodePage.h"

// File-name services. Names are narrow multibyte text: a double-byte
// character is never split, so a trail byte equal to '\\' is not a separator.
// Both '/' and '\\' separate directories in the names a user writes; a drive
// prefix "X:" counts only at the very start.
namespace toolframe::path {

bool isSeparator(char c);

// Everything after the last separator (or after a leading drive prefix).
std::string_view fileNamePart(std::string_view name, const CodePage& codePage);

// Everything up to and including the last separator (or the drive prefix).
std::string_view directoryPart(std::string_view name, const CodePage& codePage);

// Keeps the name up to and including the last '.' of its file-name part and
// appends extension; without such a '.', appends '.' and extension.
std::string replaceExtension(std::string_view name, std::string_view extension,
                             const CodePage& codePage);

// Absolute and lexically normalised ("." and ".." resolved, no repeated
// '/'); the file need not exist. These follow the file system, where only '/'
// separates directories.
std::string fullPath(std::string_view name);
std::string fullPath(std::string_view name, std::string_view workingDirectory);

// The path of target relative to the directory of origin (both files), with
// no leading "./"; the full path of target when none can be formed.
std::string relativePath(std::string_view origin, std::string_view target);

// There are no 8.3 names here: a path is its own short form.
std::string shortPath(std::string_view name);

} // namespace toolframe::path
