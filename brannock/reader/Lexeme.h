#pragma once

#include <string>

#include "brannock/grammar/TokenCode.h"

namespace brannock {

struct Symbol;

// The last token the scanner returned and its value.
struct Lexeme {
    TokenCode code = TokenCode::EndOfFile;
    int line = 1;
    Symbol* symbol = nullptr;    // identifier, character token
    unsigned long integer = 0;   // integer
    std::string text;            // tag name, integer text
    int action = -1;             // action number
    bool valid = true;           // false: an integer already reported as malformed
};

} // namespace brannock
