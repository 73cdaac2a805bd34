#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "toolframe/output/OutputFile.h"
#include "toolframe/platform/CodePage.h"

namespace toolframe {

class LineDirectiveWriter;

// The names a stream's #line directives use.
struct LineNames {
    std::string own;     // for directives pointing into the generated file
    std::string grammar; // for directives pointing into the source file
};

// How #line directives are written, from the command line.
struct LineDirectiveSettings {
    bool enabled = true;      // false: kept, but commented out (-l)
    bool plainNames = false;  // names not escaped as strings (-f)
};

// A generated file with line tracking: it knows which line it is writing
// and which source line the text corresponds to, and writes a #line back to
// itself when copied user code has ended.
class OutputStream {
public:
    OutputStream(Diagnostics& diagnostics, const CodePage& codePage, LineDirectiveWriter& owner,
                 LineDirectiveSettings settings);

    void open(const std::string& path, LineNames names);
    void close() { file_.close(); }
    void discard() { file_.discard(); }
    bool isOpen() const { return file_.isOpen(); }
    const std::string& path() const { return file_.path(); }
    OutputFile& file() { return file_; }

    // One character: a byte, or a multibyte character's bytes concatenated
    // most significant first.
    void writeCharacter(std::uint32_t character);
    void writeNarrow(std::string_view text);
    void writeWide(std::wstring_view text);
    void writeFormatted(const char* format, ...) __attribute__((format(printf, 2, 3)));

    void setGrammarLine(int line);
    void requestResync() { resyncPending_ = true; }

    int line() const { return line_; }
    int grammarLine() const { return grammarLine_; }
    bool atLineStart() const { return atLineStart_; }
    const LineNames& names() const { return names_; }
    const LineDirectiveSettings& settings() const { return settings_; }
    const CodePage& codePage() const { return codePage_; }

private:
    void writeByte(char byte);

    OutputFile file_;
    const CodePage& codePage_;
    LineDirectiveWriter& owner_;
    LineDirectiveSettings settings_;
    LineNames names_;
    int line_ = 1;
    int grammarLine_ = 0;
    bool atLineStart_ = true;
    bool resyncPending_ = false;
};

// The names #line directives use in a file written from sourcePath: with
// full paths both are full; otherwise the file's own name without its
// directory, and the source as seen from the file. With short names every
// path is first put in its short form.
LineNames lineNamesFor(std::string_view outputPath, std::string_view sourcePath, bool fullPaths,
                       bool shortNames, const CodePage& codePage);

} // namespace toolframe
