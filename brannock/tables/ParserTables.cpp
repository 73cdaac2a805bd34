#include "brannock/tables/ParserTables.h"

#include <algorithm>
#include <climits>
#include <map>
#include <unordered_map>

#include "brannock/grammar/Nonterminal.h"
#include "brannock/grammar/Rule.h"
#include "brannock/grammar/Symbol.h"
#include "toolframe/output/TextFormat.h"
#include "toolframe/packing/FirstFitPacker.h"

namespace brannock {

namespace {

using Entry = ParserTables::Entry;

bool sameAction(const Entry& a, const Entry& b) { return a == b; }

} // namespace

ParserTables::ParserTables(const Automaton& automaton, const ToolOptions& options)
    : grammar_(automaton.grammar()), options_(options)
{
    const auto& tokens = grammar_.usedTokens();
    for (const LrState* state : automaton.states()) {
        Row row;
        // Compact tables leave literals unnumbered (all 0): there the token's
        // place in the token order tells tokens apart.
        for (const ParseAction& action : state->actions)
            row.actions.push_back(Entry{options.compactTables ? action.tokenIndex
                                                              : tokens[static_cast<std::size_t>(action.tokenIndex)]->number,
                                        action.tokenIndex,
                                        action.kind, action.kind == ActionKind::Accept ? 0 : action.target});
        row.defaultReduction = state->defaultReduction != nullptr ? state->defaultReduction->number : -1;
        for (const auto& [nonterminal, target] : state->nonterminalSuccessors)
            row.gotos.push_back(Entry{nonterminal->number, -1, ActionKind::Shift, target->number});
        std::sort(row.gotos.begin(), row.gotos.end(), [](const Entry& a, const Entry& b) { return a.key < b.key; });
        row.destructor = state->accessingSymbol != nullptr ? state->accessingSymbol->destructor : -1;
        rows_.push_back(std::move(row));
    }
}

bool ParserTables::chainReaches(ListKind kind, int from, int state) const
{
    for (int at = from; at >= 0;) {
        if (at == state)
            return true;
        at = kind == ListKind::Actions ? rows_[static_cast<std::size_t>(at)].defaultActionState
                                       : rows_[static_cast<std::size_t>(at)].defaultGotoState;
    }
    return false;
}

void ParserTables::chooseDefaultStates(ListKind kind, bool introduceErrors)
{
    // Only a state sharing an identical entry can score above zero: the
    // candidates of a state are found through its entries.
    std::map<std::tuple<long, int, int>, std::vector<int>> holders;
    for (std::size_t s = 0; s < rows_.size(); ++s)
        for (const Entry& entry : listOf(rows_[s], kind))
            holders[{entry.key, static_cast<int>(entry.kind), entry.kind == ActionKind::Accept ? 0 : entry.target}]
                .push_back(static_cast<int>(s));
    for (std::size_t s = 0; s < rows_.size(); ++s) {
        Row& row = rows_[s];
        const std::vector<Entry>& mine = listOf(row, kind);
        if (mine.empty())
            continue;
        std::map<int, int> matches;
        for (const Entry& entry : mine)
            for (int holder : holders[{entry.key, static_cast<int>(entry.kind),
                                       entry.kind == ActionKind::Accept ? 0 : entry.target}])
                if (holder != static_cast<int>(s))
                    ++matches[holder];
        int best = -1;
        int bestScore = 0;
        for (const auto& [candidate, matched] : matches) {
            Row& other = rows_[static_cast<std::size_t>(candidate)];
            if (kind == ListKind::Actions && other.defaultReduction != row.defaultReduction)
                continue;
            const std::vector<Entry>& theirs = listOf(other, kind);
            int common = 0;
            for (std::size_t i = 0, j = 0; i < mine.size() && j < theirs.size();) {
                if (mine[i].key == theirs[j].key) {
                    ++common;
                    ++i;
                    ++j;
                } else if (mine[i].key < theirs[j].key) {
                    ++i;
                } else {
                    ++j;
                }
            }
            const int onlyTheirs = static_cast<int>(theirs.size()) - common;
            if (!introduceErrors && onlyTheirs > 0)
                continue;
            const int score = matched - onlyTheirs;
            // Later candidates win ties: the map visits them in state order.
            if (score > 0 && score >= bestScore && !chainReaches(kind, candidate, static_cast<int>(s))) {
                best = candidate;
                bestScore = score;
            }
        }
        if (best >= 0) {
            defaultOf(row, kind) = best;
            ++dependantsOf(rows_[static_cast<std::size_t>(best)], kind);
        }
    }
}

void ParserTables::reduceAgainstDefaults(ListKind kind)
{
    // A state is reduced against its default's full list, so it waits until
    // every state that names it as default has been reduced.
    std::vector<int> ready;
    for (std::size_t s = 0; s < rows_.size(); ++s)
        if (defaultOf(rows_[s], kind) >= 0 && dependantsOf(rows_[s], kind) == 0)
            ready.push_back(static_cast<int>(s));
    std::sort(ready.rbegin(), ready.rend());
    while (!ready.empty()) {
        Row& row = rows_[static_cast<std::size_t>(ready.back())];
        ready.pop_back();
        Row& fallback = rows_[static_cast<std::size_t>(defaultOf(row, kind))];
        const std::vector<Entry>& mine = listOf(row, kind);
        const std::vector<Entry>& theirs = listOf(fallback, kind);
        std::vector<Entry> merged;
        std::size_t i = 0, j = 0;
        while (i < mine.size() || j < theirs.size()) {
            if (j == theirs.size() || (i < mine.size() && mine[i].key < theirs[j].key)) {
                merged.push_back(mine[i++]);
            } else if (i == mine.size() || theirs[j].key < mine[i].key) {
                Entry added = theirs[j++];
                if (kind == ListKind::Gotos)
                    added.target = -1;
                else if (row.defaultReduction >= 0)
                    added = Entry{added.key, added.tokenIndex, ActionKind::Reduce, row.defaultReduction};
                else
                    added = Entry{added.key, added.tokenIndex, ActionKind::Error, 0};
                merged.push_back(added);
            } else {
                if (!sameAction(mine[i], theirs[j]))
                    merged.push_back(mine[i]);
                ++i;
                ++j;
            }
        }
        listOf(row, kind) = std::move(merged);
        dependantsOf(row, kind) = -1;
        if (--dependantsOf(fallback, kind) == 0 && defaultOf(fallback, kind) >= 0)
            ready.push_back(static_cast<int>(&fallback - rows_.data()));
    }
}

void ParserTables::splitWideStates()
{
    long total = 0;
    for (const Row& row : rows_)
        total += static_cast<long>(row.actions.size());
    const long threshold = std::max<long>(options_.actionRangeThreshold, total);
    const std::size_t existing = rows_.size();
    for (std::size_t s = 0; s < existing; ++s) {
        std::size_t link = s;
        std::vector<Entry> entries = std::move(rows_[s].actions);
        std::size_t start = 0;
        for (std::size_t i = 0; i <= entries.size(); ++i) {
            if (i < entries.size() && entries[i].key < entries[start].key + threshold)
                continue;
            std::vector<Entry> segment(entries.begin() + static_cast<long>(start), entries.begin() + static_cast<long>(i));
            if (start == 0) {
                rows_[s].actions = std::move(segment);
            } else {
                // A continuation state takes over the link's defaults.
                Row continuation;
                continuation.actions = std::move(segment);
                continuation.defaultReduction = rows_[link].defaultReduction;
                continuation.defaultActionState = rows_[link].defaultActionState;
                rows_.push_back(std::move(continuation));
                rows_[link].defaultReduction = -1;
                rows_[link].defaultActionState = static_cast<int>(rows_.size()) - 1;
                link = rows_.size() - 1;
            }
            start = i;
            if (i == entries.size())
                break;
        }
    }
}

void ParserTables::compress()
{
    if (options_.defaultActionStates) {
        chooseDefaultStates(ListKind::Actions, options_.errorActionsForDefaultStates);
        reduceAgainstDefaults(ListKind::Actions);
    }
    if (!options_.compactTables)
        splitWideStates();
    if (options_.defaultGotoStates) {
        chooseDefaultStates(ListKind::Gotos, options_.errorGotosForDefaultStates);
        reduceAgainstDefaults(ListKind::Gotos);
    }
}

std::vector<int> ParserTables::packingOrder(ListKind kind) const
{
    std::vector<std::pair<long, int>> keyed;
    for (std::size_t s = 0; s < rows_.size(); ++s) {
        const std::vector<Entry>& list = kind == ListKind::Actions ? rows_[s].actions : rows_[s].gotos;
        long key;
        if (options_.compactTables)
            key = static_cast<long>(list.size());
        else if (list.empty())
            key = INT_MAX;
        else
            key = static_cast<long>(list.size() * list.size()) + 2 * (list.back().key - list.front().key) + 2;
        keyed.emplace_back(key, static_cast<int>(s));
    }
    // Highest key first; among equal keys the later state first.
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second > b.second;
    });
    std::vector<int> order;
    for (const auto& [key, state] : keyed)
        order.push_back(state);
    return order;
}

TokenOperand ParserTables::operandOf(int tokenIndex) const
{
    const Symbol& token = *grammar_.usedTokens()[static_cast<std::size_t>(tokenIndex)];
    if (&token == &grammar_.endOfInput())
        return TokenOperand{TokenOperand::Kind::EndOfInput, token.name};
    if (&token == &grammar_.errorToken())
        return TokenOperand{TokenOperand::Kind::Error, token.name};
    // A name-like literal such as 'if' has a constant of its own; as a C
    // character constant it would have some other value.
    const bool literal = token.characterToken && !token.nameLike;
    return TokenOperand{literal ? TokenOperand::Kind::Literal : TokenOperand::Kind::Named, token.name};
}

void ParserTables::writeDebugTables(Emitter& emitter) const
{
    emitter.beginDebugTables();
    emitter.beginSymbolTable();
    int index = 0;
    for (const Symbol* token : grammar_.usedTokens())
        emitter.symbolRow(index++, token->name,
                          token->numbered ? std::optional<int>(static_cast<int>(token->number)) : std::nullopt);
    emitter.endSymbolTable();
    emitter.beginRuleTable();
    index = 0;
    for (const Rule* rule : grammar_.rules()) {
        std::string text = rule->leftSide->name + ":";
        for (const Symbol* symbol : rule->rightSide)
            text += " " + symbol->name;
        emitter.ruleRow(index++, text);
    }
    emitter.endRuleTable();
    emitter.endDebugTables();
}

void ParserTables::writeReductions(Emitter& emitter) const
{
    emitter.beginReductionTable();
    int index = 0;
    for (const Rule* rule : grammar_.rules())
        emitter.reductionRow(index++, rule->leftSide->nonterminal->number, static_cast<int>(rule->rightSide.size()),
                             rule->action);
    emitter.endReductionTable();
}

namespace {

struct StateDefault {
    ActionKind kind;
    int data;
};

StateDefault defaultOfRow(const ParserTables::Row& row)
{
    if (row.defaultActionState >= 0)
        return {ActionKind::Default, row.defaultActionState};
    if (row.defaultReduction >= 0)
        return {ActionKind::Reduce, row.defaultReduction};
    return {ActionKind::Error, 0};
}

int dataOf(const Entry& entry)
{
    return entry.kind == ActionKind::Error || entry.kind == ActionKind::Accept ? 0 : entry.target;
}

} // namespace

void ParserTables::writeFastActions(Emitter& emitter) const
{
    toolframe::FirstFitPacker packer;
    std::vector<long> bases(rows_.size(), 0);
    for (int s : packingOrder(ListKind::Actions)) {
        const Row& row = rows_[static_cast<std::size_t>(s)];
        if (row.actions.empty())
            continue;
        std::vector<long> keys;
        std::vector<toolframe::FirstFitPacker::Cell> cells;
        for (const Entry& entry : row.actions) {
            keys.push_back(entry.key);
            cells.push_back({s, static_cast<int>(entry.kind), dataOf(entry)});
        }
        bases[static_cast<std::size_t>(s)] = packer.place(keys, s, cells);
    }
    emitter.beginTokenActionTable(static_cast<int>(packer.size()));
    for (std::size_t position = 0; position < packer.size(); ++position) {
        if (packer.isUsed(position)) {
            const auto& cell = packer.cell(position);
            emitter.tokenActionRow(static_cast<int>(position), cell.owner, static_cast<ActionKind>(cell.kind), cell.value);
        } else {
            emitter.tokenActionRow(static_cast<int>(position), -1, ActionKind::Error, 0);
        }
    }
    emitter.endTokenActionTable();
    emitter.beginStateActionTable();
    for (std::size_t s = 0; s < rows_.size(); ++s) {
        const StateDefault fallback = defaultOfRow(rows_[s]);
        emitter.stateActionRow(static_cast<int>(s), static_cast<int>(bases[s]), !rows_[s].actions.empty(),
                               fallback.kind, fallback.data);
    }
    emitter.endStateActionTable();
}

void ParserTables::writeFastGotos(Emitter& emitter) const
{
    toolframe::FirstFitPacker packer;
    std::vector<long> bases(rows_.size(), 0);
    for (int s : packingOrder(ListKind::Gotos)) {
        const Row& row = rows_[static_cast<std::size_t>(s)];
        if (row.gotos.empty())
            continue;
        std::vector<long> keys;
        std::vector<toolframe::FirstFitPacker::Cell> cells;
        for (const Entry& entry : row.gotos) {
            keys.push_back(entry.key);
            cells.push_back({s, 0, entry.target});
        }
        bases[static_cast<std::size_t>(s)] = packer.place(keys, s, cells);
    }
    emitter.beginNonterminalGotoTable(static_cast<int>(packer.size()));
    for (std::size_t position = 0; position < packer.size(); ++position) {
        if (packer.isUsed(position))
            emitter.nonterminalGotoRow(static_cast<int>(position), packer.cell(position).owner,
                                       packer.cell(position).value);
        else
            emitter.nonterminalGotoRow(static_cast<int>(position), -1, 0);
    }
    emitter.endNonterminalGotoTable();
    emitter.beginStateGotoTable();
    for (std::size_t s = 0; s < rows_.size(); ++s)
        emitter.stateGotoRow(static_cast<int>(s), static_cast<int>(bases[s]), rows_[s].defaultGotoState);
    emitter.endStateGotoTable();
}

namespace {

// The compact form: one run of rows per state, ending in its default; a
// state whose entries are the tail of an earlier run with the same
// defaults points into that run.
template <class SameDefaults>
std::vector<int> shareRuns(const std::vector<int>& order, const std::vector<const std::vector<Entry>*>& lists,
                           SameDefaults sameDefaults, std::vector<int>& writtenOrder)
{
    std::vector<int> starts(lists.size(), 0);
    std::vector<int> visited;
    int next = 0;
    for (int s : order) {
        const std::vector<Entry>& mine = *lists[static_cast<std::size_t>(s)];
        int shared = -1;
        for (int v : visited) {
            const std::vector<Entry>& theirs = *lists[static_cast<std::size_t>(v)];
            if (!sameDefaults(s, v) || theirs.size() < mine.size())
                continue;
            if (std::equal(mine.begin(), mine.end(), theirs.end() - static_cast<long>(mine.size()))) {
                shared = v;
                break;
            }
        }
        if (shared >= 0) {
            starts[static_cast<std::size_t>(s)] = starts[static_cast<std::size_t>(shared)] +
                                                  static_cast<int>(lists[static_cast<std::size_t>(shared)]->size()) -
                                                  static_cast<int>(mine.size());
        } else {
            starts[static_cast<std::size_t>(s)] = next;
            next += static_cast<int>(mine.size()) + 1;
            writtenOrder.push_back(s);
        }
        visited.push_back(s);
    }
    return starts;
}

} // namespace

void ParserTables::writeCompactActions(Emitter& emitter) const
{
    std::vector<const std::vector<Entry>*> lists;
    for (const Row& row : rows_)
        lists.push_back(&row.actions);
    std::vector<int> written;
    const std::vector<int> starts = shareRuns(
        packingOrder(ListKind::Actions), lists,
        [&](int a, int b) {
            return rows_[static_cast<std::size_t>(a)].defaultActionState == rows_[static_cast<std::size_t>(b)].defaultActionState &&
                   rows_[static_cast<std::size_t>(a)].defaultReduction == rows_[static_cast<std::size_t>(b)].defaultReduction;
        },
        written);
    emitter.beginCompactTokenActionTable();
    int index = 0;
    for (int s : written) {
        const Row& row = rows_[static_cast<std::size_t>(s)];
        for (const Entry& entry : row.actions)
            emitter.compactTokenActionRow(index++, operandOf(entry.tokenIndex), entry.kind, dataOf(entry));
        const StateDefault fallback = defaultOfRow(row);
        emitter.compactTokenActionRow(index++, std::nullopt, fallback.kind, fallback.data);
    }
    emitter.endCompactTokenActionTable();
    emitter.beginCompactStateActionTable();
    for (std::size_t s = 0; s < rows_.size(); ++s)
        emitter.compactStateActionRow(static_cast<int>(s), starts[s]);
    emitter.endCompactStateActionTable();
}

void ParserTables::writeCompactGotos(Emitter& emitter) const
{
    std::vector<const std::vector<Entry>*> lists;
    for (const Row& row : rows_)
        lists.push_back(&row.gotos);
    std::vector<int> written;
    const std::vector<int> starts = shareRuns(
        packingOrder(ListKind::Gotos), lists,
        [&](int a, int b) {
            return rows_[static_cast<std::size_t>(a)].defaultGotoState == rows_[static_cast<std::size_t>(b)].defaultGotoState;
        },
        written);
    emitter.beginCompactNonterminalGotoTable();
    int index = 0;
    for (int s : written) {
        const Row& row = rows_[static_cast<std::size_t>(s)];
        for (const Entry& entry : row.gotos)
            emitter.compactNonterminalGotoRow(index++, static_cast<int>(entry.key), entry.target);
        emitter.compactNonterminalGotoRow(index++, -1, row.defaultGotoState);
    }
    emitter.endCompactNonterminalGotoTable();
    emitter.beginCompactStateGotoTable();
    for (std::size_t s = 0; s < rows_.size(); ++s)
        emitter.compactStateGotoRow(static_cast<int>(s), starts[s]);
    emitter.endCompactStateGotoTable();
}

void ParserTables::writeDestructors(Emitter& emitter) const
{
    const bool anyState = std::any_of(rows_.begin(), rows_.end(), [](const Row& row) { return row.destructor >= 0; });
    if (anyState) {
        emitter.beginStateDestructorTable();
        for (std::size_t s = 0; s < rows_.size(); ++s)
            emitter.stateDestructorRow(static_cast<int>(s), rows_[s].destructor);
        emitter.endStateDestructorTable();
    } else {
        emitter.noStateDestructorTable();
    }
    std::vector<int> withDestructor;
    const auto& tokens = grammar_.usedTokens();
    for (std::size_t t = 0; t < tokens.size(); ++t)
        if (tokens[t]->destructor >= 0)
            withDestructor.push_back(static_cast<int>(t));
    if (options_.compactTables) {
        if (withDestructor.empty()) {
            emitter.noCompactTokenDestructorTable();
            return;
        }
        emitter.beginCompactTokenDestructorTable();
        int index = 0;
        for (int t : withDestructor)
            emitter.compactTokenDestructorRow(index++, operandOf(t), tokens[static_cast<std::size_t>(t)]->destructor);
        emitter.compactTokenDestructorRow(index, std::nullopt, 0);
        emitter.endCompactTokenDestructorTable();
        return;
    }
    if (withDestructor.empty()) {
        emitter.noTokenDestructorTable();
        emitter.noTokenDestructorBaseTable();
        return;
    }
    const long threshold = std::max<long>(options_.tokenDestructorRangeThreshold, static_cast<long>(withDestructor.size()));
    toolframe::FirstFitPacker packer;
    std::vector<long> bases;
    for (std::size_t start = 0; start < withDestructor.size();) {
        const long first = tokens[static_cast<std::size_t>(withDestructor[start])]->number;
        std::vector<long> keys;
        std::vector<toolframe::FirstFitPacker::Cell> cells;
        std::size_t end = start;
        for (; end < withDestructor.size() && tokens[static_cast<std::size_t>(withDestructor[end])]->number < first + threshold; ++end) {
            const Symbol& token = *tokens[static_cast<std::size_t>(withDestructor[end])];
            keys.push_back(token.number);
            cells.push_back({static_cast<int>(bases.size()), 0, token.destructor});
        }
        bases.push_back(packer.place(keys, static_cast<int>(bases.size()), cells));
        start = end;
    }
    emitter.beginTokenDestructorTable();
    for (std::size_t position = 0; position < packer.size(); ++position) {
        if (packer.isUsed(position))
            emitter.tokenDestructorRow(static_cast<int>(position), packer.cell(position).owner, packer.cell(position).value);
        else
            emitter.tokenDestructorRow(static_cast<int>(position), -1, -1);
    }
    emitter.endTokenDestructorTable(static_cast<int>(packer.size()));
    emitter.beginTokenDestructorBaseTable();
    for (std::size_t run = 0; run < bases.size(); ++run)
        emitter.tokenDestructorBaseRow(static_cast<int>(run), static_cast<int>(bases[run]));
    emitter.endTokenDestructorBaseTable(static_cast<int>(bases.size()));
}

void ParserTables::write(Emitter& emitter) const
{
    emitter.beginTables();
    writeDebugTables(emitter);
    writeReductions(emitter);
    if (options_.compactTables) {
        writeCompactActions(emitter);
        writeCompactGotos(emitter);
    } else {
        writeFastActions(emitter);
        writeFastGotos(emitter);
    }
    writeDestructors(emitter);
    emitter.endTables();
}

} // namespace brannock
