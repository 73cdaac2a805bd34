#include "lindle/reader/SymbolTable.h"

namespace lindle {

using toolframe::NameCase;
using toolframe::nameHash;
using toolframe::sameName;

namespace {

struct KeywordSpelling {
    const char* text; // lower case, without the '%'
    Token token;
};

constexpr KeywordSpelling kKeywords[] = {
    {"ascii", Token::Ascii}, {"break", Token::Break}, {"byte", Token::Byte}, {"char", Token::Char},
    {"codepage", Token::CodePage}, {"codepage_ansi", Token::CodePageAnsi}, {"codepage_oem", Token::CodePageOem},
    {"codepage_ascii", Token::CodePageAscii}, {"current", Token::Current}, {"exclusive", Token::Exclusive},
    {"include", Token::Include}, {"name", Token::Name}, {"return", Token::Return}, {"start", Token::Start},
    {"table", Token::Table}, {"a", Token::SizeA}, {"e", Token::SizeE}, {"k", Token::SizeK}, {"n", Token::SizeN},
    {"o", Token::SizeO}, {"option", Token::Option}, {"p", Token::SizeP},
    // The short forms.
    {"s", Token::Start}, {"st", Token::Start}, {"sta", Token::Start}, {"star", Token::Start},
    {"x", Token::Exclusive}, {"t", Token::Table},
};

} // namespace

SymbolTable::SymbolTable(const toolframe::CodePage& codePage) : codePage_(codePage)
{
    enterName("INITIAL", StartCondition{0, false});
    for (const KeywordSpelling& spelling : kKeywords)
        enterName(spelling.text, spelling.token);
    for (std::size_t i = 0; i < kClassNameSpellings.size(); ++i)
        enterName(kClassNameSpellings[i], static_cast<ClassName>(i));
}

// A start condition, a keyword and a class name may share a spelling: a
// lookup sees only the entries of its own kind.
template <class Kind>
auto SymbolTable::sameKindAndName(std::string_view name)
{
    return [name](const NameEntry& candidate) {
        return std::holds_alternative<Kind>(candidate.symbol) && sameName(candidate.name, name, caseOf<Kind>());
    };
}

template <class Kind>
const Kind* SymbolTable::findName(std::string_view name) const
{
    const NameEntry* entry = names_.find(nameHash(name, caseOf<Kind>(), codePage_), sameKindAndName<Kind>(name));
    return entry == nullptr ? nullptr : &std::get<Kind>(entry->symbol);
}

template <class Kind>
Kind& SymbolTable::enterName(std::string_view name, Kind value)
{
    const std::int32_t hash = nameHash(name, caseOf<Kind>(), codePage_);
    NameEntry* entry = names_.find(hash, sameKindAndName<Kind>(name));
    if (entry == nullptr)
        entry = &names_.add(hash, NameEntry{std::string(name), value});
    return std::get<Kind>(entry->symbol);
}

std::optional<Token> SymbolTable::keyword(std::string_view spelling) const
{
    const Token* token = findName<Token>(spelling);
    return token == nullptr ? std::nullopt : std::optional<Token>(*token);
}

std::optional<ClassName> SymbolTable::className(std::string_view name) const
{
    const ClassName* found = findName<ClassName>(name);
    return found == nullptr ? std::nullopt : std::optional<ClassName>(*found);
}

StartCondition& SymbolTable::startCondition(std::string_view name) { return enterName(name, StartCondition{}); }

std::uint64_t SymbolTable::integer(std::string_view text, std::uint64_t value)
{
    return enterName<IntegerValue>(text, value);
}

const std::string* SymbolTable::macro(std::string_view name) const
{
    const MacroEntry* entry = macros_.find(nameHash(name, NameCase::Exact, codePage_),
                                           [&](const MacroEntry& candidate) { return candidate.name == name; });
    return entry == nullptr ? nullptr : &entry->text;
}

bool SymbolTable::defineMacro(std::string_view name, std::string_view text)
{
    const std::int32_t hash = nameHash(name, NameCase::Exact, codePage_);
    if (MacroEntry* entry = macros_.find(hash, [&](const MacroEntry& candidate) { return candidate.name == name; })) {
        entry->text = text;
        return false;
    }
    macros_.add(hash, MacroEntry{std::string(name), std::string(text)});
    return true;
}

std::string_view SymbolTable::text(TokenText kind, std::string_view written)
{
    const std::int32_t hash = nameHash(written, NameCase::Exact, codePage_);
    const auto same = [&](const TextEntry& candidate) { return candidate.kind == kind && candidate.text == written; };
    if (const TextEntry* entry = texts_.find(hash, same))
        return entry->text;
    return texts_.add(hash, TextEntry{kind, std::string(written)}).text;
}

} // namespace lindle
