#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lindle {

// Which directive chose the code page: the messages for characters it
// cannot hold name it.
enum class CodePageKind { Ansi, Oem, Ascii, Numbered };

// Which character values a rule's characters are read in; the directives
// of the rules section change it for the rules that follow.
struct CharacterSettings {
    bool characters = false;     // %char: a double-byte character is one; %byte: each byte counts
    int codePage = 0;            // %codepage n, %codepage_ansi, %codepage_oem, %codepage_ascii (0)
    CodePageKind codePageKind = CodePageKind::Ansi;
    bool asciiClasses = true;    // %ascii, else %current
};

// One expression of the rules section as the reader found it, macro
// references already replaced.
struct RuleExpression {
    int line = 0;                // of the expression
    int actionNumber = 0;        // 1, 2, 3, ... in order of appearance
    std::string text;            // the regular expression; may be empty before / or $
    bool hasTrailingContext = false;
    std::string trailingContext; // after '/'; empty with '$'
    bool trailingNewline = false; // '$'
    bool endOfFile = false;      // <<EOF>>
    bool anchored = false;       // '^'
    bool allConditions = false;  // <*>
    std::vector<int> conditions; // numbers, as written; empty: the inclusive ones
    CharacterSettings settings;
};

// Consecutive characters that the translation table maps to one value.
struct TranslationRun {
    std::uint32_t first;
    std::uint32_t last;
    int value;
};

// A declared start condition, by number (INITIAL is 0).
struct StartConditionInfo {
    std::string name;
    bool exclusive = false;
};

// What the reader hands on: the regular-expression builder implements it.
class ExpressionBuilder {
public:
    virtual ~ExpressionBuilder() = default;
    // Once the definitions are read: the start conditions by number
    // (INITIAL first) and the translation table as runs.
    virtual void definitionsRead(const std::vector<StartConditionInfo>& conditions,
                                 const std::vector<TranslationRun>& translation) = 0;
    virtual void expression(const RuleExpression& rule) = 0;
    // The rules section was read; only the program code may follow.
    virtual void rulesRead() = 0;
};

} // namespace lindle
