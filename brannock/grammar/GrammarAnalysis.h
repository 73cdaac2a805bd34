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

    const std::vector<ClosureEntry>& closure(const Nonterminal& nonterminal) const
    {
        return closures_[static_cast<std::size_t>(nonterminal.number)];
    }

private:
    void computeFirstSets();
    void computeFollowSets();
    // position: where each nonterminal stands in the closure, -1 when absent;
    // all -1 on entry.
    void computeClosure(const Nonterminal& nonterminal, std::vector<int>& position);

    Grammar& grammar_;
    ParserKind kind_;
    std::size_t tokenCount_;
    std::vector<std::vector<ClosureEntry>> closures_;
};

} // namespace brannock
