#pragma once

#include <optional>
#include <string_view>

#include "toolframe/diagnostics/Diagnostics.h"
#include "toolframe/emit/LanguageFrame.h"
#include "toolframe/output/OutputStream.h"

namespace brannock {

// Kinds of parse action as the tables write them (YYAT_ERROR ...).
enum class ActionKind { Error = 0, Shift = 1, Reduce = 2, Accept = 3, Default = 4 };

// A token as generated code names it: the end of input as "0", the error
// token as YYTK_ERROR, any other token by its spelling (a literal with an L
// in front in Unicode C and C++).
struct TokenOperand {
    enum class Kind { EndOfInput, Error, Named, Literal };
    Kind kind;
    std::string_view spelling;
    // A literal whose spelling some target would read as another value
    // (see literalNeedsNumber) is written as this number instead.
    std::optional<long> number = std::nullopt;
};

// Everything Brannock writes into the generated source and include files
// goes through one emitter, one implementation per target language. The
// operations keep the order of their slots: slots 1 to 5 (lineDirective,
// alwaysUnicode, supportsIncludeFile, defaultSourceExtension,
// defaultIncludeExtension) are the LanguageFrame every tool's emitter has;
// 6 to 77 follow here. Row operations get the row index and write a comma
// before every row after the first.
class Emitter : public toolframe::LanguageFrame, public toolframe::Discardable {
public:
    // 6, 7: the include file's prologue and epilogue.
    virtual void beginIncludeFile(std::string_view includePath) = 0;
    virtual void endIncludeFile() = 0;
    // 8: the source file's prologue; repeated once after the first
    // declaration that needs the library, for precompiled headers.
    virtual void beginSourceFile(bool repeated) = 0;
    // 9: the include file as seen from the source file.
    virtual void includeGeneratedHeader(std::string_view name) = 0;
    // 10, 11
    virtual void unionBlock(bool begin) = 0;
    virtual void tokenConstant(std::string_view name, unsigned number) = 0;
    // 12 to 20: the action function. attributeCount is the length of the
    // debug attribute array for an action of a rule, nothing otherwise.
    virtual void beginActionFunction() = 0;
    virtual void beginActionSwitch() = 0;
    virtual void beginActionCase(int number, std::optional<int> attributeCount) = 0;
    virtual void resultAttribute() = 0;
    virtual void positionalAttribute(int n, int length) = 0;
    virtual void attributeMember(std::string_view tag) = 0;
    virtual void endActionCase(bool ofRule) = 0;
    virtual void endActionSwitch() = 0;
    virtual void endActionFunction() = 0;
    // 21
    virtual void endSourceFile(bool programSectionPresent) = 0;
    // 22 to 25: framing of the tables and of the debugging tables.
    virtual void beginTables() = 0;
    virtual void endTables() = 0;
    virtual void beginDebugTables() = 0;
    virtual void endDebugTables() = 0;
    // 26 to 28: symbol table; number is set for a numbered token, else the
    // spelling (a literal) is its own value.
    virtual void beginSymbolTable() = 0;
    virtual void symbolRow(int index, std::string_view spelling, std::optional<int> number) = 0;
    virtual void endSymbolTable() = 0;
    // 29 to 31
    virtual void beginRuleTable() = 0;
    virtual void ruleRow(int index, std::string_view ruleText) = 0;
    virtual void endRuleTable() = 0;
    // 32 to 34
    virtual void beginReductionTable() = 0;
    virtual void reductionRow(int index, int nonterminal, int length, int action) = 0;
    virtual void endReductionTable() = 0;
    // 35 to 37
    virtual void beginTokenActionTable(int size) = 0;
    virtual void tokenActionRow(int index, int owner, ActionKind kind, int data) = 0;
    virtual void endTokenActionTable() = 0;
    // 38 to 40
    virtual void beginStateActionTable() = 0;
    virtual void stateActionRow(int index, int base, bool hasTokenActions, ActionKind defaultKind,
                                int defaultData) = 0;
    virtual void endStateActionTable() = 0;
    // 41 to 43: a run closes with a row for all tokens (no token operand).
    virtual void beginCompactTokenActionTable() = 0;
    virtual void compactTokenActionRow(int index, std::optional<TokenOperand> token, ActionKind kind,
                                       int data) = 0;
    virtual void endCompactTokenActionTable() = 0;
    // 44 to 46
    virtual void beginCompactStateActionTable() = 0;
    virtual void compactStateActionRow(int index, int start) = 0;
    virtual void endCompactStateActionTable() = 0;
    // 47 to 49
    virtual void beginNonterminalGotoTable(int size) = 0;
    virtual void nonterminalGotoRow(int index, int owner, int target) = 0;
    virtual void endNonterminalGotoTable() = 0;
    // 50 to 52
    virtual void beginStateGotoTable() = 0;
    virtual void stateGotoRow(int index, int base, int defaultState) = 0;
    virtual void endStateGotoTable() = 0;
    // 53 to 55
    virtual void beginCompactNonterminalGotoTable() = 0;
    virtual void compactNonterminalGotoRow(int index, int nonterminal, int target) = 0;
    virtual void endCompactNonterminalGotoTable() = 0;
    // 56 to 58
    virtual void beginCompactStateGotoTable() = 0;
    virtual void compactStateGotoRow(int index, int start) = 0;
    virtual void endCompactStateGotoTable() = 0;
    // 59 to 62
    virtual void beginStateDestructorTable() = 0;
    virtual void stateDestructorRow(int index, int destructor) = 0;
    virtual void endStateDestructorTable() = 0;
    virtual void noStateDestructorTable() = 0;
    // 63 to 66
    virtual void beginTokenDestructorTable() = 0;
    virtual void tokenDestructorRow(int index, int owner, int destructor) = 0;
    virtual void endTokenDestructorTable(int size) = 0;
    virtual void noTokenDestructorTable() = 0;
    // 67 to 70
    virtual void beginTokenDestructorBaseTable() = 0;
    virtual void tokenDestructorBaseRow(int index, int base) = 0;
    virtual void endTokenDestructorBaseTable(int size) = 0;
    virtual void noTokenDestructorBaseTable() = 0;
    // 71 to 74: closed by a row with no token operand.
    virtual void beginCompactTokenDestructorTable() = 0;
    virtual void compactTokenDestructorRow(int index, std::optional<TokenOperand> token, int destructor) = 0;
    virtual void endCompactTokenDestructorTable() = 0;
    virtual void noCompactTokenDestructorTable() = 0;
    // 75 to 77: %name and the up to three code blocks after it.
    virtual void parserName(bool begin, std::string_view name) = 0;
    virtual void constructorBlock(bool begin, std::string_view name) = 0;
    virtual void destructorBlock(bool begin, std::string_view name) = 0;

    // Not slots: where the reader copies user code. Code blocks, actions
    // and the program section go to the source; declaration code blocks
    // to the include file when there is one.
    virtual toolframe::OutputStream& sourceStream() = 0;
    virtual toolframe::OutputStream& includeOrSourceStream() = 0;
};

} // namespace brannock
