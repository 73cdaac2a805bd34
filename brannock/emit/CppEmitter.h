#pragma once

#include "brannock/emit/TargetEmitter.h"

namespace brannock {

// The C++ target (-Tcpp): a parser class derived from the library's.
class CppEmitter : public TargetEmitter {
public:
    explicit CppEmitter(const EmitterContext& context);

    bool alwaysUnicode() const override { return false; }
    bool supportsIncludeFile() const override { return true; }
    std::string_view defaultSourceExtension() const override { return "cpp"; }
    std::string_view defaultIncludeExtension() const override { return "h"; }

    void beginIncludeFile(std::string_view includePath) override;
    void beginSourceFile(bool repeated) override;
    void beginActionFunction() override;
    void beginActionCase(int number, std::optional<int> attributeCount) override;
    void resultAttribute() override;
    void endActionFunction() override;
    void beginTables() override;
    void endTables() override;
    void beginDebugTables() override;
    void endDebugTables() override;
    void beginSymbolTable() override;
    void symbolRow(int index, std::string_view spelling, std::optional<int> number) override;
    void endSymbolTable() override;
    void beginRuleTable() override;
    void ruleRow(int index, std::string_view ruleText) override;
    void endRuleTable() override;
    void beginReductionTable() override;
    void reductionRow(int index, int nonterminal, int length, int action) override;
    void endReductionTable() override;
    void beginTokenActionTable(int size) override;
    void tokenActionRow(int index, int owner, ActionKind kind, int data) override;
    void endTokenActionTable() override;
    void beginStateActionTable() override;
    void stateActionRow(int index, int base, bool hasTokenActions, ActionKind defaultKind,
                        int defaultData) override;
    void endStateActionTable() override;
    void beginCompactTokenActionTable() override;
    void compactTokenActionRow(int index, std::optional<TokenOperand> token, ActionKind kind, int data) override;
    void endCompactTokenActionTable() override;
    void beginCompactStateActionTable() override;
    void compactStateActionRow(int index, int start) override;
    void endCompactStateActionTable() override;
    void beginNonterminalGotoTable(int size) override;
    void nonterminalGotoRow(int index, int owner, int target) override;
    void endNonterminalGotoTable() override;
    void beginStateGotoTable() override;
    void stateGotoRow(int index, int base, int defaultState) override;
    void endStateGotoTable() override;
    void beginCompactNonterminalGotoTable() override;
    void compactNonterminalGotoRow(int index, int nonterminal, int target) override;
    void endCompactNonterminalGotoTable() override;
    void beginCompactStateGotoTable() override;
    void compactStateGotoRow(int index, int start) override;
    void endCompactStateGotoTable() override;
    void beginStateDestructorTable() override;
    void stateDestructorRow(int index, int destructor) override;
    void endStateDestructorTable() override;
    void noStateDestructorTable() override;
    void beginTokenDestructorTable() override;
    void tokenDestructorRow(int index, int owner, int destructor) override;
    void endTokenDestructorTable(int size) override;
    void noTokenDestructorTable() override;
    void beginTokenDestructorBaseTable() override;
    void tokenDestructorBaseRow(int index, int base) override;
    void endTokenDestructorBaseTable(int size) override;
    void noTokenDestructorBaseTable() override;
    void beginCompactTokenDestructorTable() override;
    void compactTokenDestructorRow(int index, std::optional<TokenOperand> token, int destructor) override;
    void endCompactTokenDestructorTable() override;
    void noCompactTokenDestructorTable() override;
    void parserName(bool begin, std::string_view name) override;
    void constructorBlock(bool begin, std::string_view name) override;
    void destructorBlock(bool begin, std::string_view name) override;

private:
    void writeClassHead(std::string_view name);
    // The generated part of the constructor or destructor, which the
    // user's code follows.
    void writeSpecialMember(bool begin, std::string_view heading, std::string_view opening);
    // A table is a constant array local to yytables(), handed to the base
    // class's member after it.
    void beginTable(Table table);
    void row(int index, std::initializer_list<std::string_view> values);
    void endTable(Table table);
    // What the base class learns of a destructor table: the table or NULL,
    // and the size where it has one.
    void assignReference(Table table, bool present, std::optional<int> size = std::nullopt);
    // The blank line that sets a table's assignments off from the next
    // table, where one follows.
    void closeAssignments(Table table);

    // The symbol table's closing row follows the last of its rows.
    int symbolRows_ = 0;
};

} // namespace brannock
