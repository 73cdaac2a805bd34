#pragma once

#include <string>
#include <vector>

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

private:
    struct Entry {
        ActionKind kind = ActionKind::Error; // Error: empty
        int target = 0;
        LrItem* item = nullptr;
    };

    void settle(LrState& state);
    void resolve(LrState& state, std::size_t token, LrItem& reduction);
    void conflict(LrState& state, int message, const Rule& loser, std::size_t token, std::string line);
    void chooseDefaultReduction(LrState& state);
    Symbol& token(std::size_t index) const { return *automaton_.grammar().usedTokens()[index]; }

    Automaton& automaton_;
    const ToolOptions& options_;
    toolframe::Diagnostics& diagnostics_;
    VerboseWriter& verbose_;
    std::vector<Entry> row_;
    std::vector<std::string> conflictLines_;
};

} // namespace brannock
