#pragma once

#include "lindle/nfa/Nfa.h"

namespace lindle {

// The fragment that reads the set's members as bytes: a member of two to
// four bytes (lead x 256 + trail, or a UTF-8 character's bytes) becomes a
// path through its bytes, most significant first. Members that share their
// leading bytes share the path's start, and lead bytes whose trails are
// alike share one transition, so a universe of UTF-8 costs a few dozen
// nodes rather than one per character.
NfaFragment byteTransitions(Nfa& nfa, const CharacterSet& set);

} // namespace lindle
