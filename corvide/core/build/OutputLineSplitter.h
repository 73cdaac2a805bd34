#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "toolframe/platform/CodePage.h"

namespace corvide {

// Cuts a tool's output, as it arrives in reads of any size, into lines. A
// line feed ends a line; a carriage return ends it too, and swallows a line
// feed straight after it. A lead byte makes the bytes of its character
// trail bytes that are taken as they are: in a double-byte code page the
// next byte whatever it is, in UTF-8 the continuation bytes that follow.
// Every ended line is handed on, empty or not; at the end of the output an
// unfinished line is handed on unless it is empty.
//
// A line longer than the limit is handed on in pieces of that length (cut
// between characters), so that a tool writing without line ends cannot
// make the workbench hold all it writes as one line.
class COutputLineSplitter {
public:
    using LineSink = std::function<void(std::string)>;
    static constexpr std::size_t kMaximumLine = 64 * 1024;

    COutputLineSplitter(toolframe::CodePage codePage, LineSink sink, std::size_t maximumLine = kMaximumLine);

    void feed(std::string_view bytes);
    void finish();

private:
    void take(unsigned char byte);
    void endLine();
    std::size_t trailBytesAfter(unsigned char lead) const;

    toolframe::CodePage codePage_;
    LineSink sink_;
    std::size_t maximumLine_;
    std::string line_;
    bool afterCarriageReturn_ = false;
    std::size_t trailBytes_ = 0;
};

} // namespace corvide
