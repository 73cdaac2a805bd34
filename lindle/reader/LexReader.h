#pragma once

#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "lindle/ToolOptions.h"
#include "lindle/emit/ScannerEmitter.h"
#include "lindle/reader/ExpressionBuilder.h"
#include "lindle/reader/LexInput.h"
#include "lindle/reader/SymbolTable.h"

namespace lindle {

// The reader's tokens, numbered as messages 2009 and 2010 name them.
enum class Token : int {
    EndOfFile = 0, Separator = 1, Ascii = 2, Break = 3, Byte = 4, Char = 5, CodePage = 6, CodePageAnsi = 7,
    CodePageOem = 8, CodePageAscii = 9, Current = 10, Exclusive = 11, Include = 12, Name = 13, Return = 14,
    Start = 15, Table = 16, SizeA = 17, SizeE = 18, SizeK = 19, SizeN = 20, SizeO = 21, Option = 22, SizeP = 23,
    Character = 24, String = 25, Class = 26, MacroName = 27, TranslationString = 28, Dollar = 29,
    OpenParen = 30, CloseParen = 31, Star = 32, Plus = 33, Comma = 34, Dot = 35, Slash = 36, Less = 37,
    Greater = 38, Question = 39, Caret = 40, OpenBrace = 41, Bar = 42, CloseBrace = 43, Identifier = 44,
    Integer = 45, ActionSeparator = 46, Action = 47, ProgramCode = 48, CharMarker = 49, ByteMarker = 50,
    EndOfFileMarker = 51, DeclarationCodeBlock = 52,
};

const char* tokenName(Token token);

struct Lexeme {
    Token token = Token::EndOfFile;
    std::string text;                 // as written, for messages
    std::uint64_t number = 0;         // Integer
    std::vector<std::uint32_t> codes; // String
    std::string macroText;            // MacroName: the replacement text
    int line = 0;
};

struct StartCondition {
    int number = -1; // -1 until declared, -2 once reported as undeclared
    bool exclusive = false;
};

// Reads one lex source: copies verbatim code to the emitter as
// it goes, keeps the start conditions, macros and translation table, and
// hands each rule's expression to the expression builder.
class LexReader {
public:
    LexReader(const ToolOptions& options, LexInput& input, ScannerEmitter& emitter,
                        ExpressionBuilder& builder, toolframe::Diagnostics& diagnostics, int ansiCodePage);

    void read(std::FILE* source);

    // What the definitions declared, for the stages after reading.
    int startConditionCount() const { return conditionCount_; }
    const std::map<std::uint32_t, int>& translation() const { return translation_; }
    int actionCount() const { return actionCount_; }

private:
    // Definitions section.
    bool readDefinitions();
    void declaration();
    void startConditionDeclaration(bool exclusive);
    void translationTable();
    void nameDeclaration();
    void copyDeclarationBlock(toolframe::OutputStream& out);
    void recoverDeclaration();
    bool startsDeclaration(Token token) const;
    void repeatPrologue();
    void advance();
    Lexeme scanDefinitionToken();

    // Rules section.
    void readRules();
    enum class RulesItem { More, End, ProgramCode };
    RulesItem rulesItem();
    void rule();
    bool prefix(bool& anchored, bool& all, std::vector<int>& conditions);
    bool conditionList(bool& all, std::vector<int>& conditions);
    void expressionText(RuleExpression& rule);
    void macroReference();
    void action();
    void directive(const std::string& word);
    void codePageDirective();
    void skipLine();
    void programCode();

    // Shared lexical rules.
    const toolframe::SourceCharacter& get() { return input_.next(); }
    void unget() { input_.putBack(); }
    bool atLineStart() const { return input_.atLineStart(); }
    void verbatimLine(const toolframe::SourceCharacter& first);
    void codeBlock();
    void skipComment(bool block);
    std::string word(const toolframe::SourceCharacter& first);
    std::optional<Token> keyword(const std::string& text);
    void keywordOrEscape(Lexeme& lexeme);
    void integer(const toolframe::SourceCharacter& first, Lexeme& lexeme);
    void string(Lexeme& lexeme);
    std::uint32_t escape();

    const ToolOptions& options_;
    LexInput& input_;
    ScannerEmitter& emitter_;
    ExpressionBuilder& builder_;
    toolframe::Diagnostics& diagnostics_;
    int ansiCodePage_;

    Lexeme lexeme_;
    bool prologueRepeated_ = false;
    bool nameDeclared_ = false;
    bool conditionDeclared_ = false;
    // Keywords and start conditions by name, the first without regard to case.
    NameTable<Token> keywords_{true};
    NameTable<StartCondition> conditions_{false};
    std::vector<std::string> conditionNames_; // by number
    int conditionCount_ = 1;
    NameTable<std::string> macros_{false};
    std::map<std::uint32_t, int> translation_;

    struct Scope {
        bool anchored;
        bool all;
        std::vector<int> conditions;
    };
    std::vector<Scope> scopes_;
    struct Expansion {
        std::string macro;
        std::size_t start;
        std::size_t end;
    };
    std::vector<Expansion> expansions_;
    int expansionLine_ = 0;
    bool expansionSpaceLeft_ = true;
    CharacterSettings settings_;
    bool returnAfterAction_ = false;
    int actionCount_ = 0;
    bool switchOpen_ = false;
    bool sharing_ = false; // the last expression ended in '|'
};

} // namespace lindle
