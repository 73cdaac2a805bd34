#include "brannock/lr/ParseActions.h"

#include <map>
#include <set>

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
      row_(automaton.tokenCount())
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

void ParseActions::resolve(LrState& state, std::size_t tokenIndex, LrItem& reduction)
{
    Entry& entry = row_[tokenIndex];
    const Rule& rule = *reduction.rule;
    switch (entry.kind) {
    case ActionKind::Error:
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
                entry = Entry{ActionKind::Error, 0, nullptr, true};
            return;
        }
        conflict(state, ShiftReduceConflict, rule, tokenIndex,
                 toolframe::formatText("%d: shift-reduce conflict (shift %d, reduce %d) on ", state.number, entry.target, rule.number));
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

void ParseActions::settle(LrState& state)
{
    conflictLines_.clear();
    std::fill(row_.begin(), row_.end(), Entry{});
    for (const auto& [tokenIndex, target] : state.tokenSuccessors)
        row_[static_cast<std::size_t>(tokenIndex)] = Entry{ActionKind::Shift, target->number, nullptr};
    const Rule* startRule = automaton_.grammar().rules().front();
    const auto endOfInput = static_cast<std::size_t>(automaton_.grammar().endOfInput().tokenIndex);
    for (LrItem* reduction : state.reductions) {
        if (reduction->rule == startRule) {
            Entry& entry = row_[endOfInput];
            if (entry.kind == ActionKind::Reduce)
                conflict(state, AcceptReduceConflict, *entry.item->rule, endOfInput,
                         toolframe::formatText("%d: accept-reduce conflict (accept, reduce %d) on ", state.number, entry.target));
            entry = Entry{ActionKind::Accept, 0, reduction};
            continue;
        }
        automaton_.lookaheadOf(*reduction).forEach([&](std::size_t tokenIndex) { resolve(state, tokenIndex, *reduction); });
    }
    state.actions.clear();
    for (std::size_t tokenIndex = 0; tokenIndex < row_.size(); ++tokenIndex) {
        Entry& entry = row_[tokenIndex];
        if (entry.kind == ActionKind::Error && !entry.explicitError)
            continue;
        if (entry.kind == ActionKind::Shift) {
            token(tokenIndex).shifted = true;
        } else if (entry.kind == ActionKind::Reduce) {
            Rule& rule = *entry.item->rule;
            rule.reduced = true;
            rule.leftSide->nonterminal->reducedTo = true;
            entry.item->used = true;
        }
        state.actions.push_back(ParseAction{static_cast<int>(tokenIndex), entry.kind, entry.target, entry.item});
    }
    chooseDefaultReduction(state);
}

void ParseActions::chooseDefaultReduction(LrState& state)
{
    state.defaultReduction = nullptr;
    const auto mode = options_.defaultReductionMode;
    if (mode == DefaultReductionMode::None || state.actions.empty())
        return;
    const Rule* chosen = nullptr;
    if (mode == DefaultReductionMode::IfNoOtherActions) {
        chosen = state.actions.front().kind == ActionKind::Reduce ? state.actions.front().item->rule : nullptr;
        for (const ParseAction& action : state.actions)
            if (action.kind != ActionKind::Reduce || action.item->rule != chosen)
                chosen = nullptr;
    } else {
        const auto errorIndex = automaton_.grammar().errorToken().tokenIndex;
        const ParseAction* onError = nullptr;
        for (const ParseAction& action : state.actions)
            if (action.tokenIndex == errorIndex)
                onError = &action;
        const bool errorReduces = onError != nullptr && onError->kind == ActionKind::Reduce;
        if (onError != nullptr && onError->kind == ActionKind::Shift && !options_.defaultReductionsOnErrorShift)
            return;
        if (errorReduces && mode != DefaultReductionMode::Always) {
            chosen = onError->item->rule;
        } else if (mode == DefaultReductionMode::ErrorTokenOnly) {
            return;
        } else {
            // The rule with the most reduce entries; the first one met wins a tie.
            std::map<const Rule*, int> counts;
            int best = 0;
            for (const ParseAction& action : state.actions)
                if (action.kind == ActionKind::Reduce)
                    ++counts[action.item->rule];
            for (const ParseAction& action : state.actions) {
                if (action.kind != ActionKind::Reduce)
                    continue;
                const int count = counts[action.item->rule];
                if (count > best) {
                    best = count;
                    chosen = action.item->rule;
                }
            }
        }
    }
    if (chosen == nullptr)
        return;
    state.defaultReduction = chosen;
    std::erase_if(state.actions, [&](const ParseAction& action) {
        return action.kind == ActionKind::Reduce && action.item->rule == chosen;
    });
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
    while (!work.empty()) {
        LrState* state = work.back();
        work.pop_back();
        for (const auto& [tokenIndex, target] : state->tokenSuccessors)
            reach(target, target->accessingSymbol);
        for (const LrItem* reduction : state->reductions) {
            if (!reduction->used)
                continue;
            // Back as many steps as the rule is long, then on by its left side.
            std::set<LrState*> level{state};
            for (std::size_t step = 0; step < reduction->rule->rightSide.size(); ++step) {
                std::set<LrState*> previous;
                for (LrState* at : level)
                    previous.insert(at->predecessors.begin(), at->predecessors.end());
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
