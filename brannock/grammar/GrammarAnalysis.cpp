#include "brannock/grammar/GrammarAnalysis.h"

#include <deque>

namespace brannock {

GrammarAnalysis::GrammarAnalysis(Grammar& grammar, ParserKind kind)
    : grammar_(grammar), kind_(kind), tokenCount_(grammar.usedTokens().size())
{
    for (Nonterminal* nonterminal : grammar_.nonterminals()) {
        nonterminal->first = TokenSet(tokenCount_);
        nonterminal->follow = TokenSet(tokenCount_);
        nonterminal->nullable = false;
    }
    computeFirstSets();
    if (kind_ == ParserKind::Slr)
        computeFollowSets();
    closures_.resize(grammar_.nonterminals().size());
    position_.resize(grammar_.nonterminals().size(), -1);
}

const std::vector<ClosureEntry>& GrammarAnalysis::closure(const Nonterminal& nonterminal) const
{
    const auto number = static_cast<std::size_t>(nonterminal.number);
    // A computed closure holds its own nonterminal at least.
    if (closures_[number].empty()) {
        computeClosure(nonterminal);
        for (const ClosureEntry& entry : closures_[number])
            position_[static_cast<std::size_t>(entry.nonterminal->number)] = -1;
    }
    return closures_[number];
}

bool GrammarAnalysis::firstOfRest(const Rule& rule, std::size_t from, TokenSet& into) const
{
    for (std::size_t i = from; i < rule.rightSide.size(); ++i) {
        const Symbol& symbol = *rule.rightSide[i];
        if (symbol.isToken()) {
            into.insert(static_cast<std::size_t>(symbol.tokenIndex));
            return false;
        }
        into.unite(symbol.nonterminal->first);
        if (!symbol.nonterminal->nullable)
            return false;
    }
    return true;
}

void GrammarAnalysis::computeFirstSets()
{
    const auto& nonterminals = grammar_.nonterminals();
    // Who has to be looked at again when a nonterminal's FIRST grows.
    std::vector<std::vector<Nonterminal*>> users(nonterminals.size());
    for (Nonterminal* nonterminal : nonterminals)
        for (const Rule* rule : nonterminal->rules)
            for (const Symbol* symbol : rule->rightSide)
                if (symbol->isNonterminal())
                    users[static_cast<std::size_t>(symbol->nonterminal->number)].push_back(nonterminal);
    std::deque<Nonterminal*> work(nonterminals.begin(), nonterminals.end());
    std::vector<bool> queued(nonterminals.size(), true);
    while (!work.empty()) {
        Nonterminal& nonterminal = *work.front();
        work.pop_front();
        queued[static_cast<std::size_t>(nonterminal.number)] = false;
        bool changed = false;
        for (const Rule* rule : nonterminal.rules) {
            TokenSet first(tokenCount_);
            const bool nullable = firstOfRest(*rule, 0, first);
            changed = nonterminal.first.unite(first) || changed;
            if (nullable && !nonterminal.nullable) {
                nonterminal.nullable = true;
                changed = true;
            }
        }
        if (!changed)
            continue;
        for (Nonterminal* user : users[static_cast<std::size_t>(nonterminal.number)])
            if (!queued[static_cast<std::size_t>(user->number)]) {
                queued[static_cast<std::size_t>(user->number)] = true;
                work.push_back(user);
            }
    }
}

void GrammarAnalysis::computeFollowSets()
{
    grammar_.accept().nonterminal->follow.insert(static_cast<std::size_t>(grammar_.endOfInput().tokenIndex));
    for (bool changed = true; changed;) {
        changed = false;
        for (const Rule* rule : grammar_.rules()) {
            for (std::size_t i = 0; i < rule->rightSide.size(); ++i) {
                const Symbol& symbol = *rule->rightSide[i];
                if (!symbol.isNonterminal())
                    continue;
                TokenSet rest(tokenCount_);
                const bool nullable = firstOfRest(*rule, i + 1, rest);
                changed = symbol.nonterminal->follow.unite(rest) || changed;
                if (nullable)
                    changed = symbol.nonterminal->follow.unite(rule->leftSide->nonterminal->follow) || changed;
            }
        }
    }
}

void GrammarAnalysis::computeClosure(const Nonterminal& start) const
{
    std::vector<int>& position = position_;
    const bool slr = kind_ == ParserKind::Slr;
    std::vector<ClosureEntry>& entries = closures_[static_cast<std::size_t>(start.number)];
    entries.push_back(ClosureEntry{&start, TokenSet(tokenCount_), !slr});
    position[static_cast<std::size_t>(start.number)] = 0;
    std::deque<std::size_t> work{0};
    std::vector<bool> queued{true};
    while (!work.empty()) {
        const std::size_t current = work.front();
        work.pop_front();
        queued[current] = false;
        for (const Rule* rule : entries[current].nonterminal->rules) {
            if (rule->rightSide.empty() || !rule->rightSide[0]->isNonterminal())
                continue;
            const Nonterminal* next = rule->rightSide[0]->nonterminal;
            int& at = position[static_cast<std::size_t>(next->number)];
            bool changed = false;
            if (at < 0) {
                at = static_cast<int>(entries.size());
                entries.push_back(ClosureEntry{next, TokenSet(tokenCount_), false});
                queued.push_back(false);
                changed = true;
            }
            const auto index = static_cast<std::size_t>(at);
            if (!slr) {
                TokenSet rest(tokenCount_);
                const bool nullable = firstOfRest(*rule, 1, rest);
                changed = entries[index].spontaneous.unite(rest) || changed;
                if (nullable) {
                    changed = entries[index].spontaneous.unite(entries[current].spontaneous) || changed;
                    if (entries[current].inherits && !entries[index].inherits) {
                        entries[index].inherits = true;
                        changed = true;
                    }
                }
            }
            if (changed && !queued[index]) {
                queued[index] = true;
                work.push_back(index);
            }
        }
    }
}

} // namespace brannock
