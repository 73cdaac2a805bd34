#pragma once

#include "lindle/dfa/Dfa.h"

namespace lindle {

// Numbers the start entries 1, 2, 3, ... (condition c starts in 2c + 1,
// and in 2c + 2 at the beginning of a line; an entry that shares its state
// with an earlier one or has none still uses up its number), then every
// other state in creation order.
void numberStates(Dfa& dfa);

} // namespace lindle
