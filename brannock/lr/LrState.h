#pragma once

#include <utility>
#include <vector>

#include "brannock/emit/Emitter.h"
#include "brannock/lr/LrItem.h"

namespace brannock {

struct Nonterminal;
struct Rule;
struct Symbol;

// One entry of a state's action list: what to do on a token.
struct ParseAction {
    int tokenIndex;
    ActionKind kind; // Shift, Reduce, Accept, or Error for a nonassociative operator met again
    int target;      // the state shifted to, the rule reduced
    LrItem* item = nullptr; // the reduction a reduce entry comes from
};

struct LrState {
    int number = 0;
    Symbol* accessingSymbol = nullptr;
    std::vector<LrItem*> kernel;     // by rule number, then dot
    std::vector<LrItem*> reductions; // completed items, by rule number, then dot
    std::vector<std::pair<int, LrState*>> tokenSuccessors;              // by token index
    std::vector<std::pair<const Nonterminal*, LrState*>> nonterminalSuccessors; // by symbol creation
    std::vector<LrState*> predecessors;
    bool reachable = false;

    std::vector<ParseAction> actions; // by token index
    const Rule* defaultReduction = nullptr;
    int acceptReduceConflicts = 0;
    int shiftReduceConflicts = 0;
    int reduceReduceConflicts = 0;

    LrState* successorOn(const Nonterminal* nonterminal) const;
};

} // namespace brannock
