#include "brannock/tables/ParserTables.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
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

namespace {

std::uint64_t mixHash(std::uint64_t hash, std::uint64_t value)
{
    hash ^= value + 0x9e3779b97f4a7c15ull + (hash << 6) + (hash >> 2);
    return hash;
}

// Every entry of every list numbered so that identical entries (the same
// key, kind and target; the accept entry whatever its target) share a
// number, and how many states hold each number.
struct EntryNumbering {
    std::vector<std::size_t> start; // by state: where its entries begin in id
    std::vector<int> id;            // by entry, the lists one after another
    std::vector<int> holders;       // by number
};

EntryNumbering numberEntries(const std::vector<const std::vector<Entry>*>& lists)
{
    // Entries are grouped by what they do, kind and target as one dense
    // number, by counting; then within a group by key, by sorting: no hash
    // of every entry of tables that can run to millions of them.
    EntryNumbering numbering;
    numbering.start.assign(lists.size() + 1, 0);
    for (std::size_t s = 0; s < lists.size(); ++s)
        numbering.start[s + 1] = numbering.start[s] + lists[s]->size();
    const std::size_t entryCount = numbering.start.back();
    constexpr std::size_t kKinds = 5;
    const auto targetOf = [](const Entry& entry) { return entry.kind == ActionKind::Accept ? 0L : static_cast<long>(entry.target); };
    std::array<long, kKinds> low;
    std::array<long, kKinds> high;
    low.fill(LONG_MAX);
    high.fill(LONG_MIN);
    for (const std::vector<Entry>* list : lists)
        for (const Entry& entry : *list) {
            const auto kind = static_cast<std::size_t>(entry.kind);
            low[kind] = std::min(low[kind], targetOf(entry));
            high[kind] = std::max(high[kind], targetOf(entry));
        }
    std::array<std::size_t, kKinds> groupBase{};
    std::size_t groupCount = 0;
    for (std::size_t kind = 0; kind < kKinds; ++kind) {
        groupBase[kind] = groupCount;
        if (low[kind] <= high[kind])
            groupCount += static_cast<std::size_t>(high[kind] - low[kind]) + 1;
    }
    std::vector<std::uint32_t> group(entryCount);
    std::vector<std::uint32_t> stateOf(entryCount);
    std::vector<long> keys(entryCount);
    std::vector<std::size_t> groupStart(groupCount + 1, 0);
    for (std::size_t s = 0, e = 0; s < lists.size(); ++s)
        for (const Entry& entry : *lists[s]) {
            const auto kind = static_cast<std::size_t>(entry.kind);
            group[e] = static_cast<std::uint32_t>(groupBase[kind] + static_cast<std::size_t>(targetOf(entry) - low[kind]));
            stateOf[e] = static_cast<std::uint32_t>(s);
            keys[e] = entry.key;
            ++groupStart[group[e] + 1];
            ++e;
        }
    for (std::size_t g = 0; g < groupCount; ++g)
        groupStart[g + 1] += groupStart[g];
    std::vector<std::uint32_t> order(entryCount);
    {
        std::vector<std::size_t> next(groupStart.begin(), groupStart.end() - 1);
        for (std::size_t e = 0; e < entryCount; ++e)
            order[next[group[e]]++] = static_cast<std::uint32_t>(e);
    }
    numbering.id.assign(entryCount, -1);
    const auto byKey = [&](std::uint32_t a, std::uint32_t b) { return keys[a] != keys[b] ? keys[a] < keys[b] : a < b; };
    for (std::size_t g = 0; g < groupCount; ++g) {
        const auto first = order.begin() + static_cast<std::ptrdiff_t>(groupStart[g]);
        const auto last = order.begin() + static_cast<std::ptrdiff_t>(groupStart[g + 1]);
        if (!std::is_sorted(first, last, byKey))
            std::sort(first, last, byKey);
        for (auto run = first; run != last;) {
            const int number = static_cast<int>(numbering.holders.size());
            int holders = 0;
            std::uint32_t lastState = UINT32_MAX;
            auto end = run;
            for (; end != last && keys[*end] == keys[*run]; ++end) {
                numbering.id[*end] = number;
                if (stateOf[*end] != lastState) {
                    lastState = stateOf[*end];
                    ++holders;
                }
            }
            numbering.holders.push_back(holders);
            run = end;
        }
    }
    return numbering;
}

// The default chains chosen so far, as a forest: a state's parent is its
// default state. The chain from a state reaches a state that has no
// default yet exactly when that state is the root of its tree.
class DefaultForest {
public:
    explicit DefaultForest(std::size_t size) : parent_(size)
    {
        for (std::size_t s = 0; s < size; ++s)
            parent_[s] = static_cast<int>(s);
    }
    int root(int state)
    {
        while (parent_[static_cast<std::size_t>(state)] != state) {
            int& up = parent_[static_cast<std::size_t>(state)];
            up = parent_[static_cast<std::size_t>(up)];
            state = up;
        }
        return state;
    }
    void link(int state, int fallback) { parent_[static_cast<std::size_t>(state)] = fallback; }

private:
    std::vector<int> parent_;
};

} // namespace

void ParserTables::chooseDefaultStates(ListKind kind, bool introduceErrors)
{
    // A state scores against a candidate by the entries they have alike and
    // the keys only the candidate has. Entries that one state alone holds
    // match nothing, so states whose lists differ only there (typically in
    // the state they shift to) score alike against every other state: they
    // form one class, scored once. Candidates are found through the classes
    // that hold a state's entries, not by going over every state.
    const std::size_t stateCount = rows_.size();
    std::vector<const std::vector<Entry>*> lists;
    for (Row& row : rows_)
        lists.push_back(&listOf(row, kind));
    const EntryNumbering numbering = numberEntries(lists);
    auto sharedId = [&](std::size_t s, std::size_t i) {
        const int id = numbering.id[numbering.start[s] + i];
        return numbering.holders[static_cast<std::size_t>(id)] > 1 ? id : -1;
    };

    struct Class {
        int representative;
        std::vector<int> members; // ascending
    };
    std::vector<Class> classes;
    std::unordered_multimap<std::uint64_t, int> classesByHash;
    for (std::size_t s = 0; s < stateCount; ++s) {
        const std::vector<Entry>& list = listOf(rows_[s], kind);
        if (list.empty())
            continue;
        const int reduction = kind == ListKind::Actions ? rows_[s].defaultReduction : -1;
        std::uint64_t hash = mixHash(static_cast<std::uint64_t>(list.size()), static_cast<std::uint64_t>(reduction + 1));
        for (std::size_t i = 0; i < list.size(); ++i)
            hash = mixHash(mixHash(hash, static_cast<std::uint64_t>(list[i].key)), static_cast<std::uint64_t>(sharedId(s, i) + 1));
        const auto alike = [&](std::size_t other) {
            const std::vector<Entry>& theirs = listOf(rows_[other], kind);
            if (theirs.size() != list.size() ||
                (kind == ListKind::Actions && rows_[other].defaultReduction != rows_[s].defaultReduction))
                return false;
            for (std::size_t i = 0; i < list.size(); ++i)
                if (theirs[i].key != list[i].key || sharedId(other, i) != sharedId(s, i))
                    return false;
            return true;
        };
        const auto [first, last] = classesByHash.equal_range(hash);
        int found = -1;
        for (auto at = first; at != last && found < 0; ++at)
            if (alike(static_cast<std::size_t>(classes[static_cast<std::size_t>(at->second)].representative)))
                found = at->second;
        if (found < 0) {
            found = static_cast<int>(classes.size());
            classes.push_back(Class{static_cast<int>(s), {}});
            classesByHash.emplace(hash, found);
        }
        classes[static_cast<std::size_t>(found)].members.push_back(static_cast<int>(s));
    }

    // For each shared entry, the classes holding it and how often each of
    // their lists holds it.
    std::vector<std::size_t> holdingStart(numbering.holders.size() + 1, 0);
    for (const Class& candidates : classes) {
        const auto s = static_cast<std::size_t>(candidates.representative);
        for (std::size_t i = 0; i < lists[s]->size(); ++i)
            if (const int id = sharedId(s, i); id >= 0)
                ++holdingStart[static_cast<std::size_t>(id) + 1];
    }
    for (std::size_t id = 0; id < numbering.holders.size(); ++id)
        holdingStart[id + 1] += holdingStart[id];
    std::vector<std::pair<int, int>> holding(holdingStart.back()); // class, times its list holds the entry
    std::vector<std::size_t> holdingEnd(holdingStart.begin(), holdingStart.end() - 1);
    for (std::size_t c = 0; c < classes.size(); ++c) {
        const auto s = static_cast<std::size_t>(classes[c].representative);
        for (std::size_t i = 0; i < lists[s]->size(); ++i) {
            const int id = sharedId(s, i);
            if (id < 0)
                continue;
            std::size_t& end = holdingEnd[static_cast<std::size_t>(id)];
            if (end > holdingStart[static_cast<std::size_t>(id)] && holding[end - 1].first == static_cast<int>(c))
                ++holding[end - 1].second;
            else
                holding[end++] = {static_cast<int>(c), 1};
        }
    }

    DefaultForest forest(stateCount);
    std::vector<int> matched(classes.size(), 0);
    std::vector<int> touched;
    std::vector<std::pair<int, int>> scored; // score, class
    for (std::size_t s = 0; s < stateCount; ++s) {
        Row& row = rows_[s];
        const std::vector<Entry>& mine = listOf(row, kind);
        if (mine.empty())
            continue;
        touched.clear();
        for (std::size_t i = 0; i < mine.size(); ++i) {
            const int id = sharedId(s, i);
            if (id < 0)
                continue;
            for (std::size_t at = holdingStart[static_cast<std::size_t>(id)]; at < holdingEnd[static_cast<std::size_t>(id)]; ++at) {
                const auto [c, count] = holding[at];
                if (matched[static_cast<std::size_t>(c)] == 0)
                    touched.push_back(c);
                matched[static_cast<std::size_t>(c)] += count;
            }
        }
        scored.clear();
        for (int c : touched) {
            const int alike = matched[static_cast<std::size_t>(c)];
            matched[static_cast<std::size_t>(c)] = 0;
            const Class& candidates = classes[static_cast<std::size_t>(c)];
            if (candidates.members.size() == 1 && candidates.members.front() == static_cast<int>(s))
                continue;
            Row& other = rows_[static_cast<std::size_t>(candidates.representative)];
            if (kind == ListKind::Actions && other.defaultReduction != row.defaultReduction)
                continue;
            const std::vector<Entry>& theirs = listOf(other, kind);
            // The keys they have in common are at most the shorter list: a
            // candidate that cannot score above zero even then is not merged.
            const auto theirSize = static_cast<int>(theirs.size());
            if (alike - theirSize + std::min(static_cast<int>(mine.size()), theirSize) <= 0)
                continue;
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
            const int onlyTheirs = theirSize - common;
            if (!introduceErrors && onlyTheirs > 0)
                continue;
            const int score = alike - onlyTheirs;
            if (score > 0)
                scored.emplace_back(score, c);
        }
        // The highest score wins, and among equal scores the latest state;
        // a candidate whose chain of defaults leads back here is passed over.
        std::sort(scored.begin(), scored.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
        int best = -1;
        for (std::size_t level = 0; level < scored.size() && best < 0;) {
            std::size_t end = level;
            for (; end < scored.size() && scored[end].first == scored[level].first; ++end) {
                const std::vector<int>& members = classes[static_cast<std::size_t>(scored[end].second)].members;
                for (auto member = members.rbegin(); member != members.rend() && *member > best; ++member)
                    if (*member != static_cast<int>(s) && forest.root(*member) != static_cast<int>(s)) {
                        best = *member;
                        break;
                    }
            }
            level = end;
        }
        if (best >= 0) {
            defaultOf(row, kind) = best;
            forest.link(static_cast<int>(s), best);
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

namespace {

// A one-character literal is written into the tables as it is spelled, and
// the generated code reads it as a character constant. That constant has
// the token's value in C, C++ and Java alike only up to 0x7F (C's plain
// char is signed: '\377' would be -1) and without the escapes Java lacks;
// any other such literal is written as its number.
bool literalNeedsNumber(const Symbol& token)
{
    if (token.characterValue < 0)
        return false;
    if (token.characterValue > 0x7F)
        return true;
    constexpr std::string_view kPortableEscapes = "ntrbf'\"\\01234567";
    const std::string& spelling = token.name;
    for (std::size_t i = 1; i + 1 < spelling.size(); ++i) {
        if (spelling[i] != '\\')
            continue;
        if (kPortableEscapes.find(spelling[i + 1]) == std::string_view::npos)
            return true;
        ++i;
    }
    return false;
}

} // namespace

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
    if (literal && literalNeedsNumber(token))
        return TokenOperand{TokenOperand::Kind::Literal, token.name, token.characterValue};
    return TokenOperand{literal ? TokenOperand::Kind::Literal : TokenOperand::Kind::Named, token.name};
}

void ParserTables::writeDebugTables(Emitter& emitter) const
{
    emitter.beginDebugTables();
    emitter.beginSymbolTable();
    const std::vector<Symbol*>& tokens = grammar_.usedTokens();
    for (int index = 0; index < static_cast<int>(tokens.size()); ++index) {
        const Symbol& token = *tokens[static_cast<std::size_t>(index)];
        std::optional<int> number;
        if (token.numbered)
            number = static_cast<int>(token.number);
        else if (const std::optional<long> literal = operandOf(index).number)
            number = static_cast<int>(*literal);
        emitter.symbolRow(index, token.name, number);
    }
    emitter.endSymbolTable();
    emitter.beginRuleTable();
    int index = 0;
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
// defaults points into that run. Every tail of every run is indexed by its
// length, defaults and a hash, so a state finds the first run it is the
// tail of without comparing itself with every earlier one.
std::vector<int> shareRuns(const std::vector<int>& order, const std::vector<const std::vector<Entry>*>& lists,
                           const std::vector<std::pair<int, int>>& defaults, std::vector<int>& writtenOrder)
{
    const auto entryHash = [](std::uint64_t hash, const Entry& entry) {
        hash = mixHash(hash, static_cast<std::uint64_t>(entry.key));
        hash = mixHash(hash, static_cast<std::uint64_t>(entry.kind));
        const bool targeted = entry.kind != ActionKind::Error && entry.kind != ActionKind::Accept;
        return mixHash(hash, targeted ? static_cast<std::uint64_t>(static_cast<unsigned>(entry.target)) : 0);
    };
    const auto tailKey = [](const std::pair<int, int>& pair, std::size_t length, std::uint64_t hash) {
        hash = mixHash(hash, length);
        hash = mixHash(hash, static_cast<std::uint64_t>(static_cast<unsigned>(pair.first)));
        return mixHash(hash, static_cast<std::uint64_t>(static_cast<unsigned>(pair.second)));
    };
    std::unordered_map<std::uint64_t, std::vector<int>> tails; // visited states, in visiting order
    std::vector<int> starts(lists.size(), 0);
    int next = 0;
    for (int s : order) {
        const std::vector<Entry>& mine = *lists[static_cast<std::size_t>(s)];
        const std::pair<int, int>& myDefaults = defaults[static_cast<std::size_t>(s)];
        std::uint64_t hash = 0;
        for (auto entry = mine.rbegin(); entry != mine.rend(); ++entry)
            hash = entryHash(hash, *entry);
        int shared = -1;
        if (const auto found = tails.find(tailKey(myDefaults, mine.size(), hash)); found != tails.end())
            for (int v : found->second) {
                const std::vector<Entry>& theirs = *lists[static_cast<std::size_t>(v)];
                if (defaults[static_cast<std::size_t>(v)] == myDefaults && theirs.size() >= mine.size() &&
                    std::equal(mine.begin(), mine.end(), theirs.end() - static_cast<long>(mine.size()))) {
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
        std::uint64_t tail = 0;
        tails[tailKey(myDefaults, 0, tail)].push_back(s);
        for (std::size_t length = 1; length <= mine.size(); ++length) {
            tail = entryHash(tail, mine[mine.size() - length]);
            tails[tailKey(myDefaults, length, tail)].push_back(s);
        }
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
    std::vector<std::pair<int, int>> defaults;
    for (const Row& row : rows_)
        defaults.emplace_back(row.defaultActionState, row.defaultReduction);
    const std::vector<int> starts = shareRuns(packingOrder(ListKind::Actions), lists, defaults, written);
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
    std::vector<std::pair<int, int>> defaults;
    for (const Row& row : rows_)
        defaults.emplace_back(row.defaultGotoState, 0);
    const std::vector<int> starts = shareRuns(packingOrder(ListKind::Gotos), lists, defaults, written);
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
