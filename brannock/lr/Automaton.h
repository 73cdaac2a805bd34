#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <unordered_map>
#include <vector>

#include "brannock/grammar/GrammarAnalysis.h"
#include "brannock/lr/LrState.h"

namespace brannock {

// The item sets of the grammar, their transitions and the lookahead set of
// every reduction: SLR, LALR(1) by spontaneous generation and propagation
// of lookaheads, or canonical LR(1), from one construction. States are
// numbered in the order they are created; a new kernel is looked up by a
// hash of its accessing symbol and items, then compared exactly.
class Automaton {
public:
    Automaton(Grammar& grammar, const GrammarAnalysis& analysis);
    Automaton(const Automaton&) = delete;
    Automaton& operator=(const Automaton&) = delete;
    ~Automaton();

    void build();

    const std::vector<LrState*>& states() const { return states_; }
    std::size_t tokenCount() const { return analysis_.tokenCount(); }
    const Grammar& grammar() const { return grammar_; }
    Grammar& grammar() { return grammar_; }
    ParserKind kind() const { return analysis_.kind(); }

    // The lookahead set a reduction uses: its own, or for SLR the left-hand
    // side's FOLLOW set.
    const TokenSet& lookaheadOf(const LrItem& reduction) const;

private:
    struct PendingKernel;

    LrItem* newItem(Rule* rule, int dot);
    void recycle(LrItem* item);
    void process(LrState& state);
    void add(LrState& state, Rule& rule, int dot, const TokenSet& lookahead, LrItem* source);
    PendingKernel& pendingFor(Symbol& symbol);
    void resolve(LrState& from, PendingKernel& pending);
    LrState* find(const PendingKernel& pending, std::uint64_t key) const;
    void propagate();

    Grammar& grammar_;
    const GrammarAnalysis& analysis_;
    bool lalr_;
    bool slr_;
    std::deque<LrItem> itemStorage_;
    std::vector<LrItem*> freeItems_;
    std::deque<LrState> stateStorage_;
    std::vector<LrState*> states_;
    std::unordered_multimap<std::uint64_t, LrState*> statesByKernel_;

    // The state being processed: its successor kernels and reductions.
    std::vector<std::unique_ptr<PendingKernel>> tokenPending_;
    std::vector<std::unique_ptr<PendingKernel>> nonterminalPending_;
    std::vector<PendingKernel*> touched_;
    std::unordered_map<std::uint64_t, LrItem*> reductionsByKey_;
    TokenSet empty_;
};

} // namespace brannock
