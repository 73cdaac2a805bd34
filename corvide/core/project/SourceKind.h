#pragma once

#include <string_view>

#include "toolframe/platform/CodePage.h"

namespace corvide {

// What a project file is, by the extension of its path, and so which tool
// builds it.
enum class SourceKind {
    Grammar, // ".y", ".yac": built by Brannock
    Scanner, // ".l", ".lex": built by Lindle
    Other,   // never built
};

// The extension is the text after the last '.' of the file-name part
// ('/' and '\\' both separate directories), compared case-insensitively.
SourceKind sourceKindOf(std::string_view path, const toolframe::CodePage& codePage);

// Whether the file-name part has a '.' at all; a file without one keeps
// the tool of the previous single-file compile.
bool hasExtension(std::string_view path, const toolframe::CodePage& codePage);

bool isBuilt(SourceKind kind);

// "grammar", "scanner" or "other", for listings.
std::string_view sourceKindName(SourceKind kind);

} // namespace corvide
