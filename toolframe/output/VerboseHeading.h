#pragma once

#include <string_view>

#include "toolframe/output/OutputFile.h"
#include "toolframe/platform/CodePage.h"
#include "toolframe/platform/LocalClock.h"

namespace toolframe {

// What opens a verbose report: the box of '#' that names the report, the
// file it was generated from, when, and by which tool.
struct VerboseHeading {
    std::string_view reportKind; // "YACC verbose file", "Lex verbose file"
    std::string_view sourcePath;
    std::string_view toolName;   // "Brannock", "Lindle"
    std::string_view version;
    const DateTimeStamp* stamp;
};

void writeVerboseHeading(OutputFile& file, const VerboseHeading& heading, const CodePage& codePage);

// A section title between two rules of '#' of the given width, and an
// empty line after it unless it is the last.
void writeVerboseTitle(OutputFile& file, std::string_view title, std::size_t ruleWidth, bool emptyLineAfter = true);

} // namespace toolframe
