#pragma once

#include "lindle/dfa/Dfa.h"

namespace lindle {

// Merges the states that no input tells apart. States start in groups of
// equal accept lists, equal context marks and equal range boundaries; the
// groups are refined until every member of a group moves to the same
// group on every range, and each group is replaced by its earliest state.
// Refinement is Hopcroft's, over transitions (as Valmari and Lehtinen
// arrange it), so large scanners minimise in n log n.
void minimise(Dfa& dfa);

} // namespace lindle
