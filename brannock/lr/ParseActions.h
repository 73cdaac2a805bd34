#pragma once

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
    };

    void settle(LrState& state);
    void resolve(LrState& state, std::size_t token, LrItem& reduction);
    // Reports a conflict (ShiftReduceConflict, ReduceReduceConflict or
    // AcceptReduceConflict) and counts it.
    void conflict(LrState& state, Message message, const Rule& loser, std::size_t token, std::string line);
    void chooseDefaultReduction(LrState& state);
    Symbol& token(std::size_t index) const { return *automaton_.grammar().usedTokens()[index]; }

    Automaton& automaton_;
    const ToolOptions& options_;
    toolframe::Diagnostics& diagnostics_;
    VerboseWriter& verbose_;
    std::vector<Entry> row_;
    std::vector<std::string> conflictLines_;
    int shiftReduceConflicts_ = 0;
    int reduceReduceConflicts_ = 0;
};

} // namespace brannock
