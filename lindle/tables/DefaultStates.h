#pragma once

#include <vector>

#include "lindle/tables/StateRows.h"

namespace lindle {

// Gives each row with transitions, in creation order, the other row most
// similar to it as its default state (ties to the later row; never one
// whose chain of default states leads back to it).
void chooseDefaultStates(std::vector<StateRow>& rows, bool errorTransitions);

} // namespace lindle
