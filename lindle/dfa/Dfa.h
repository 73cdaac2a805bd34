#pragma once

#include <cstdint>
#include <vector>

namespace lindle {

// A move of a state on an inclusive run of characters.
struct DfaTransition {
    std::uint32_t first;
    std::uint32_t last;
    int target; // index of the state
    bool operator==(const DfaTransition&) const = default;
};

struct DfaState {
    std::vector<DfaTransition> transitions; // ascending, disjoint
    std::vector<int> accepts;                // action numbers, ascending; one at most without full reject
    std::vector<int> marks;                  // rules whose trailing context starts here, ascending
    bool start = false;
    int number = 0; // from numbering, 1 on
};

// The scanner's deterministic automaton: its states in creation order and,
// for each start entry (two a condition: normal, then at the beginning of
// a line), the state it starts in or -1.
struct Dfa {
    std::vector<DfaState> states;
    std::vector<int> startEntries;
    int rowCount = 0; // state numbers used, plus one
};

} // namespace lindle
