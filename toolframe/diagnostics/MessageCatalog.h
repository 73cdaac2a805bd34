#pragma once

#include <span>

namespace toolframe {

// A message's text. In the text "%s" stands for a text argument, "%d" for an
// integer and "%c" for a character code; arguments fill them in order.
struct MessageText {
    int number;
    const wchar_t* text;
};

enum class Severity { Fatal, Error, Warning };

// Fixed by the thousands digit: 1xxx fatal, 2xxx error, 4xxx warning.
Severity severityOf(int number);

// The messages of one tool: its own list, then those both tools share.
class MessageCatalog {
public:
    explicit MessageCatalog(std::span<const MessageText> toolMessages);

    // nullptr for a number neither list holds.
    const wchar_t* find(int number) const;

private:
    std::span<const MessageText> toolMessages_;
};

// Messages 1001 to 1011, the same in both tools.
std::span<const MessageText> sharedFatalMessages();

} // namespace toolframe
