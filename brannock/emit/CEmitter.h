#pragma once

#include <initializer_list>
#include <string>

#include "brannock/emit/TargetEmitter.h"

namespace brannock {

// The C target (-Tc): a C source file and, with -i, a C header.
class CEmitter : public TargetEmitter {
public:
    explicit CEmitter(const EmitterContext& context);

    bool alwaysUnicode() const override { return false; }
    bool supportsIncludeFile() const override { return true; }
    std::string_view defaultSourceExtension() const override { return "c"; }
    std::string_view defaultIncludeExtension() const override { return "h"; }

    void beginIncludeFile(std::string_view includePath) override;
    void beginSourceFile(bool repeated) override;
    void unionBlock(bool begin) override;
    void beginActionFunction() override;
    void beginActionCase(int number, std::optional<int> attributeCount) override;
    void resultAttribute() override;
    void positionalAttribute(int n, int length) override;
    void endActionFunction() override;
    void endSourceFile(bool programSectionPresent) override;
    // The tables are file-scope definitions: no function frames them.
    void beginTables() override {}
    void endTables() override {}
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

private:
    // The multiple models keep the parser in one library object.
    bool hasParserObject() const;
    // A template with its placeholders filled in for this model and width.
    std::string expand(std::string_view text) const;
    void write(std::string_view text);
    // The head of a function in both the prototype and the K&R form; the
    // parser comes first where the function takes it.
    void writeFunctionHead(std::string_view head, std::initializer_list<std::string_view> parameters,
                           bool takesParser);
    void writeAttributeAccess();
    void writeParserObject();
    void writeInitialiser(std::string_view member, std::string_view value);
    // The head of a table's definition, after its size where it has one.
    void beginTable(Table table);
    void row(int index, std::initializer_list<std::string_view> values);
    void endTable(Table table);
    // The size by which the library or the parser object knows a table.
    std::string sizeDeclaration(Table table, int size) const;
    // The pointer (and the size) through which a destructor table is
    // reached, or through which its absence is known.
    void writeReference(Table table, bool present, std::optional<int> size = std::nullopt);

    // The symbol table's closing row follows the last of its rows.
    int symbolRows_ = 0;
};

} // namespace brannock
