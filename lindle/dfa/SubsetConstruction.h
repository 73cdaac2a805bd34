#pragma once

#include <cstddef>
#include <cstdint>

#include "lindle/dfa/Dfa.h"
#include "lindle/nfa/NfaBuilder.h"

namespace lindle {

// Builds the deterministic automaton of every start entry by subset
// construction over range partitions, decides what each state accepts
// (every rule in order under full reject, else the earliest), records the
// context marks, and sets each rule's matched flag and backup class.
// Construction stops once stateLimit states exist, leaving the automaton
// incomplete, for callers that must bound their time on arbitrary input.
Dfa buildDfa(ScannerNfa& scanner, bool fullReject, std::size_t stateLimit = SIZE_MAX);

} // namespace lindle
