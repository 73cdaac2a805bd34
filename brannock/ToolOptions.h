#pragma once

#include "toolframe/run/ToolOptions.h"

namespace brannock {

// How default reductions are chosen (-Rn, -Ro, -Re, -Rf, -Rd).
enum class DefaultReductionMode {
    None = 0,
    IfNoOtherActions = 1,
    ErrorTokenOnly = 2,
    FavourErrorToken = 3,
    Always = 4,
};

enum class ParserKind { Slr = 0, Lalr = 1, CanonicalLr = 2 };

// Brannock's command-line record: the settings both tools share and the
// ones only the grammar generator reads.
struct ToolOptions : toolframe::ToolOptions {
    bool errorActionsForDefaultStates = true;  // -E clears
    bool defaultGotoStates = true;             // -G clears
    bool errorGotosForDefaultStates = true;    // -I clears
    int actionRangeThreshold = 1024;           // -L:n
    int tokenDestructorRangeThreshold = 1024;  // -M:n
    bool defaultReductionsOnErrorShift = true; // -N clears
    DefaultReductionMode defaultReductionMode = DefaultReductionMode::Always;
    bool defaultActionStates = true;           // -S clears
    ParserKind parserKind = ParserKind::Lalr;
};

} // namespace brannock
