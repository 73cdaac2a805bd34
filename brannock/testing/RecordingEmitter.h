#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "brannock/emit/Emitter.h"
#include "toolframe/output/OutputStream.h"

namespace brannock::testing {

// An emitter that writes nothing and remembers every operation called on
// it, with its slot number and arguments, so that tests can check what the
// generator asks for and in which order.
class RecordingEmitter : public Emitter {
public:
    struct Call {
        int slot;
        std::string operation;
        std::vector<std::string> arguments;

        // "operation(argument, ...)"
        std::string text() const;
    };

    // The answers to the four questions the driver asks.
    struct Questions {
        bool alwaysUnicode = false;
        bool supportsIncludeFile = true;
        std::string_view defaultSourceExtension = "c";
        std::string_view defaultIncludeExtension = "h";
    };

    RecordingEmitter();
    explicit RecordingEmitter(Questions questions);

    // The streams are not open: what the reader copies into them is
    // dropped unless a test opens them.
    toolframe::OutputStream& sourceStream() override { return source_; }
    toolframe::OutputStream& includeOrSourceStream() override { return include_.isOpen() ? include_ : source_; }
    toolframe::OutputStream& includeStream() { return include_; }

    const std::vector<Call>& calls() const { return calls_; }
    // Every call's text, in order.
    std::vector<std::string> texts() const;
    int discards() const { return discards_; }

    void discard() override { ++discards_; }

    void lineDirective(toolframe::OutputStream& stream, int line, std::string_view name) override;
    bool alwaysUnicode() const override;
    bool supportsIncludeFile() const override;
    std::string_view defaultSourceExtension() const override;
    std::string_view defaultIncludeExtension() const override;
    void beginIncludeFile(std::string_view includePath) override;
    void endIncludeFile() override;
    void beginSourceFile(bool repeated) override;
    void includeGeneratedHeader(std::string_view name) override;
    void unionBlock(bool begin) override;
    void tokenConstant(std::string_view name, unsigned number) override;
    void beginActionFunction() override;
    void beginActionSwitch() override;
    void beginActionCase(int number, std::optional<int> attributeCount) override;
    void resultAttribute() override;
    void positionalAttribute(int n, int length) override;
    void attributeMember(std::string_view tag) override;
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
    void stateActionRow(int index, int base, bool hasTokenActions, ActionKind defaultKind, int defaultData) override;
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
    void record(int slot, const char* operation, std::vector<std::string> arguments) const;

    Questions questions_;
    toolframe::Diagnostics diagnostics_;
    toolframe::CodePage codePage_;
    toolframe::OutputStream include_;
    toolframe::OutputStream source_;
    mutable std::vector<Call> calls_;
    int discards_ = 0;
};

} // namespace brannock::testing
