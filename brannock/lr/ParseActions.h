#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "brannock/MessageNumbers.h"
#include "brannock/lr/Automaton.h"
#include "brannock/ToolOptions.h"
#include "toolframe/diagnostics/Diagnostics.h"

namespace brannock {

class VerboseWriter;

// Settles every state's actions: shifts, accept, reductions through
// precedence and associativity, the conflicts that stay, the marks for the
// never-used reports, and the default reduction the switches ask for.
class ParseActions {
public:
    ParseActions(Automaton& automaton, const ToolOptions& options, toolframe::Diagnostics& diagnostics,
                 VerboseWriter& verbose);

    // Every state in number order; each state's report follows at once.
    void build();
    // The states reachable from state 0, and the symbols they are entered by.
    void markReachable();

    // The shift-reduce and reduce-reduce conflicts build reported, over all
    // states.
    int shiftReduceConflicts() const { return shiftReduceConflicts_; }
    int reduceReduceConflicts() const { return reduceReduceConflicts_; }

private:
    struct Entry {
        ActionKind kind = ActionKind::Error; // Error: empty, unless explicit
        int target = 0;
        LrItem* item = nullptr;
        // The token of a nonassociative operator met again: an error that
        // the tables spell out, so that no default reduction takes it.
        bool explicitError = false;
        // The state the token shifted to before that error took its place.
        int shiftedTo = 0;
    };

    void settle(LrState& state);
    void resolve(LrState& state, std::size_t token, LrItem& reduction);
    // Reports a conflict (ShiftReduceConflict, ReduceReduceConflict or
    // AcceptReduceConflict) and counts it.
    void conflict(LrState& state, Message message, const Rule& loser, std::size_t token, std::string line);
    // The shift-reduce conflict of a reduction against the shift to
    // shiftTarget, which may since have become a nonassociative error.
    void shiftReduceConflict(LrState& state, const Rule& rule, std::size_t tokenIndex, int shiftTarget);
    // A reduction's entries on the tokens no other action of the state
    // named when it came: its whole lookahead set while none of them has
    // been taken out, else (word, bits) as in TokenSet::forEachWord.
    struct Uncontested {
        LrItem* item;
        const TokenSet* whole;
        std::vector<std::pair<std::size_t, std::uint64_t>> words;
    };
    template <class Visit>
    static void forEachWord(const Uncontested& reduction, Visit&& visit);
    struct ReductionSummary {
        LrItem* item;
        int count; // reduce entries
        int first; // the token of the first one
    };

    // The rule the switches make the default of the state just settled, or
    // null; onlyReductions: it has no shift nor accept entry.
    const Rule* chooseDefaultReduction(bool onlyReductions) const;
    // The state's entry for a token, made empty when it has none yet.
    Entry& entryAt(std::size_t tokenIndex);
    // The same, taken out of the uncontested entries when it is one of them.
    Entry& takeFromUncontested(std::size_t tokenIndex);
    void markPresent(std::size_t word, std::uint64_t bits);
    Symbol& token(std::size_t index) const { return *automaton_.grammar().usedTokens()[index]; }

    Automaton& automaton_;
    const ToolOptions& options_;
    toolframe::Diagnostics& diagnostics_;
    VerboseWriter& verbose_;
    // The state being settled: its entry for each token named one by one
    // (row_ holds one only where rowStamp_ is stamp_) and those tokens, the
    // reductions' uncontested entries, and every token with an entry of
    // either kind, one bit per token (all 0 between states).
    std::vector<Entry> row_;
    std::vector<unsigned> rowStamp_;
    unsigned stamp_ = 0;
    std::vector<std::size_t> rowTokens_;
    std::vector<Uncontested> uncontested_;
    std::vector<std::uint64_t> present_;
    std::vector<std::size_t> presentWords_;
    std::vector<ReductionSummary> summaries_;
    std::vector<ParseAction> actions_;
    std::vector<std::string> conflictLines_;
    int shiftReduceConflicts_ = 0;
    int reduceReduceConflicts_ = 0;
};

} // namespace brannock
