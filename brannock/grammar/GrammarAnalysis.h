#pragma once

#include <vector>

#include "brannock/grammar/Grammar.h"
#include "brannock/grammar/TokenSet.h"
#include "brannock/ToolOptions.h"

namespace brannock {

// One entry of a nonterminal's closure table: a nonterminal that can begin
// what the table's nonterminal derives, the lookaheads its items get there
// whatever the context, and whether the context's lookaheads pass through.
struct ClosureEntry {
    const Nonterminal* nonterminal;
    TokenSet spontaneous;
    bool inherits;
};

// What the automaton needs to know of the grammar before it is built:
// nullable nonterminals, FIRST sets, FOLLOW sets (SLR) and closure tables.
// Fixed points are reached by worklists, so a long chain of nonterminals
// costs one pass, not one pass per link.
class GrammarAnalysis {
public:
    GrammarAnalysis(Grammar& grammar, ParserKind kind);

    std::size_t tokenCount() const { return tokenCount_; }
    ParserKind kind() const { return kind_; }

    // Adds FIRST of the rule's right-hand side from position on to into;
    // true when that rest is nullable (or empty).
    bool firstOfRest(const Rule& rule, std::size_t from, TokenSet& into) const;

    // Computed when first asked for: only the nonterminals that follow a
    // dot in some kernel need one, and a chain of n nonterminals that each
    // begin the next would otherwise hold n * n / 2 entries.
    const std::vector<ClosureEntry>& closure(const Nonterminal& nonterminal) const;

private:
    void computeFirstSets();
    void computeFollowSets();
    void computeClosure(const Nonterminal& nonterminal) const;

    Grammar& grammar_;
    ParserKind kind_;
    std::size_t tokenCount_;
    mutable std::vector<std::vector<ClosureEntry>> closures_;
    // Where each nonterminal stands in the closure being computed, -1 when
    // absent: one table for all closures, cleared entry by entry, since
    // clearing it whole for each would cost the square of their number.
    mutable std::vector<int> position_;
};

} // namespace brannock
