#include "brannock/lr/Automaton.h"

#include <algorithm>

#include "brannock/grammar/Nonterminal.h"
#include "brannock/grammar/Rule.h"
#include "brannock/grammar/Symbol.h"

namespace brannock {

namespace {

std::uint64_t itemKey(const Rule& rule, int dot)
{
    return (static_cast<std::uint64_t>(rule.number) << 24) ^ static_cast<std::uint64_t>(dot);
}

std::uint64_t mix(std::uint64_t hash, std::uint64_t value)
{
    hash ^= value + 0x9e3779b97f4a7c15ull + (hash << 6) + (hash >> 2);
    return hash;
}

bool itemOrder(const LrItem* a, const LrItem* b) { return a->before(*b); }

} // namespace

bool LrItem::before(const LrItem& other) const
{
    return rule->number != other.rule->number ? rule->number < other.rule->number : dot < other.dot;
}

LrState* LrState::successorOn(const Nonterminal* nonterminal) const
{
    // The successors are in symbol creation order: a state with a goto on
    // each of many nonterminals is searched, not scanned.
    const auto at = std::lower_bound(nonterminalSuccessors.begin(), nonterminalSuccessors.end(),
                                     nonterminal->symbol->creationIndex, [](const auto& successor, auto wanted) {
                                         return successor.first->symbol->creationIndex < wanted;
                                     });
    return at != nonterminalSuccessors.end() && at->first == nonterminal ? at->second : nullptr;
}

// A successor kernel being gathered while its state is processed.
struct Automaton::PendingKernel {
    Symbol* symbol = nullptr;
    std::vector<LrItem*> items;
    std::unordered_map<std::uint64_t, LrItem*> byKey;
};

Automaton::Automaton(Grammar& grammar, const GrammarAnalysis& analysis)
    : grammar_(grammar),
      analysis_(analysis),
      lalr_(analysis.kind() == ParserKind::Lalr),
      slr_(analysis.kind() == ParserKind::Slr),
      tokenPending_(analysis.tokenCount()),
      nonterminalPending_(grammar.nonterminals().size()),
      empty_(analysis.tokenCount())
{
}

Automaton::~Automaton() = default;

LrItem* Automaton::newItem(Rule* rule, int dot)
{
    LrItem* item;
    if (!freeItems_.empty()) {
        item = freeItems_.back();
        freeItems_.pop_back();
    } else {
        item = &itemStorage_.emplace_back();
        item->id = static_cast<int>(itemStorage_.size()) - 1;
    }
    item->rule = rule;
    item->dot = dot;
    item->lookahead = TokenSet(analysis_.tokenCount());
    item->sources.clear();
    item->used = false;
    return item;
}

void Automaton::recycle(LrItem* item) { freeItems_.push_back(item); }

const TokenSet& Automaton::lookaheadOf(const LrItem& reduction) const
{
    return slr_ ? reduction.rule->leftSide->nonterminal->follow : reduction.lookahead;
}

Automaton::PendingKernel& Automaton::pendingFor(Symbol& symbol)
{
    std::unique_ptr<PendingKernel>& slot =
        symbol.isToken() ? tokenPending_[static_cast<std::size_t>(symbol.tokenIndex)]
                         : nonterminalPending_[static_cast<std::size_t>(symbol.nonterminal->number)];
    if (!slot)
        slot = std::make_unique<PendingKernel>();
    if (slot->symbol == nullptr) {
        slot->symbol = &symbol;
        touched_.push_back(slot.get());
    }
    return *slot;
}

void Automaton::add(LrState& state, Rule& rule, int dot, const TokenSet& lookahead, LrItem* source)
{
    if (static_cast<std::size_t>(dot) == rule.rightSide.size()) {
        LrItem*& reduction = reductionsByKey_[itemKey(rule, dot)];
        if (reduction == nullptr) {
            reduction = newItem(&rule, dot);
            state.reductions.push_back(reduction);
        }
        reduction->lookahead.unite(lookahead);
        if (source != nullptr)
            reduction->sources.push_back(source);
        return;
    }
    PendingKernel& pending = pendingFor(*rule.rightSide[static_cast<std::size_t>(dot)]);
    LrItem*& item = pending.byKey[itemKey(rule, dot + 1)];
    if (item == nullptr) {
        item = newItem(&rule, dot + 1);
        pending.items.push_back(item);
    }
    item->lookahead.unite(lookahead);
    if (source != nullptr)
        item->sources.push_back(source);
}

void Automaton::process(LrState& state)
{
    reductionsByKey_.clear();
    for (LrItem* kernelItem : state.kernel) {
        Rule& rule = *kernelItem->rule;
        add(state, rule, kernelItem->dot, kernelItem->lookahead, lalr_ ? kernelItem : nullptr);
        const auto dot = static_cast<std::size_t>(kernelItem->dot);
        if (dot == rule.rightSide.size() || !rule.rightSide[dot]->isNonterminal())
            continue;
        TokenSet context(analysis_.tokenCount());
        bool passesThrough = true;
        if (!slr_) {
            passesThrough = analysis_.firstOfRest(rule, dot + 1, context);
            if (passesThrough)
                context.unite(kernelItem->lookahead);
        }
        for (const ClosureEntry& entry : analysis_.closure(*rule.rightSide[dot]->nonterminal)) {
            TokenSet lookahead = entry.spontaneous;
            if (entry.inherits)
                lookahead.unite(context);
            LrItem* source = lalr_ && entry.inherits && passesThrough ? kernelItem : nullptr;
            for (Rule* closureRule : entry.nonterminal->rules)
                add(state, *closureRule, 0, slr_ ? empty_ : lookahead, source);
        }
    }
    std::sort(state.reductions.begin(), state.reductions.end(), itemOrder);
    // Token successors first, by token index, then nonterminals by symbol.
    std::sort(touched_.begin(), touched_.end(), [](const PendingKernel* a, const PendingKernel* b) {
        if (a->symbol->isToken() != b->symbol->isToken())
            return a->symbol->isToken();
        return a->symbol->isToken() ? a->symbol->tokenIndex < b->symbol->tokenIndex
                                    : a->symbol->creationIndex < b->symbol->creationIndex;
    });
    std::vector<PendingKernel*> touched;
    touched.swap(touched_);
    for (PendingKernel* pending : touched) {
        resolve(state, *pending);
        pending->symbol = nullptr;
        pending->items.clear();
        pending->byKey.clear();
    }
}

LrState* Automaton::find(const PendingKernel& pending, std::uint64_t key) const
{
    const auto [first, last] = statesByKernel_.equal_range(key);
    for (auto at = first; at != last; ++at) {
        const LrState& candidate = *at->second;
        if (candidate.accessingSymbol != pending.symbol || candidate.kernel.size() != pending.items.size())
            continue;
        bool same = true;
        for (std::size_t i = 0; same && i < pending.items.size(); ++i) {
            const LrItem& mine = *pending.items[i];
            const LrItem& theirs = *candidate.kernel[i];
            same = mine.rule == theirs.rule && mine.dot == theirs.dot && (lalr_ || mine.lookahead == theirs.lookahead);
        }
        if (same)
            return at->second;
    }
    return nullptr;
}

void Automaton::resolve(LrState& from, PendingKernel& pending)
{
    std::sort(pending.items.begin(), pending.items.end(), itemOrder);
    std::uint64_t key = static_cast<std::uint64_t>(pending.symbol->creationIndex);
    for (const LrItem* item : pending.items) {
        key = mix(key, itemKey(*item->rule, item->dot));
        if (!lalr_)
            item->lookahead.forEach([&](std::size_t index) { key = mix(key, index); });
    }
    LrState* target = find(pending, key);
    if (target != nullptr) {
        for (std::size_t i = 0; i < pending.items.size(); ++i) {
            LrItem& theirs = *target->kernel[i];
            theirs.lookahead.unite(pending.items[i]->lookahead);
            theirs.sources.insert(theirs.sources.end(), pending.items[i]->sources.begin(),
                                  pending.items[i]->sources.end());
            recycle(pending.items[i]);
        }
    } else {
        target = &stateStorage_.emplace_back();
        target->number = static_cast<int>(states_.size());
        target->accessingSymbol = pending.symbol;
        target->kernel = pending.items;
        states_.push_back(target);
        statesByKernel_.emplace(key, target);
    }
    target->predecessors.push_back(&from);
    if (pending.symbol->isToken())
        from.tokenSuccessors.emplace_back(pending.symbol->tokenIndex, target);
    else
        from.nonterminalSuccessors.emplace_back(pending.symbol->nonterminal, target);
}

void Automaton::build()
{
    Rule& startRule = *grammar_.rules().front();
    LrState& first = stateStorage_.emplace_back();
    LrItem* startItem = newItem(&startRule, 0);
    if (!slr_)
        startItem->lookahead.insert(static_cast<std::size_t>(grammar_.endOfInput().tokenIndex));
    first.kernel.push_back(startItem);
    states_.push_back(&first);
    for (std::size_t i = 0; i < states_.size(); ++i)
        process(*states_[i]);
    if (lalr_)
        propagate();
}

void Automaton::propagate()
{
    // What each item passes its lookaheads on to; then a worklist reaches
    // the same fixed point as repeated passes over every state.
    std::vector<std::vector<LrItem*>> dependents(itemStorage_.size());
    std::vector<LrItem*> items;
    for (LrState* state : states_) {
        for (std::vector<LrItem*>* list : {&state->kernel, &state->reductions})
            for (LrItem* item : *list) {
                items.push_back(item);
                for (LrItem* source : item->sources)
                    dependents[static_cast<std::size_t>(source->id)].push_back(item);
            }
    }
    std::vector<bool> queued(itemStorage_.size(), false);
    std::deque<LrItem*> work;
    for (LrItem* item : items) {
        queued[static_cast<std::size_t>(item->id)] = true;
        work.push_back(item);
    }
    while (!work.empty()) {
        LrItem* item = work.front();
        work.pop_front();
        queued[static_cast<std::size_t>(item->id)] = false;
        for (LrItem* dependent : dependents[static_cast<std::size_t>(item->id)])
            if (dependent->lookahead.unite(item->lookahead) && !queued[static_cast<std::size_t>(dependent->id)]) {
                queued[static_cast<std::size_t>(dependent->id)] = true;
                work.push_back(dependent);
            }
    }
}

} // namespace brannock
