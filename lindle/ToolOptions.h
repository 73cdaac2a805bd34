#pragma once

#include "toolframe/run/ToolOptions.h"

namespace lindle {

// Lindle's command-line record: the settings both tools share and the ones
// only the scanner generator reads.
struct ToolOptions : toolframe::ToolOptions {
    bool errorTransitionsForDefaultStates = true; // -E clears
    int transitionRangeLimit = 1024;              // -L:n
    bool defaultTransitions = true;               // -R clears
    bool defaultStates = true;                    // -S clears
    bool minimiseDfa = true;                      // -d clears
    bool caseSensitive = true;                    // -u clears
    bool fullReject = false;                      // -r
};

} // namespace lindle
