#pragma once

#include <optional>
#include <string_view>

#include "lindle/nfa/Nfa.h"
#include "lindle/regex/CharacterSpace.h"
#include "lindle/regex/ExpressionTokenizer.h"
#include "lindle/regex/Translation.h"
#include "toolframe/diagnostics/Diagnostics.h"

namespace lindle {

// Turns one regular expression into an automaton fragment, settling what
// every character in it stands for, and reports what is wrong with it at
// the rule's line. One token of look-ahead; a syntax error abandons the
// expression, since its rule could never be matched as written.
class ExpressionParser {
public:
    ExpressionParser(Nfa& nfa, CharacterSpace& space, const Translation& translation,
                     toolframe::Diagnostics& diagnostics, bool unicode, bool caseInsensitive);

    // Nothing after a syntax error.
    std::optional<NfaFragment> parse(std::string_view text, const CharacterSettings& settings, int line);
    // One newline character in the settings' code page, as '$' reads it.
    NfaFragment newline(const CharacterSettings& settings, int line);

private:
    struct Abandoned {};

    NfaFragment expression();
    NfaFragment branch();
    NfaFragment piece();
    NfaFragment atom();
    NfaFragment repetition(NfaFragment piece);
    std::uint32_t repetitionCount();
    void advance() { token_ = tokenizer_->next(); }
    void expect(Token token);
    [[noreturn]] void unexpected();
    static bool startsPiece(Token token);

    NfaFragment characterAtom(std::string_view text);
    NfaFragment stringAtom(const ExpressionToken& token);
    NfaFragment classAtom(const ExpressionToken& token);
    NfaFragment dotAtom();
    void classExpression(std::string_view name, CharacterSet& set);
    // One character or escape from the front of text, which it consumes.
    std::vector<std::uint32_t> character(std::string_view& text, bool inClass);
    std::uint32_t numericEscape(std::string_view& text, bool inClass, bool hexadecimal, bool& valid);
    NfaFragment sequence(const std::vector<std::uint32_t>& values);
    NfaFragment node(CharacterSet set);

    void report(int number, toolframe::MessageArgument first = {}, toolframe::MessageArgument second = {});

    Nfa& nfa_;
    CharacterSpace& space_;
    const Translation& translation_;
    toolframe::Diagnostics& diagnostics_;
    bool caseInsensitive_;
    toolframe::CodePage sourceCodePage_;
    CharacterMode mode_;
    int line_ = 0;
    int depth_ = 0; // parentheses open around the current token
    bool classHasError_ = false;
    std::optional<ExpressionTokenizer> tokenizer_;
    ExpressionToken token_;
};

} // namespace lindle
