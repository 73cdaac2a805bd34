#include "brannock/lr/ParseActions.h"

#include <algorithm>

#include "brannock/MessageNumbers.h"
#include "brannock/grammar/Nonterminal.h"
#include "brannock/grammar/Rule.h"
#include "brannock/grammar/Symbol.h"
#include "brannock/lr/VerboseWriter.h"
#include "toolframe/output/TextFormat.h"

namespace brannock {

namespace {

// The token that gives a rule its precedence: the %prec token when it has an
// associativity, else the last token of the right-hand side when it has one.
const Symbol* precedenceOf(const Rule& rule)
{
    if (rule.precedenceSymbol != nullptr && rule.precedenceSymbol->associativity != Associativity::None)
        return rule.precedenceSymbol;
    for (auto symbol = rule.rightSide.rbegin(); symbol != rule.rightSide.rend(); ++symbol)
        if ((*symbol)->isToken())
            return (*symbol)->associativity != Associativity::None ? *symbol : nullptr;
    return nullptr;
}

} // namespace

ParseActions::ParseActions(Automaton& automaton, const ToolOptions& options, toolframe::Diagnostics& diagnostics,
                           VerboseWriter& verbose)
    : automaton_(automaton), options_(options), diagnostics_(diagnostics), verbose_(verbose),
      row_(automaton.tokenCount()), rowStamp_(automaton.tokenCount(), 0), present_((automaton.tokenCount() + 63) / 64, 0)
{
}

void ParseActions::build()
{
    for (LrState* state : automaton_.states()) {
        settle(*state);
        verbose_.writeState(*state, automaton_.grammar(), conflictLines_);
    }
}

void ParseActions::conflict(LrState& state, Message message, const Rule& loser, std::size_t tokenIndex,
                            std::string line)
{
    const Symbol& t = token(tokenIndex);
    if (loser.line > 0)
        diagnostics_.reportAt(loser.line, message, t.name);
    else
        diagnostics_.report(message, t.name);
    conflictLines_.push_back(line + t.name + "\n");
    switch (message) {
    case ShiftReduceConflict:
        ++state.shiftReduceConflicts;
        ++shiftReduceConflicts_;
        break;
    case ReduceReduceConflict:
        ++state.reduceReduceConflicts;
        ++reduceReduceConflicts_;
        break;
    default:
        ++state.acceptReduceConflicts;
        break;
    }
}

void ParseActions::shiftReduceConflict(LrState& state, const Rule& rule, std::size_t tokenIndex, int shiftTarget)
{
    conflict(state, ShiftReduceConflict, rule, tokenIndex,
             toolframe::formatText("%d: shift-reduce conflict (shift %d, reduce %d) on ", state.number, shiftTarget,
                                   rule.number));
}

void ParseActions::resolve(LrState& state, std::size_t tokenIndex, LrItem& reduction)
{
    Entry& entry = row_[tokenIndex];
    const Rule& rule = *reduction.rule;
    switch (entry.kind) {
    case ActionKind::Error:
        // A nonassociative operator's error stands for the shift it
        // replaced, and a later reduction on the token meets it as it would
        // have met the shift: one that binds tighter than the token takes
        // the entry, any other leaves the error. Otherwise the order of the
        // rules would decide whether "a < b < c" parses.
        if (entry.explicitError) {
            const Symbol* precedence = precedenceOf(rule);
            if (precedence == nullptr)
                shiftReduceConflict(state, rule, tokenIndex, entry.shiftedTo);
            else if (token(tokenIndex).precedence < precedence->precedence)
                entry = Entry{ActionKind::Reduce, rule.number, &reduction};
            return;
        }
        entry = Entry{ActionKind::Reduce, rule.number, &reduction};
        return;
    case ActionKind::Shift: {
        const Symbol* precedence = precedenceOf(rule);
        const Symbol& t = token(tokenIndex);
        if (precedence != nullptr && t.associativity != Associativity::None) {
            if (t.precedence < precedence->precedence ||
                (t.precedence == precedence->precedence && t.associativity == Associativity::Left))
                entry = Entry{ActionKind::Reduce, rule.number, &reduction};
            else if (t.precedence == precedence->precedence && t.associativity == Associativity::Nonassociative)
                entry = Entry{ActionKind::Error, 0, nullptr, true, entry.target};
            return;
        }
        shiftReduceConflict(state, rule, tokenIndex, entry.target);
        return;
    }
    case ActionKind::Reduce: {
        if (entry.target == rule.number)
            return;
        const Rule& other = *entry.item->rule;
        const Rule& winner = other.number < rule.number ? other : rule;
        const Rule& loser = other.number < rule.number ? rule : other;
        if (&winner == &rule)
            entry = Entry{ActionKind::Reduce, rule.number, &reduction};
        conflict(state, ReduceReduceConflict, loser, tokenIndex,
                 toolframe::formatText("%d: reduce-reduce conflict (reduce %d, reduce %d) on ", state.number, winner.number,
                        loser.number));
        return;
    }
    case ActionKind::Accept:
        conflict(state, AcceptReduceConflict, rule, tokenIndex,
                 toolframe::formatText("%d: accept-reduce conflict (accept, reduce %d) on ", state.number, rule.number));
        return;
    case ActionKind::Default:
        return;
    }
}

ParseActions::Entry& ParseActions::entryAt(std::size_t tokenIndex)
{
    // A token enters the row once per state, so only the tokens the state
    // has are cleared and visited.
    if (rowStamp_[tokenIndex] != stamp_) {
        rowStamp_[tokenIndex] = stamp_;
        row_[tokenIndex] = Entry{};
        rowTokens_.push_back(tokenIndex);
        markPresent(tokenIndex / 64, std::uint64_t{1} << (tokenIndex % 64));
    }
    return row_[tokenIndex];
}

void ParseActions::markPresent(std::size_t word, std::uint64_t bits)
{
    if (present_[word] == 0)
        presentWords_.push_back(word);
    present_[word] |= bits;
}

ParseActions::Entry& ParseActions::takeFromUncontested(std::size_t tokenIndex)
{
    if (rowStamp_[tokenIndex] == stamp_)
        return row_[tokenIndex];
    const std::size_t word = tokenIndex / 64;
    const std::uint64_t bit = std::uint64_t{1} << (tokenIndex % 64);
    for (Uncontested& reduction : uncontested_) {
        if (reduction.whole != nullptr) {
            if (!reduction.whole->contains(tokenIndex))
                continue;
            reduction.whole->forEachWord([&](std::size_t at, std::uint64_t bits) { reduction.words.emplace_back(at, bits); });
            reduction.whole = nullptr;
        }
        const auto at = std::lower_bound(reduction.words.begin(), reduction.words.end(), word,
                                         [](const auto& entry, std::size_t wanted) { return entry.first < wanted; });
        if (at != reduction.words.end() && at->first == word && (at->second & bit) != 0) {
            at->second &= ~bit;
            Entry& entry = entryAt(tokenIndex);
            entry = Entry{ActionKind::Reduce, reduction.item->rule->number, reduction.item};
            return entry;
        }
    }
    return entryAt(tokenIndex);
}

template <class Visit>
void ParseActions::forEachWord(const Uncontested& reduction, Visit&& visit)
{
    if (reduction.whole != nullptr)
        reduction.whole->forEachWord(visit);
    else
        for (const auto& [word, bits] : reduction.words)
            visit(word, bits);
}

void ParseActions::settle(LrState& state)
{
    conflictLines_.clear();
    rowTokens_.clear();
    uncontested_.clear();
    ++stamp_;
    for (const auto& [tokenIndex, target] : state.tokenSuccessors)
        entryAt(static_cast<std::size_t>(tokenIndex)) = Entry{ActionKind::Shift, target->number, nullptr};
    const Rule* startRule = automaton_.grammar().rules().front();
    const auto endOfInput = static_cast<std::size_t>(automaton_.grammar().endOfInput().tokenIndex);
    bool wholeMarked = false;
    for (LrItem* reduction : state.reductions) {
        // A first reduction that no other action contests takes its
        // lookahead set as it is, until another reduction comes; then its
        // tokens are marked as named.
        if (!uncontested_.empty() && uncontested_.front().whole != nullptr && !wholeMarked) {
            uncontested_.front().whole->forEachWord([&](std::size_t word, std::uint64_t bits) { markPresent(word, bits); });
            wholeMarked = true;
        }
        if (reduction->rule == startRule) {
            Entry& entry = takeFromUncontested(endOfInput);
            if (entry.kind == ActionKind::Reduce)
                conflict(state, AcceptReduceConflict, *entry.item->rule, endOfInput,
                         toolframe::formatText("%d: accept-reduce conflict (accept, reduce %d) on ", state.number, entry.target));
            entry = Entry{ActionKind::Accept, 0, reduction};
            continue;
        }
        // A token no earlier action of the state names simply gets this
        // reduction: such tokens are kept a word at a time, and only the
        // tokens already named are resolved one by one, in token order as
        // ever, since only they can conflict. So a state whose reduction has
        // a large lookahead set and that ends up its default reduction costs
        // the words of that set, not an entry per token.
        const TokenSet& lookahead = automaton_.lookaheadOf(*reduction);
        if (rowTokens_.empty() && uncontested_.empty()) {
            if (!lookahead.empty())
                uncontested_.push_back(Uncontested{reduction, &lookahead, {}});
            continue;
        }
        Uncontested mine{reduction, nullptr, {}};
        lookahead.forEachWord([&](std::size_t word, std::uint64_t bits) {
            for (std::uint64_t named = bits & present_[word]; named != 0; named &= named - 1) {
                const std::size_t tokenIndex = word * 64 + static_cast<std::size_t>(__builtin_ctzll(named));
                takeFromUncontested(tokenIndex);
                resolve(state, tokenIndex, *reduction);
            }
            if (const std::uint64_t fresh = bits & ~present_[word]; fresh != 0) {
                mine.words.emplace_back(word, fresh);
                markPresent(word, fresh);
            }
        });
        if (!mine.words.empty())
            uncontested_.push_back(std::move(mine));
    }
    for (std::size_t word : presentWords_)
        present_[word] = 0;
    presentWords_.clear();
    if (!std::is_sorted(rowTokens_.begin(), rowTokens_.end()))
        std::sort(rowTokens_.begin(), rowTokens_.end());

    // What the default reduction is chosen from: every entry's kind, and for
    // each reduction how many entries it has and the first of them.
    summaries_.clear();
    for (LrItem* reduction : state.reductions)
        summaries_.push_back(ReductionSummary{reduction, 0, -1});
    auto summaryOf = [&](const LrItem* item) -> ReductionSummary& {
        for (ReductionSummary& summary : summaries_)
            if (summary.item == item)
                return summary;
        return summaries_.front();
    };
    bool onlyReductions = true;
    for (std::size_t tokenIndex : rowTokens_) {
        const Entry& entry = row_[tokenIndex];
        if (entry.kind == ActionKind::Error) {
            // A nonassociative operator's explicit error is an action of
            // its own, which a default reduction must not take.
            onlyReductions = onlyReductions && !entry.explicitError;
            continue;
        }
        if (entry.kind == ActionKind::Shift) {
            token(tokenIndex).shifted = true;
            onlyReductions = false;
        } else if (entry.kind == ActionKind::Reduce) {
            ReductionSummary& summary = summaryOf(entry.item);
            if (summary.count++ == 0 || static_cast<int>(tokenIndex) < summary.first)
                summary.first = static_cast<int>(tokenIndex);
        } else {
            onlyReductions = false;
        }
    }
    for (const Uncontested& reduction : uncontested_) {
        ReductionSummary& summary = summaryOf(reduction.item);
        if (reduction.whole != nullptr) {
            // Alone in its state so far: no explicit entries to add to.
            summary.count = static_cast<int>(reduction.whole->size());
            summary.first = static_cast<int>(reduction.whole->lowest());
            continue;
        }
        for (const auto& [word, bits] : reduction.words) {
            if (bits == 0)
                continue;
            const int first = static_cast<int>(word * 64) + __builtin_ctzll(bits);
            if (summary.count == 0 || first < summary.first)
                summary.first = first;
            summary.count += __builtin_popcountll(bits);
        }
    }
    for (const ReductionSummary& summary : summaries_)
        if (summary.count > 0) {
            Rule& rule = *summary.item->rule;
            rule.reduced = true;
            rule.leftSide->nonterminal->reducedTo = true;
            summary.item->used = true;
        }
    state.defaultReduction = chooseDefaultReduction(onlyReductions);

    // The entries that stay, in token order; a default reduction takes most
    // of a state's entries away, and the list takes only the room of what
    // is left.
    actions_.clear();
    for (std::size_t tokenIndex : rowTokens_) {
        const Entry& entry = row_[tokenIndex];
        if ((entry.kind == ActionKind::Error && !entry.explicitError) ||
            (entry.kind == ActionKind::Reduce && entry.item->rule == state.defaultReduction))
            continue;
        actions_.push_back(ParseAction{static_cast<int>(tokenIndex), entry.kind, entry.target, entry.item});
    }
    bool merged = false;
    for (const Uncontested& reduction : uncontested_) {
        if (reduction.item->rule == state.defaultReduction)
            continue;
        merged = merged || !actions_.empty();
        forEachWord(reduction, [&](std::size_t word, std::uint64_t bits) {
            for (std::uint64_t rest = bits; rest != 0; rest &= rest - 1)
                actions_.push_back(ParseAction{static_cast<int>(word * 64) + __builtin_ctzll(rest), ActionKind::Reduce,
                                               reduction.item->rule->number, reduction.item});
        });
    }
    if (merged)
        std::sort(actions_.begin(), actions_.end(),
                  [](const ParseAction& a, const ParseAction& b) { return a.tokenIndex < b.tokenIndex; });
    state.actions.assign(actions_.begin(), actions_.end());
}

const Rule* ParseActions::chooseDefaultReduction(bool onlyReductions) const
{
    const auto mode = options_.defaultReductionMode;
    const ReductionSummary* most = nullptr;
    int reducing = 0;
    for (const ReductionSummary& summary : summaries_) {
        if (summary.count == 0)
            continue;
        ++reducing;
        // The rule with the most reduce entries; the first one met wins a tie.
        if (most == nullptr || summary.count > most->count ||
            (summary.count == most->count && summary.first < most->first))
            most = &summary;
    }
    const bool anyAction = reducing > 0 || !onlyReductions;
    if (mode == DefaultReductionMode::None || !anyAction)
        return nullptr;
    if (mode == DefaultReductionMode::IfNoOtherActions)
        return onlyReductions && reducing == 1 ? most->item->rule : nullptr;
    const auto errorIndex = static_cast<std::size_t>(automaton_.grammar().errorToken().tokenIndex);
    ActionKind onError = ActionKind::Error;
    const Rule* errorRule = nullptr;
    if (rowStamp_[errorIndex] == stamp_ && row_[errorIndex].kind != ActionKind::Error) {
        onError = row_[errorIndex].kind;
        if (onError == ActionKind::Reduce)
            errorRule = row_[errorIndex].item->rule;
    } else {
        for (const Uncontested& reduction : uncontested_)
            forEachWord(reduction, [&](std::size_t word, std::uint64_t bits) {
                if (word == errorIndex / 64 && ((bits >> (errorIndex % 64)) & 1u) != 0) {
                    onError = ActionKind::Reduce;
                    errorRule = reduction.item->rule;
                }
            });
    }
    if (onError == ActionKind::Shift && !options_.defaultReductionsOnErrorShift)
        return nullptr;
    if (onError == ActionKind::Reduce && mode != DefaultReductionMode::Always)
        return errorRule;
    if (mode == DefaultReductionMode::ErrorTokenOnly)
        return nullptr;
    return most != nullptr ? most->item->rule : nullptr;
}

void ParseActions::markReachable()
{
    const auto& states = automaton_.states();
    if (states.empty())
        return;
    std::vector<LrState*> work{states.front()};
    states.front()->reachable = true;
    auto reach = [&](LrState* state, Symbol* by) {
        by->pushed = true;
        if (!state->reachable) {
            state->reachable = true;
            work.push_back(state);
        }
    };
    // The states a reduction goes back to, one level a step, each state
    // once a level.
    std::vector<unsigned> seen(states.size(), 0);
    unsigned stamp = 0;
    std::vector<LrState*> level;
    std::vector<LrState*> previous;
    while (!work.empty()) {
        LrState* state = work.back();
        work.pop_back();
        for (const auto& [tokenIndex, target] : state->tokenSuccessors)
            reach(target, target->accessingSymbol);
        for (const LrItem* reduction : state->reductions) {
            if (!reduction->used)
                continue;
            // Back as many steps as the rule is long, then on by its left side.
            level.assign(1, state);
            for (std::size_t step = 0; step < reduction->rule->rightSide.size(); ++step) {
                ++stamp;
                previous.clear();
                for (LrState* at : level)
                    for (LrState* predecessor : at->predecessors)
                        if (seen[static_cast<std::size_t>(predecessor->number)] != stamp) {
                            seen[static_cast<std::size_t>(predecessor->number)] = stamp;
                            previous.push_back(predecessor);
                        }
                level.swap(previous);
            }
            Symbol* leftSide = reduction->rule->leftSide;
            for (LrState* at : level)
                if (LrState* target = at->successorOn(leftSide->nonterminal))
                    reach(target, leftSide);
        }
    }
}

} // namespace brannock
