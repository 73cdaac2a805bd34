#include "brannock/grammar/Grammar.h"

#include <algorithm>
#include <limits>
#include <string>

#include "brannock/MessageNumbers.h"

namespace brannock {

namespace {

constexpr long kErrorNumber = 256;
constexpr long kUnicodeErrorNumber = 65536;
constexpr long kCharacterLimit = 255;
constexpr long kUnicodeCharacterLimit = 65535;

bool isIdentifierStart(long c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool isIdentifierPart(long c) { return isIdentifierStart(c) || (c >= '0' && c <= '9'); }

// A character token of two or more characters is name-like when its
// content spells an identifier ('if' can be a C constant, '<=' cannot).
bool spellsIdentifier(const std::vector<long>& values)
{
    if (values.size() < 2 || !isIdentifierStart(values[0]))
        return false;
    for (long value : values)
        if (!isIdentifierPart(value))
            return false;
    return true;
}

} // namespace

Grammar::Grammar(const ToolOptions& options, const toolframe::CodePage& codePage, Emitter& emitter,
                 toolframe::Diagnostics& diagnostics)
    : emitter_(emitter),
      diagnostics_(diagnostics),
      symbols_(codePage),
      unicode_(options.unicode),
      compact_(options.compactTables),
      nextTokenNumber_(options.unicode ? kUnicodeErrorNumber + 1 : kErrorNumber + 1)
{
    error_ = &predefine("error");
    becomeToken(*error_);
    error_->numbered = true;
    error_->number = unicode_ ? kUnicodeErrorNumber : kErrorNumber;
    error_->nameLike = true;
    accept_ = &predefine("$accept");
    accept_->kind = SymbolKind::Nonterminal;
    accept_->pushed = true;
    endOfInput_ = &predefine("$end");
    becomeToken(*endOfInput_);
    endOfInput_->numbered = true;
    endOfInput_->number = 0;
    useToken(*endOfInput_);
    useToken(*error_);
    tokenNumbers_[error_->number] = error_;
    tokenNumbers_[0] = endOfInput_;
}

Symbol& Grammar::predefine(std::string_view name) { return symbols_.lookup(name, 0); }

void Grammar::reportAt(int line, int number, const Symbol& symbol)
{
    diagnostics_.reportAt(line, number, symbol.name);
}

void Grammar::becomeToken(Symbol& symbol)
{
    // Type and destructor are kept; the token fields start afresh.
    const Symbol* type = symbol.type;
    const int destructor = symbol.destructor;
    const bool referenced = symbol.referencedInRule;
    Symbol fresh;
    fresh.name = std::move(symbol.name);
    fresh.line = symbol.line;
    fresh.next = symbol.next;
    fresh.characterToken = symbol.characterToken;
    fresh.characterValue = symbol.characterValue;
    symbol = std::move(fresh);
    symbol.kind = SymbolKind::Token;
    symbol.type = type;
    symbol.destructor = destructor;
    symbol.referencedInRule = referenced;
}

Symbol& Grammar::characterToken(std::string_view text, const std::vector<long>& values, int line)
{
    Symbol& symbol = symbols_.lookup(text, line);
    if (symbol.kind != SymbolKind::Unknown)
        return symbol;
    symbol.characterToken = true;
    becomeToken(symbol);
    symbol.nameLike = spellsIdentifier(values);
    if (values.size() == 1)
        symbol.characterValue = values[0] & (unicode_ ? kUnicodeCharacterLimit : kCharacterLimit);
    if (values.size() == 1 && !compact_) {
        const long limit = unicode_ ? kUnicodeCharacterLimit : kCharacterLimit;
        long code = values[0];
        if (code > limit) {
            diagnostics_.reportAt(line, TooBigForCharacter, code);
            code &= limit;
        }
        assignNumber(symbol, code, std::to_string(code), line);
    }
    return symbol;
}

void Grammar::declareToken(Symbol& symbol, int line)
{
    if (symbol.isToken())
        return;
    if (symbol.isNonterminal()) {
        reportAt(line, AlreadyNonterminal, symbol);
        return;
    }
    becomeToken(symbol);
    symbol.nameLike = !symbol.characterToken;
}

Nonterminal& Grammar::nonterminalOf(Symbol& symbol, int line)
{
    if (symbol.nonterminal == nullptr) {
        Nonterminal& record = nonterminalStorage_.emplace_back();
        record.number = static_cast<int>(nonterminalList_.size());
        record.symbol = &symbol;
        record.line = line;
        record.reducedTo = &symbol == accept_;
        nonterminalList_.push_back(&record);
        symbol.nonterminal = &record;
    }
    return *symbol.nonterminal;
}

void Grammar::declareNonterminal(Symbol& symbol, int line)
{
    if (symbol.isToken()) {
        reportAt(line, AlreadyToken, symbol);
        return;
    }
    symbol.kind = SymbolKind::Nonterminal;
}

void Grammar::setType(Symbol& symbol, const Symbol* tag, int line)
{
    if (symbol.type != nullptr && symbol.type != tag) {
        reportAt(line, TypeRedeclared, symbol);
        return;
    }
    symbol.type = tag;
    if (symbol.kind == SymbolKind::Unknown)
        symbol.kind = SymbolKind::Referenced;
}

void Grammar::setAssociativity(Symbol& symbol, Associativity associativity, int level, int line)
{
    if (symbol.associativity != Associativity::None) {
        if (symbol.associativity != associativity)
            reportAt(line, AssociativityRedeclared, symbol);
        else if (symbol.precedence != level)
            reportAt(line, PrecedenceRedeclared, symbol);
        return;
    }
    symbol.associativity = associativity;
    symbol.precedence = level;
}

void Grammar::assignNumber(Symbol& symbol, long number, const std::string& text, int line)
{
    // The generated tables, yylex and the runtime hold a token as an int:
    // a larger number, given or counted up to, would wrap there into
    // another token's or a negative one.
    if (number > std::numeric_limits<int>::max())
        diagnostics_.reportAt(line, IntegerTooBig, text);
    symbol.numbered = true;
    symbol.number = number;
    const auto [holder, added] = tokenNumbers_.try_emplace(number, &symbol);
    if (!added && holder->second != &symbol)
        reportAt(line, TokenNumberNotUnique, symbol);
    if (symbol.nameLike)
        emitter_.tokenConstant(symbol.name, static_cast<unsigned>(number));
}

void Grammar::numberToken(Symbol& symbol, long number, const std::string& text, int line)
{
    if (!symbol.isToken())
        return;
    if (symbol.numbered) {
        if (symbol.number != number)
            reportAt(line, Reinitialisation, symbol);
        return;
    }
    assignNumber(symbol, number, text, line);
    nextTokenNumber_ = number + 1;
}

void Grammar::numberAutomatically(Symbol& symbol, int line)
{
    if (!symbol.isToken() || symbol.numbered || (compact_ && symbol.characterToken && !symbol.nameLike))
        return;
    const long number = nextTokenNumber_++;
    assignNumber(symbol, number, std::to_string(number), line);
}

void Grammar::setStart(Symbol& symbol, int line)
{
    if (start_ != nullptr && start_ != &symbol) {
        diagnostics_.reportAt(line, StartRedeclared);
        return;
    }
    if (symbol.isToken()) {
        reportAt(line, AlreadyToken, symbol);
        return;
    }
    symbol.kind = SymbolKind::Nonterminal;
    start_ = &symbol;
}

Symbol& Grammar::tag(std::string_view name, int line)
{
    // Built in place: g++ 12 at -O3 takes "<" + name + ">" for an
    // overlapping copy (a false -Wrestrict).
    std::string key;
    key.reserve(name.size() + 2);
    key.append(1, '<').append(name).append(1, '>');
    Symbol& symbol = symbols_.lookup(key, line);
    symbol.kind = SymbolKind::TypeTag;
    return symbol;
}

void Grammar::useToken(Symbol& symbol)
{
    if (symbol.tokenIndex >= 0)
        return;
    symbol.tokenIndex = static_cast<int>(usedTokens_.size());
    usedTokens_.push_back(&symbol);
}

Rule& Grammar::beginRule(Symbol& leftSide, int line)
{
    if (ruleList_.empty()) {
        Rule& startRule = ruleStorage_.emplace_back();
        startRule.leftSide = accept_;
        startRule.line = line;
        nonterminalOf(*accept_, line);
        Symbol& startSymbol = start_ != nullptr ? *start_ : leftSide;
        start_ = &startSymbol;
        appendSymbol(startRule, startSymbol);
        finishRule(startRule);
    }
    if (leftSide.isToken())
        reportAt(line, AlreadyToken, leftSide);
    else
        leftSide.kind = SymbolKind::Nonterminal;
    leftSide.referencedInRule = true;
    Rule& rule = ruleStorage_.emplace_back();
    rule.leftSide = &leftSide;
    rule.line = line;
    return rule;
}

void Grammar::appendSymbol(Rule& rule, Symbol& symbol)
{
    rule.rightSide.push_back(&symbol);
    symbol.referencedInRule = true;
    if (symbol.isToken()) {
        symbol.usedInRule = true;
        if (symbol.characterToken)
            numberAutomatically(symbol, rule.line);
        useToken(symbol);
    } else if (symbol.kind == SymbolKind::Unknown) {
        symbol.kind = SymbolKind::Referenced;
    }
    if (symbol.kind == SymbolKind::Referenced)
        symbol.usedInRule = true;
}

Symbol& Grammar::addMidRuleAction(int action, const Symbol* type, int line)
{
    Symbol& symbol = symbols_.lookup("$$" + std::to_string(midRuleCounter_++), line);
    symbol.kind = SymbolKind::Nonterminal;
    symbol.type = type;
    Rule& rule = ruleStorage_.emplace_back();
    rule.leftSide = &symbol;
    rule.action = action;
    rule.line = line;
    finishRule(rule);
    return symbol;
}

void Grammar::finishRule(Rule& rule)
{
    rule.number = static_cast<int>(ruleList_.size());
    ruleList_.push_back(&rule);
    Nonterminal& nonterminal = nonterminalOf(*rule.leftSide, rule.line);
    nonterminal.rules.push_back(&rule);
    if (&rule == ruleList_.front())
        rule.reduced = true;
    if (ruleListener_ != nullptr)
        ruleListener_->ruleCompleted(rule);
}

void Grammar::setRulePrecedence(Rule& rule, Symbol& symbol, int line)
{
    if (!symbol.isToken()) {
        reportAt(line, MustBeToken, symbol);
        return;
    }
    if (rule.precedenceSymbol != nullptr && rule.precedenceSymbol != &symbol) {
        diagnostics_.reportAt(line, RulePrecedenceRedeclared);
        return;
    }
    rule.precedenceSymbol = &symbol;
    symbol.namedByPrecedence = true;
}

void Grammar::setSymbolDestructor(Symbol& symbol, int action, const Symbol* firstType, int line)
{
    if (symbol.destructor >= 0) {
        reportAt(line, DuplicateSymbolDestructor, symbol);
        return;
    }
    if (symbol.type != firstType)
        reportAt(line, SymbolTypeDifferent, symbol);
    symbol.destructor = action;
}

void Grammar::setTypeDestructor(Symbol& tagSymbol, int action, int line)
{
    if (tagSymbol.destructor >= 0) {
        diagnostics_.reportAt(line, DuplicateTypeDestructor, tagSymbol.tagName());
        return;
    }
    tagSymbol.destructor = action;
}

void Grammar::setUntypedDestructor(int action, int line)
{
    if (untypedDestructor_ >= 0) {
        diagnostics_.reportAt(line, DuplicateUntypedDestructor);
        return;
    }
    untypedDestructor_ = action;
}

void Grammar::resolveDestructor(Symbol& symbol)
{
    if (symbol.destructor >= 0)
        return;
    symbol.destructor = symbol.type != nullptr ? symbol.type->destructor : untypedDestructor_;
}

void Grammar::checkDefinitions(int currentLine)
{
    for (Symbol* symbol : symbols_.all()) {
        const int line = symbol->line != 0 ? symbol->line : currentLine;
        switch (symbol->kind) {
        case SymbolKind::Unknown:
        case SymbolKind::Referenced:
            if (symbol->namesParserOnly)
                break;
            reportAt(line, symbol->usedInRule ? UndefinedSymbol : SymbolNeverUsed, *symbol);
            break;
        case SymbolKind::Nonterminal:
            if (symbol == accept_)
                break;
            if (symbol->nonterminal == nullptr || symbol->nonterminal->rules.empty()) {
                if (symbol->referencedInRule || symbol == start_)
                    reportAt(line, UndefinedNonterminal, *symbol);
                else
                    reportAt(line, NonterminalNeverUsed, *symbol);
            }
            resolveDestructor(*symbol);
            break;
        case SymbolKind::Token:
            if (symbol == endOfInput_ || symbol == error_)
                break;
            // A token declared only to give a rule its precedence is used
            // by that rule's %prec.
            if (!symbol->usedInRule && !symbol->namedByPrecedence)
                reportAt(line, TokenNeverUsed, *symbol);
            resolveDestructor(*symbol);
            break;
        default:
            break;
        }
    }
}

void Grammar::orderTokens()
{
    // The order is that of the exchange sort that compares each position
    // with every later one and swaps when the earlier number is greater.
    // Token numbers are unique in a grammar without errors, except the
    // zeros of unnumbered tokens; that sort brings each next zero forward
    // without reordering the rest of them, so it leaves the zeros in list
    // order, which a stable sort does in n log n.
    std::stable_sort(usedTokens_.begin(), usedTokens_.end(),
                     [](const Symbol* a, const Symbol* b) { return a->number < b->number; });
    for (std::size_t i = 0; i < usedTokens_.size(); ++i)
        usedTokens_[i]->tokenIndex = static_cast<int>(i);
}

} // namespace brannock
