#pragma once

#include <span>
#include <string_view>

#include "toolframe/platform/CodePage.h"
#include "toolframe/platform/LocalClock.h"

namespace toolframe {

class OutputStream;

// The comment box at the top of every generated file.
struct BannerBox {
    static constexpr std::string_view kTop =
        "/****************************************************************************";
    static constexpr std::string_view kLinePrefix = "* ";
    static constexpr std::string_view kBottom =
        "****************************************************************************/";
};

struct BannerText {
    std::string_view outputPath;  // the generated file
    std::string_view kind;        // "C source file", "C++ header file", ...
    std::string_view sourcePath;  // the grammar or scanner specification
    std::string_view toolName;    // "Brannock", "Lindle"
    std::string_view version;     // "2.07"
    const DateTimeStamp* stamp;
};

void writeBanner(OutputStream& stream, const BannerText& text, const CodePage& codePage);

// A note in the same box, one line of text a line, and an empty line.
void writeNoteBox(OutputStream& stream, std::span<const std::string_view> lines);

// A line of slashes and the heading in a C++ or Java comment below it, as
// generated code sets off a class and its constructor and destructor.
void writeSeparatorHeading(OutputStream& stream, std::string_view heading);

} // namespace toolframe
