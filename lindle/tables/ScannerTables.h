#pragma once

#include <array>
#include <vector>

#include "lindle/dfa/Dfa.h"
#include "lindle/nfa/ScannerRule.h"

namespace lindle {

// The tables a generated scanner hands to the runtime. yystate rows are
// {default, base, match}; fast transitions {next, check}; compact ones
// {first, last, next}, each state's list ending in {0, 0, -1}.
struct ScannerTables {
    bool compact = false;
    std::vector<int> match;
    std::vector<bool> backup;
    std::vector<std::array<int, 3>> state;
    std::vector<std::array<int, 2>> transition;
    std::vector<std::array<int, 3>> compactTransition;
};

struct TableOptions {
    bool unicode = false;            // characters 0 to 65535, else 0 to 255
    bool defaultTransitions = true;  // -R clears
    bool defaultStates = true;       // -S clears
    bool errorTransitions = true;    // -E clears: a default state may not add error transitions
    int rangeLimit = 1024;           // -L:n
    bool compact = false;            // -s
};

// Reduces the automaton's transitions with default transitions, default
// states and pieces of wide states, then packs them.
ScannerTables buildScannerTables(const Dfa& dfa, const std::vector<ScannerRule>& rules, const TableOptions& options);

} // namespace lindle
