#pragma once

#include <cstddef>
#include <span>

namespace toolframe {

// The numbers of the messages both tools share, by what they say; each
// tool names its own numbers in a table of its own.
enum SharedMessage : int {
    MaximumErrorsReached = 1001,
    OutOfMemory = 1002,
    InvalidOption = 1003,
    FileExpectedAfterOption = 1004,
    NoSourceFile = 1005,
    DuplicateSourceFile = 1006,
    DuplicateOutputFile = 1007,
    DuplicateIncludeFile = 1008,
    DuplicateVerboseFile = 1009,
    UnableToOpenFile = 1010,
    FileOutputError = 1011,
};

// The fatal errors of a source that ends inside a construct. Both tools
// read user code through the frame's code copier, so both raise them, and
// at the line where the file ended.
enum SourceEndMessage : int {
    UnexpectedEndOfFile = 1012,
    EndOfFileInCodeBlock = 1013,
    EndOfFileInDeclarationCodeBlock = 1014,
    EndOfFileInAction = 1015,
    EndOfFileInComment = 1016,
    EndOfFileInCodeBlockComment = 1017,
    EndOfFileInDeclarationCodeBlockComment = 1018,
    EndOfFileInActionComment = 1019,
};

// A message's text. In the text "%s" stands for a text argument, "%d" for an
// integer and "%c" for a character code; arguments fill them in order.
struct MessageText {
    int number;
    const wchar_t* text;
};

enum class Severity { Fatal, Error, Warning };

// Fixed by the thousands digit: 1xxx fatal, 2xxx error, 4xxx warning.
Severity severityOf(int number);

// Message numbers first to last; the default holds none.
struct MessageRange {
    int first = 0;
    int last = -1;

    bool contains(int number) const { return number >= first && number <= last; }
};

// The messages of one tool: its own list, then those both tools share.
class MessageCatalog {
public:
    // A fatal error speaks of the run as a whole and has no position,
    // except those a tool raises while reading its source, which it names
    // in positionedFatals.
    explicit MessageCatalog(std::span<const MessageText> toolMessages, MessageRange positionedFatals = {});

    // nullptr for a number neither list holds.
    const wchar_t* find(int number) const;

    // Whether a report of the number starts with the source file and line:
    // every error and warning does, a fatal error only in positionedFatals.
    bool carriesPosition(int number) const;

private:
    std::span<const MessageText> toolMessages_;
    MessageRange positionedFatals_;
};

// The fatal errors that a tool raises while reading its source, which
// carry the position where it stopped.
inline constexpr MessageRange kSourceEndMessages{UnexpectedEndOfFile, EndOfFileInActionComment};

// The messages both tools share, by SharedMessage and SourceEndMessage.
std::span<const MessageText> sharedFatalMessages();

// Whether a list's numbers rise strictly, so that no number has two texts.
constexpr bool numbersRiseStrictly(std::span<const MessageText> messages)
{
    for (std::size_t i = 1; i < messages.size(); ++i)
        if (messages[i].number <= messages[i - 1].number)
            return false;
    return true;
}

} // namespace toolframe
