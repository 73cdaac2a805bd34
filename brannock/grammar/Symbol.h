#pragma once

#include <string>

#include "brannock/grammar/TokenCode.h"

namespace brannock {

struct Nonterminal;

// A kind only moves forward: unknown or referenced becomes nonterminal or
// token, never back.
enum class SymbolKind {
    Unknown = 0,
    Keyword = 1,
    Referenced = 2, // named in %type or used in a rule, not yet token or nonterminal
    Nonterminal = 3,
    Token = 4,
    TypeTag = 5,
    IntegerLiteral = 6,
};

enum class Associativity { None = 0, Left = 1, Right = 2, Nonassociative = 3 };

struct Symbol {
    std::string name; // as written; a character token keeps its quotes, a tag its angle brackets
    SymbolKind kind = SymbolKind::Unknown;
    int line = 0;     // first appearance; 0 until looked up from the input
    TokenCode keywordCode = TokenCode::EndOfFile;
    const Symbol* type = nullptr; // the tag giving the value type
    int destructor = -1;          // action number of the destructor
    Nonterminal* nonterminal = nullptr;
    Symbol* next = nullptr; // in its hash bucket
    int creationIndex = 0;  // position in the table's creation order

    // Tokens.
    bool nameLike = false;
    bool numbered = false;
    long number = 0;
    int precedence = 0;
    Associativity associativity = Associativity::None;
    int tokenIndex = -1;
    bool usedInRule = false;
    bool namedByPrecedence = false; // by some rule's %prec, which alone takes no part in the tables
    bool shifted = false;
    bool characterToken = false;
    long characterValue = -1; // a one-character token's value; -1 for others

    // Tokens and nonterminals.
    bool pushed = false;
    bool referencedInRule = false; // named on either side of some rule
    bool namesParserOnly = false;  // named only by %name, never a grammar symbol

    bool isToken() const { return kind == SymbolKind::Token; }
    bool isNonterminal() const { return kind == SymbolKind::Nonterminal; }
    // The tag's name without its angle brackets.
    std::string_view tagName() const { return std::string_view(name).substr(1, name.size() - 2); }
};

} // namespace brannock
