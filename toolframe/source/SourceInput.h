#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "toolframe/diagnostics/Diagnostics.h"
#include "toolframe/platform/CodePage.h"

namespace toolframe {

// One character of the source file as a tool's scanner sees it.
struct SourceCharacter {
    static constexpr std::uint32_t kEndOfFile = 0xFFFFFFFFu;
    // What a sequence that does not convert decodes to: above every
    // character the scanner accepts.
    static constexpr std::uint32_t kUnconvertible = 0x110000u;

    std::uint32_t code;  // the wide character, or one of the markers above
    std::uint32_t value; // the bytes concatenated, most significant first
    std::uint16_t offset; // in the line buffer
    std::uint8_t length;

    bool isEndOfFile() const { return code == kEndOfFile; }
    bool is(char c) const { return code == static_cast<unsigned char>(c); }
};

// The numbers under which a tool reports what the input finds wrong.
struct SourceInputMessages {
    int illegalMultibyteCharacter;
    int lineTooLong;
};

// A tool's source file (grammar or scanner specification), a line at a time
// in a buffer of 2048 bytes, decoded into whole characters so that putting
// back never splits one.
class SourceInput : public LineSource {
public:
    static constexpr std::size_t kBufferSize = 2048;

    SourceInput(const CodePage& codePage, Diagnostics& diagnostics, SourceInputMessages messages);

    // A file that fails to read is fatal error 1010 naming it: the rest of
    // the file must not pass for its end.
    void open(std::FILE* file, std::string name)
    {
        file_ = file;
        name_ = std::move(name);
    }
    int currentLine() const override { return line_ == 0 ? 1 : line_; }

    // The next character; end of file once the file is through.
    const SourceCharacter& next();
    // Steps back over the last character read (within the current line).
    void putBack();

    // Marks where a lexeme starts: the next character read is its first.
    void mark() { mark_ = position_; }
    // Marks the character just read as the lexeme's first.
    void markLast() { mark_ = position_ > 0 ? position_ - 1 : 0; }
    // The bytes from the mark up to the last character read.
    std::string_view marked() const;
    // The bytes of one character.
    std::string_view bytesOf(const SourceCharacter& character) const;

    // True when the next character read starts a line.
    bool atLineStart() const { return position_ == 0 || position_ >= characters_.size(); }
    // Offset in the line of the next character to be read.
    std::size_t offset() const;
    // Replaces the marked bytes (mark up to the last character read) with
    // text, in the line itself, and goes on reading at the start of text:
    // Lindle expands a macro reference where it stands. False, with the line
    // unchanged, when the line would grow beyond capacity bytes.
    bool replaceMarked(std::string_view text, std::size_t capacity);

private:
    bool readLine();
    int readByte();
    void readCharacterInto(int first);
    void decodeLine();

    const CodePage& codePage_;
    Diagnostics& diagnostics_;
    SourceInputMessages messages_;
    std::FILE* file_ = nullptr;
    std::string name_;
    int line_ = 0;
    bool atEnd_ = false;
    std::vector<char> bytes_;
    std::vector<SourceCharacter> characters_;
    std::size_t position_ = 0; // index of the next character
    std::size_t mark_ = 0;
    SourceCharacter endOfFile_{SourceCharacter::kEndOfFile, 0, 0, 0};
};

} // namespace toolframe
