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
#include "lindle/reader/Token.h"

namespace lindle {

struct Lexeme {
    Token token = Token::EndOfFile;
    std::string text;                 // as written, for messages
    std::uint64_t number = 0;         // Integer
    std::vector<std::uint32_t> codes; // String
    std::string macroText;            // MacroName: the replacement text
    int line = 0;
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
    void resynchronise(bool (LexReader::*mayFollow)(Token) const);
    bool startsDeclaration(Token token) const;
    bool continuesTable(Token token) const;
    bool resumeTable();
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
    static Token tokenFound(const toolframe::SourceCharacter& c);
    void expressionText(RuleExpression& rule);
    void macroReference();
    void action();
    void directive(const std::string& word);
    void codePageDirective();
    void skipLine();
    void skipRule();
    static std::size_t actionOffset(const std::vector<std::uint32_t>& rest);
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
    std::uint32_t escape(bool* numeric = nullptr, std::uint32_t* written = nullptr);
    std::optional<std::uint32_t> unicodeUnit(std::uint32_t code, std::uint32_t written, bool numeric);

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
    SymbolTable symbols_;
    std::vector<std::string> conditionNames_; // by number
    int conditionCount_ = 1;
    std::map<std::uint32_t, int> translation_;

    struct Scope {
        bool anchored;
        bool all;
        std::vector<int> conditions;
    };
    std::vector<Scope> scopes_;
    void joinEnclosingScope(bool& anchored, bool& all, std::vector<int>& conditions) const;
    struct Expansion {
        std::string macro;
        std::size_t start;
        std::size_t end;
    };
    std::vector<Expansion> expansions_;
    int expansionLine_ = 0;
    CharacterSettings settings_;
    bool returnAfterAction_ = false;
    int actionCount_ = 0;
    bool switchOpen_ = false;
    bool sharing_ = false; // the last expression ended in '|'
};

} // namespace lindle
