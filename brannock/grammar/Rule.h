#pragma once

#include <vector>

namespace brannock {

struct Symbol;

struct Rule {
    int number = -1; // -1 until the rule is complete
    Symbol* leftSide = nullptr;
    std::vector<Symbol*> rightSide;
    int action = -1; // -1: the default action copies $1
    Symbol* precedenceSymbol = nullptr;
    int line = 0;
    bool reduced = false;
};

} // namespace brannock
