#pragma once

#include <vector>

#include "brannock/grammar/TokenSet.h"

namespace brannock {

struct Rule;

// A rule with a dot in it, its lookahead set, and (LALR) the items whose
// lookaheads flow into it.
struct LrItem {
    Rule* rule = nullptr;
    int dot = 0;
    TokenSet lookahead;
    std::vector<LrItem*> sources;
    int id = 0;        // creation order, for the propagation
    bool used = false; // a reduce entry names it

    bool before(const LrItem& other) const;
};

} // namespace brannock
