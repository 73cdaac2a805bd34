#pragma once

#include <string_view>

#include "lindle/reader/LexReader.h"
#include "toolframe/platform/CodePage.h"

namespace lindle {

// One token of a rule's expression: its number (as the reader names
// tokens in messages) and its text, which for characters, strings and
// classes still holds quotes, brackets and escapes.
struct ExpressionToken {
    Token token = Token::Action;
    std::string_view text;
    bool closed = false; // a string or class whose closing quote or bracket is in text
};

// Splits an expression into tokens. What a character, string or class
// stands for depends on the character mode, which a prefix can change for
// the next atom only; the parser decodes their text once it knows.
class ExpressionTokenizer {
public:
    ExpressionTokenizer(std::string_view text, const toolframe::CodePage& sourceCodePage)
        : text_(text), codePage_(sourceCodePage)
    {
    }

    ExpressionToken next();
    // Inside a repetition's braces: integers, ',' and '}'.
    ExpressionToken nextInRepetition();
    // The token that follows the expression in the rule.
    static constexpr Token kEnd = Token::Action;

private:
    std::size_t characterLength(std::size_t at) const;
    std::size_t escapeEnd(std::size_t at) const;
    ExpressionToken take(Token token, std::size_t length, bool closed = false);

    std::string_view text_;
    const toolframe::CodePage& codePage_;
    std::size_t position_ = 0;
};

} // namespace lindle
