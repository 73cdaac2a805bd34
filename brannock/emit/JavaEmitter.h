#pragma once

#include <array>
#include <initializer_list>
#include <string>

#include "brannock/emit/TargetEmitter.h"

namespace brannock {

// The Java target (-Tj): one source file, always Unicode, never an
// include file.
class JavaEmitter : public TargetEmitter {
public:
    explicit JavaEmitter(const EmitterContext& context);

    bool alwaysUnicode() const override { return true; }
    bool supportsIncludeFile() const override { return false; }
    std::string_view defaultSourceExtension() const override { return "java"; }
    std::string_view defaultIncludeExtension() const override { return ""; }

    void beginIncludeFile(std::string_view) override {}
    void endIncludeFile() override {}
    void beginSourceFile(bool repeated) override;
    void includeGeneratedHeader(std::string_view) override {}
    void unionBlock(bool begin) override;
    void tokenConstant(std::string_view name, unsigned number) override;
    void beginActionFunction() override;
    void beginActionSwitch() override;
    void beginActionCase(int number, std::optional<int> attributeCount) override;
    void resultAttribute() override;
    void endActionCase(bool ofRule) override;
    void endActionSwitch() override;
    void endActionFunction() override;
    void endSourceFile(bool programSectionPresent) override;
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

private:
    // The table form's entry in the library's pairs of classes.
    std::string_view ofTableForm(const std::array<std::string_view, 2>& classes) const;
    // The holder's field for a table, which each instance copies.
    static std::string fieldOf(Table table);
    static std::string_view indentOf(Table table);
    // A table is a local array of yycreatetables(), stored in the holder
    // after it.
    void beginTable(Table table);
    void row(Table table, int index, std::initializer_list<std::string_view> values);
    void endTable(Table table);
    void storeAbsent(Table table);

    // The symbol table's closing row follows the last of its rows.
    int symbolRows_ = 0;
};

} // namespace brannock
