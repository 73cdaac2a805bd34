#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "toolframe/diagnostics/MessageCatalog.h"

namespace toolframe {

// The current line of the input being read, for the position of a report.
class LineSource {
public:
    virtual ~LineSource() = default;
    virtual int currentLine() const = 0;
};

// Output that is thrown away once a run has failed.
class Discardable {
public:
    virtual ~Discardable() = default;
    virtual void discard() = 0;
};

// Thrown by Diagnostics after a fatal error has been printed and the outputs
// discarded; only the driver catches it, and the process then ends with
// status 1. It carries nothing: the report is already out.
struct RunAborted {};

// The text with each character that is not printable in the active code
// page (a control character, a zero byte, a byte that starts no character)
// replaced by its code, "0x%02x" or "0x%04x" as messages show codes, so that
// text from the input never puts a control byte into a line.
std::string printableText(std::string_view text);

// One argument of a message: a text (printed as printableText gives it), an integer
// ("%d") or a character code ("0x%02x" below 256, else "0x%04x"; wideCode
// always "0x%04x").
class MessageArgument {
public:
    enum class Kind { None, Text, Integer, Code, WideCode };

    MessageArgument() = default;
    MessageArgument(std::string_view text) : kind_(Kind::Text), text_(text) {}
    MessageArgument(const char* text) : kind_(Kind::Text), text_(text) {}
    MessageArgument(const std::string& text) : kind_(Kind::Text), text_(text) {}
    MessageArgument(long value) : kind_(Kind::Integer), value_(value) {}
    MessageArgument(int value) : kind_(Kind::Integer), value_(value) {}

    static MessageArgument code(unsigned long value);
    static MessageArgument wideCode(unsigned long value);

    void appendTo(std::string& line) const;

private:
    Kind kind_ = Kind::None;
    std::string_view text_;
    long value_ = 0;
};

// Every numbered message of a run: the line format, the counts of errors
// and warnings, the error limit, and discarding the outputs once the run has
// failed. What a warning means is the tool's business: a tool that wants a
// count of one kind counts it where it reports it.
class Diagnostics {
public:
    static constexpr int kErrorLimit = 100;

    Diagnostics(char letter, MessageCatalog catalog, std::FILE* out = stdout);

    // The source file name as given on the command line, for positions.
    void setSourceName(std::string name) { sourceName_ = std::move(name); }

    // Set once, after the stages exist and before any file is opened.
    void connect(const LineSource* input, Discardable* generatedFiles, Discardable* verboseFile);

    void report(int number, MessageArgument first = {}, MessageArgument second = {});
    void reportAt(int line, int number, MessageArgument first = {}, MessageArgument second = {});

    // Reports a fatal error (1xxx), which never returns.
    [[noreturn]] void fatal(int number, MessageArgument first = {}, MessageArgument second = {});

    int errors() const { return errors_; }
    int warnings() const { return warnings_; }

    // Closes and deletes the generated and verbose files (also called on a
    // fatal error found outside report, such as running out of memory).
    void discardOutputs();

private:
    std::string formatLine(int line, int number, const MessageArgument& first,
                           const MessageArgument& second) const;
    void print(const std::string& line);

    char letter_;
    MessageCatalog catalog_;
    std::FILE* out_;
    std::string sourceName_;
    const LineSource* input_ = nullptr;
    Discardable* generatedFiles_ = nullptr;
    Discardable* verboseFile_ = nullptr;
    int line_ = 1;
    int errors_ = 0;
    int warnings_ = 0;
};

} // namespace toolframe
