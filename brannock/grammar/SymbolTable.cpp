#include "brannock/grammar/SymbolTable.h"

#include <cstdlib>

namespace brannock {

namespace {

char lowered(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b, bool ignoreCase)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (ignoreCase ? lowered(a[i]) != lowered(b[i]) : a[i] != b[i])
            return false;
    return true;
}

} // namespace

SymbolTable::SymbolTable(const toolframe::CodePage& codePage) : codePage_(codePage) {}

int SymbolTable::bucketOf(std::string_view name, const toolframe::CodePage& codePage, bool ignoreCase)
{
    std::uint32_t h = 0;
    codePage.forEachCharacter(name, [&](std::string_view character) {
        std::uint32_t c = character.size() == 1 && ignoreCase
                              ? static_cast<unsigned char>(lowered(character[0]))
                              : toolframe::CodePage::characterValue(character);
        h = (h * 2) ^ c;
    });
    const auto remainder = static_cast<std::int32_t>(h) % kBucketCount;
    return std::abs(remainder);
}

Symbol* SymbolTable::find(std::string_view name, bool ignoreCase) const
{
    for (Symbol* symbol = buckets_[static_cast<std::size_t>(bucketOf(name, codePage_, ignoreCase))];
         symbol != nullptr; symbol = symbol->next) {
        const bool keyword = symbol->kind == SymbolKind::Keyword;
        if (keyword == ignoreCase && sameName(symbol->name, name, ignoreCase))
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
