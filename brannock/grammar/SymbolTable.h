#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string_view>
#include <vector>

#include "brannock/grammar/Symbol.h"
#include "toolframe/platform/CodePage.h"
#include "toolframe/source/NameHash.h"

namespace brannock {

// Every name of the grammar: keywords, tokens, nonterminals, tags. Hashed
// into 211 chained buckets, and listed in order of creation.
class SymbolTable {
public:
    explicit SymbolTable(const toolframe::CodePage& codePage);

    // Finds the symbol, or creates it (recording line as its first line).
    // Keywords are found whatever their letter case.
    Symbol& lookup(std::string_view name, int line);
    Symbol* find(std::string_view name, bool ignoreCase = false) const;
    // A keyword: looked up ignoring letter case.
    Symbol& addKeyword(std::string_view spelling, TokenCode code);

    const toolframe::CodePage& codePage() const { return codePage_; }

    // In order of creation.
    const std::vector<Symbol*>& all() const { return creationOrder_; }

    // The frame's bucket of a name (toolframe/source/NameHash.h).
    static int bucketOf(std::string_view name, const toolframe::CodePage& codePage, bool ignoreCase);

private:
    Symbol& create(std::string_view name, int line, bool ignoreCase);

    const toolframe::CodePage& codePage_;
    std::array<Symbol*, toolframe::kNameBuckets> buckets_{};
    std::deque<Symbol> storage_;
    std::vector<Symbol*> creationOrder_;
};

} // namespace brannock
