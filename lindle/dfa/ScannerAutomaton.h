#pragma once

#include "lindle/dfa/Dfa.h"
#include "lindle/nfa/NfaBuilder.h"
#include "toolframe/diagnostics/Diagnostics.h"

namespace lindle {

struct AutomatonOptions {
    bool fullReject = false; // -r
    bool minimise = true;    // cleared by -d
};

// The stages after reading, in order: the deterministic automaton, the
// warnings about rules it shows, minimisation and numbering.
Dfa buildScannerAutomaton(ScannerNfa& scanner, const AutomatonOptions& options, toolframe::Diagnostics& diagnostics);

} // namespace lindle
