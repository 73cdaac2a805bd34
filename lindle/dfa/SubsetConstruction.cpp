#include "lindle/dfa/SubsetConstruction.h"

#include <algorithm>
#include <cstdint>

namespace lindle {

namespace {

// The hash of a state's node set; equal sets always hash alike.
std::uint32_t nodeSetHash(const std::vector<int>& nodes)
{
    std::int32_t h = 0;
    for (int node : nodes)
        h = static_cast<std::int32_t>(static_cast<std::uint32_t>(node) ^ (2U * static_cast<std::uint32_t>(h)));
    return static_cast<std::uint32_t>(h);
}

// A character move of the partition: at `position` the successor `node`
// joins (entering) or leaves the parts that follow.
struct Boundary {
    std::uint64_t position;
    int node;
    bool entering;
};

class SubsetBuilder {
public:
    SubsetBuilder(ScannerNfa& scanner, bool fullReject, std::size_t stateLimit)
        : scanner_(scanner), nfa_(scanner.nfa), fullReject_(fullReject), stateLimit_(stateLimit),
          visited_(static_cast<std::size_t>(nfa_.size()), 0), holders_(static_cast<std::size_t>(nfa_.size()), 0),
          listed_(static_cast<std::size_t>(nfa_.size()), 0)
    {
    }

    Dfa build();

private:
    bool keeps(const NfaNode& node) const
    {
        return node.kind != NfaNode::Kind::Empty || node.accepts != 0 || node.contextMark != 0;
    }
    // The nodes reached from the seeds without input that a state is told
    // apart by: those that move on input, accept or mark a context.
    std::vector<int> closure(const std::vector<int>& seeds);
    int stateFor(std::vector<int> nodes, bool start);
    void addTransitions(int state);
    void settleAccepts();

    ScannerNfa& scanner_;
    const Nfa& nfa_;
    bool fullReject_;
    std::size_t stateLimit_;
    Dfa dfa_;
    std::vector<std::vector<int>> nodeSets_;
    std::vector<std::uint32_t> hashes_;
    std::vector<int> bucketHeads_;
    std::vector<int> bucketNext_;
    std::vector<unsigned> visited_;
    unsigned visit_ = 0;
    std::vector<int> stack_;
    std::vector<Boundary> boundaries_;
    std::vector<int> holders_; // by node: how many ranges of the swept part lead to it
    std::vector<char> listed_;  // by node: in the list of the swept part
    int processed_ = 0;
};

std::vector<int> SubsetBuilder::closure(const std::vector<int>& seeds)
{
    if (++visit_ == 0) {
        std::fill(visited_.begin(), visited_.end(), 0);
        visit_ = 1;
    }
    std::vector<int> kept;
    stack_.assign(seeds.begin(), seeds.end());
    while (!stack_.empty()) {
        const int index = stack_.back();
        stack_.pop_back();
        if (index < 0 || visited_[static_cast<std::size_t>(index)] == visit_)
            continue;
        visited_[static_cast<std::size_t>(index)] = visit_;
        const NfaNode& node = nfa_.node(index);
        if (keeps(node))
            kept.push_back(index);
        if (node.kind == NfaNode::Kind::Empty) {
            stack_.push_back(node.other);
            stack_.push_back(node.next);
        }
    }
    std::sort(kept.begin(), kept.end());
    return kept;
}

int SubsetBuilder::stateFor(std::vector<int> nodes, bool start)
{
    const std::uint32_t hash = nodeSetHash(nodes);
    if (!bucketHeads_.empty()) {
        const std::size_t bucket = (hash * 0x9E3779B9U >> 7) & (bucketHeads_.size() - 1);
        for (int state = bucketHeads_[bucket]; state >= 0; state = bucketNext_[static_cast<std::size_t>(state)])
            if (hashes_[static_cast<std::size_t>(state)] == hash && nodeSets_[static_cast<std::size_t>(state)] == nodes)
                return state;
    }
    const int state = static_cast<int>(dfa_.states.size());
    dfa_.states.emplace_back();
    dfa_.states.back().start = start;
    nodeSets_.push_back(std::move(nodes));
    hashes_.push_back(hash);
    bucketNext_.push_back(-1);
    // The table doubles with the states, so a lookup stays short however
    // many states the scanner has.
    if (dfa_.states.size() > bucketHeads_.size() / 2) {
        bucketHeads_.assign(std::max<std::size_t>(1024, bucketHeads_.size() * 2), -1);
        for (int other = 0; other < static_cast<int>(dfa_.states.size()); ++other) {
            const std::size_t bucket =
                (hashes_[static_cast<std::size_t>(other)] * 0x9E3779B9U >> 7) & (bucketHeads_.size() - 1);
            bucketNext_[static_cast<std::size_t>(other)] = bucketHeads_[bucket];
            bucketHeads_[bucket] = other;
        }
    } else {
        const std::size_t bucket = (hash * 0x9E3779B9U >> 7) & (bucketHeads_.size() - 1);
        bucketNext_[static_cast<std::size_t>(state)] = bucketHeads_[bucket];
        bucketHeads_[bucket] = state;
    }
    return state;
}

void SubsetBuilder::addTransitions(int state)
{
    boundaries_.clear();
    for (int index : nodeSets_[static_cast<std::size_t>(state)]) {
        if (index < 0)
            continue;
        const NfaNode& node = nfa_.node(index);
        if (node.kind == NfaNode::Kind::Character) {
            boundaries_.push_back({node.character, node.next, true});
            boundaries_.push_back({std::uint64_t{node.character} + 1, node.next, false});
        } else if (node.kind == NfaNode::Kind::Set) {
            for (const CharacterRange& range : nfa_.set(node.set).ranges()) {
                boundaries_.push_back({range.first, node.next, true});
                boundaries_.push_back({std::uint64_t{range.last} + 1, node.next, false});
            }
        }
    }
    std::sort(boundaries_.begin(), boundaries_.end(),
              [](const Boundary& a, const Boundary& b) { return a.position < b.position; });
    // The successors of the part being swept; a successor whose count
    // drops to zero leaves the list when the part is emitted.
    std::vector<int> active;
    std::vector<DfaTransition> transitions;
    for (std::size_t at = 0; at < boundaries_.size();) {
        const std::uint64_t position = boundaries_[at].position;
        for (; at < boundaries_.size() && boundaries_[at].position == position; ++at) {
            const Boundary& boundary = boundaries_[at];
            int& holders = holders_[static_cast<std::size_t>(boundary.node)];
            char& listed = listed_[static_cast<std::size_t>(boundary.node)];
            if (boundary.entering && holders++ == 0 && !listed) {
                active.push_back(boundary.node);
                listed = 1;
            } else if (!boundary.entering) {
                --holders;
            }
        }
        std::erase_if(active, [&](int node) {
            const bool gone = holders_[static_cast<std::size_t>(node)] == 0;
            if (gone)
                listed_[static_cast<std::size_t>(node)] = 0;
            return gone;
        });
        if (active.empty())
            continue;
        const int target = stateFor(closure(active), false);
        transitions.push_back({static_cast<std::uint32_t>(position),
                               static_cast<std::uint32_t>(boundaries_[at].position - 1), target});
    }
    dfa_.states[static_cast<std::size_t>(state)].transitions = std::move(transitions);
}

void SubsetBuilder::settleAccepts()
{
    std::vector<ScannerRule>& rules = scanner_.rules;
    const auto rule = [&](int action) -> ScannerRule& { return rules[static_cast<std::size_t>(action - 1)]; };
    for (std::size_t state = 0; state < dfa_.states.size(); ++state) {
        DfaState& s = dfa_.states[state];
        for (int index : nodeSets_[state]) {
            if (index < 0)
                continue;
            const int action = nfa_.node(index).accepts;
            // A start state is reached without input: only the end of
            // input can be matched there.
            if (action != 0 && (!s.start || rule(action).endOfFile))
                s.accepts.push_back(action);
        }
        std::sort(s.accepts.begin(), s.accepts.end());
        s.accepts.erase(std::unique(s.accepts.begin(), s.accepts.end()), s.accepts.end());
        if (!fullReject_ && s.accepts.size() > 1)
            s.accepts.erase(s.accepts.begin() + 1, s.accepts.end());
        for (int action : s.accepts)
            rule(action).matched = true;
    }
    for (std::size_t state = 0; state < dfa_.states.size(); ++state) {
        DfaState& s = dfa_.states[state];
        for (int index : nodeSets_[state]) {
            if (index < 0)
                continue;
            const int action = nfa_.node(index).contextMark;
            if (action != 0 && rule(action).matched)
                s.marks.push_back(action);
        }
        std::sort(s.marks.begin(), s.marks.end());
        s.marks.erase(std::unique(s.marks.begin(), s.marks.end()), s.marks.end());
        for (int action : s.marks)
            if (s.start && rule(action).backupClass == 0)
                rule(action).backupClass = 1;
    }
    for (const DfaState& s : dfa_.states)
        if (!s.start)
            for (int action : s.marks)
                if (rule(action).backupClass == 1)
                    rule(action).backupClass = 2;
}

Dfa SubsetBuilder::build()
{
    for (int entry : scanner_.entries) {
        if (entry < 0) {
            dfa_.startEntries.push_back(-1);
            continue;
        }
        // Only nodes that move, accept or mark tell states apart, so a
        // start state also holds its entry (negated, since no transition
        // leads there): a state reached on input is never taken for one.
        const std::vector<int> seed(1, entry);
        std::vector<int> nodes = closure(seed);
        nodes.insert(nodes.begin(), -1 - entry);
        dfa_.startEntries.push_back(stateFor(std::move(nodes), true));
        // States are handled in creation order, each once.
        for (int state = processed_; state < static_cast<int>(dfa_.states.size()) && dfa_.states.size() < stateLimit_;
             ++state)
            addTransitions(state);
        processed_ = static_cast<int>(dfa_.states.size());
    }
    settleAccepts();
    return std::move(dfa_);
}

} // namespace

Dfa buildDfa(ScannerNfa& scanner, bool fullReject, std::size_t stateLimit)
{
    return SubsetBuilder(scanner, fullReject, stateLimit).build();
}

} // namespace lindle
