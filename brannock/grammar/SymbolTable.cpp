#include "brannock/grammar/SymbolTable.h"

#include "toolframe/source/NameHash.h"

namespace brannock {

namespace {

toolframe::NameCase caseOf(bool ignoreCase)
{
    return ignoreCase ? toolframe::NameCase::Blind : toolframe::NameCase::Exact;
}

} // namespace

SymbolTable::SymbolTable(const toolframe::CodePage& codePage) : codePage_(codePage) {}

int SymbolTable::bucketOf(std::string_view name, const toolframe::CodePage& codePage, bool ignoreCase)
{
    return static_cast<int>(toolframe::nameBucket(toolframe::nameHash(name, caseOf(ignoreCase), codePage)));
}

Symbol* SymbolTable::find(std::string_view name, bool ignoreCase) const
{
    for (Symbol* symbol = buckets_[static_cast<std::size_t>(bucketOf(name, codePage_, ignoreCase))];
         symbol != nullptr; symbol = symbol->next) {
        const bool keyword = symbol->kind == SymbolKind::Keyword;
        if (keyword == ignoreCase && toolframe::sameName(symbol->name, name, caseOf(ignoreCase)))
            return symbol;
    }
    return nullptr;
}

Symbol& SymbolTable::create(std::string_view name, int line, bool ignoreCase)
{
    Symbol& symbol = storage_.emplace_back();
    symbol.name = std::string(name);
    symbol.line = line;
    symbol.creationIndex = static_cast<int>(creationOrder_.size());
    Symbol*& bucket = buckets_[static_cast<std::size_t>(bucketOf(name, codePage_, ignoreCase))];
    symbol.next = bucket;
    bucket = &symbol;
    creationOrder_.push_back(&symbol);
    return symbol;
}

Symbol& SymbolTable::lookup(std::string_view name, int line)
{
    if (Symbol* found = find(name)) {
        if (found->line == 0)
            found->line = line;
        return *found;
    }
    return create(name, line, false);
}

Symbol& SymbolTable::addKeyword(std::string_view spelling, TokenCode code)
{
    Symbol& keyword = create(spelling, 0, true);
    keyword.kind = SymbolKind::Keyword;
    keyword.keywordCode = code;
    return keyword;
}

} // namespace brannock
