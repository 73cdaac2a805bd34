#pragma once

#include <vector>

#include "brannock/lr/Automaton.h"
#include "brannock/emit/Emitter.h"
#include "brannock/ToolOptions.h"

namespace brannock {

// The automaton turned into the tables the runtime reads: default action
// and goto states, range splitting into continuation states, first-fit
// packing of the fast tables, suffix sharing of the compact ones, the
// destructor, debugging and reduction tables, written through the emitter.
class ParserTables {
public:
    // One entry of a state's token action or goto list.
    struct Entry {
        long key;        // token number, or nonterminal number
        int tokenIndex;  // for token entries: where the token stands
        ActionKind kind; // Error, Shift, Reduce, Accept; gotos use Shift
        int target;      // state, rule, or -1 for an error goto
        bool operator==(const Entry& other) const
        {
            return key == other.key && kind == other.kind && (kind == ActionKind::Error || kind == ActionKind::Accept || target == other.target);
        }
    };

    struct Row {
        std::vector<Entry> actions;
        int defaultReduction = -1; // rule number
        int defaultActionState = -1;
        int actionDependants = 0;
        std::vector<Entry> gotos;
        int defaultGotoState = -1;
        int gotoDependants = 0;
        int actionBase = 0;
        int gotoBase = 0;
        int destructor = -1;
    };

    ParserTables(const Automaton& automaton, const ToolOptions& options);

    // The passes over the per-state rows, in their order.
    void compress();
    void write(Emitter& emitter) const;

    const std::vector<Row>& rows() const { return rows_; }
    int stateCount() const { return static_cast<int>(rows_.size()); }

private:
    enum class ListKind { Actions, Gotos };

    std::vector<Entry>& listOf(Row& row, ListKind kind) const { return kind == ListKind::Actions ? row.actions : row.gotos; }
    int& defaultOf(Row& row, ListKind kind) const
    {
        return kind == ListKind::Actions ? row.defaultActionState : row.defaultGotoState;
    }
    int& dependantsOf(Row& row, ListKind kind) const
    {
        return kind == ListKind::Actions ? row.actionDependants : row.gotoDependants;
    }
    void chooseDefaultStates(ListKind kind, bool introduceErrors);
    void reduceAgainstDefaults(ListKind kind);
    void splitWideStates();
    std::vector<int> packingOrder(ListKind kind) const;

    void writeDebugTables(Emitter& emitter) const;
    void writeReductions(Emitter& emitter) const;
    void writeFastActions(Emitter& emitter) const;
    void writeFastGotos(Emitter& emitter) const;
    void writeCompactActions(Emitter& emitter) const;
    void writeCompactGotos(Emitter& emitter) const;
    void writeDestructors(Emitter& emitter) const;
    TokenOperand operandOf(int tokenIndex) const;

    const Grammar& grammar_;
    const ToolOptions& options_;
    std::vector<Row> rows_;
};

} // namespace brannock
