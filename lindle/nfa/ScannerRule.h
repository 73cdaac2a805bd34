#pragma once

#include <string>
#include <vector>

namespace lindle {

// What the automaton stages know of one rule.
struct ScannerRule {
    int line = 0;
    int actionNumber = 0;
    bool endOfFile = false;
    bool hasTrailingContext = false;
    bool anchored = false;
    bool allConditions = false;  // <*>
    std::vector<int> conditions; // as written
    std::string text;            // the expression as read, trailing context included
    // Filled in once the deterministic automaton is built.
    bool matched = false;
    int backupClass = 0; // 0 none, 1 will back up completely, 2 can back up completely
};

} // namespace lindle
