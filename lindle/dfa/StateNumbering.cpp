#include "lindle/dfa/StateNumbering.h"

namespace lindle {

void numberStates(Dfa& dfa)
{
    for (DfaState& state : dfa.states)
        state.number = 0;
    int next = 1;
    for (int entry : dfa.startEntries) {
        if (entry >= 0 && dfa.states[static_cast<std::size_t>(entry)].number == 0)
            dfa.states[static_cast<std::size_t>(entry)].number = next;
        ++next;
    }
    for (DfaState& state : dfa.states)
        if (state.number == 0)
            state.number = next++;
    dfa.rowCount = next;
}

} // namespace lindle
