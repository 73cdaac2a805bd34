#pragma once

#include <vector>

namespace brannock {

struct Symbol;

// Where an action stands, as the parser knows it when the scanner reaches
// the action's text: what its $-forms refer to.
struct ActionSite {
    bool ofRule = true;            // false: a destructor's action
    int itemsBefore = 0;           // right-hand-side items before it, a pending action included
    const Symbol* resultType = nullptr;   // of $$
    std::vector<const Symbol*> itemTypes; // of $1 ... $itemsBefore (nullptr: untyped)
};

class ActionSiteSource {
public:
    virtual ~ActionSiteSource() = default;
    virtual ActionSite actionSite() const = 0;
};

} // namespace brannock
