#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "brannock/emit/Emitter.h"

namespace brannock {

// A token's value in the symbol table: its number where it has one; a
// literal without one stands for itself, so its spelling is its value.
struct SymbolValue {
    std::string_view spelling;
    std::optional<int> number;
};

// The token of a row of a compact run. The row that closes a run has none,
// and means all tokens in an action run but, in a destructor run, a token
// that no token is.
struct RunToken {
    enum class Closing { AllTokens, NoToken };
    std::optional<TokenOperand> token;
    Closing closing;
};

// A value of a table row as the operation was given it, before a language
// spells it; text is a string the row quotes.
using TableValue = std::variant<int, bool, ActionKind, std::string_view, SymbolValue, RunToken>;

// An emitter whose table operations (slots 26 to 74) are each written once,
// here: every operation comes down to one of four hooks keyed by table,
// which each kind of emitter implements once for all tables. The target
// languages write the table there; the tests' recording emitter records
// the call.
class ParserTableEmitter : public Emitter {
public:
    // The tables in the order they are written, which is also the order of
    // their slots and of runtime::kParserTableStems; each language lists
    // what it writes for them in this order.
    enum class Table {
        Symbol,
        Rule,
        Reduction,
        TokenAction,
        StateAction,
        CompactTokenAction,
        CompactStateAction,
        NonterminalGoto,
        StateGoto,
        CompactNonterminalGoto,
        CompactStateGoto,
        StateDestructor,
        TokenDestructor,
        TokenDestructorBase,
        CompactTokenDestructor,
    };
    // The library reaches the destructor tables through a pointer (Java: a
    // reference), which says by being null that a table is absent.
    static bool isDestructorTable(Table table) { return table >= Table::StateDestructor; }

    void beginSymbolTable() final;
    void symbolRow(int index, std::string_view spelling, std::optional<int> number) final;
    void endSymbolTable() final;
    void beginRuleTable() final;
    void ruleRow(int index, std::string_view ruleText) final;
    void endRuleTable() final;
    void beginReductionTable() final;
    void reductionRow(int index, int nonterminal, int length, int action) final;
    void endReductionTable() final;
    void beginTokenActionTable(int size) final;
    void tokenActionRow(int index, int owner, ActionKind kind, int data) final;
    void endTokenActionTable() final;
    void beginStateActionTable() final;
    void stateActionRow(int index, int base, bool hasTokenActions, ActionKind defaultKind,
                        int defaultData) final;
    void endStateActionTable() final;
    void beginCompactTokenActionTable() final;
    void compactTokenActionRow(int index, std::optional<TokenOperand> token, ActionKind kind, int data) final;
    void endCompactTokenActionTable() final;
    void beginCompactStateActionTable() final;
    void compactStateActionRow(int index, int start) final;
    void endCompactStateActionTable() final;
    void beginNonterminalGotoTable(int size) final;
    void nonterminalGotoRow(int index, int owner, int target) final;
    void endNonterminalGotoTable() final;
    void beginStateGotoTable() final;
    void stateGotoRow(int index, int base, int defaultState) final;
    void endStateGotoTable() final;
    void beginCompactNonterminalGotoTable() final;
    void compactNonterminalGotoRow(int index, int nonterminal, int target) final;
    void endCompactNonterminalGotoTable() final;
    void beginCompactStateGotoTable() final;
    void compactStateGotoRow(int index, int start) final;
    void endCompactStateGotoTable() final;
    void beginStateDestructorTable() final;
    void stateDestructorRow(int index, int destructor) final;
    void endStateDestructorTable() final;
    void noStateDestructorTable() final;
    void beginTokenDestructorTable() final;
    void tokenDestructorRow(int index, int owner, int destructor) final;
    void endTokenDestructorTable(int size) final;
    void noTokenDestructorTable() final;
    void beginTokenDestructorBaseTable() final;
    void tokenDestructorBaseRow(int index, int base) final;
    void endTokenDestructorBaseTable(int size) final;
    void noTokenDestructorBaseTable() final;
    void beginCompactTokenDestructorTable() final;
    void compactTokenDestructorRow(int index, std::optional<TokenOperand> token, int destructor) final;
    void endCompactTokenDestructorTable() final;
    void noCompactTokenDestructorTable() final;

protected:
    // size is set where the operation has one: the token action and
    // nonterminal goto tables know theirs when they begin, the fast token
    // destructor tables when they end, and an absent one's is 0.
    virtual void beginTable(Table table, std::optional<int> size) = 0;
    virtual void tableRow(Table table, int index, std::span<const TableValue> values) = 0;
    virtual void endTable(Table table, std::optional<int> size) = 0;
    // A destructor table that the grammar has no use for.
    virtual void absentTable(Table table, std::optional<int> size) = 0;

private:
    void row(Table table, int index, std::initializer_list<TableValue> values)
    {
        tableRow(table, index, std::span<const TableValue>(values.begin(), values.size()));
    }
};

} // namespace brannock
