#pragma once

#include <vector>

#include "brannock/grammar/TokenSet.h"

namespace brannock {

struct Rule;
struct Symbol;

struct Nonterminal {
    int number = 0; // order of creation
    Symbol* symbol = nullptr;
    std::vector<Rule*> rules;
    TokenSet first;
    bool nullable = false;
    TokenSet follow;
    int line = 0; // of its first definition
    bool reducedTo = false;
};

} // namespace brannock
