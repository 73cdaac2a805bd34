#include "lindle/dfa/DfaMinimiser.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <tuple>

namespace lindle {

namespace {

// A partition of 0..n-1 into blocks that can be refined by marking
// elements: each block is a slice of `elements`, its marked members first.
class RefinablePartition {
public:
    // blockOf gives each element's initial block, numbered 0..blocks-1.
    RefinablePartition(const std::vector<int>& blockOf, int blocks)
        : elements_(blockOf.size()), location_(blockOf.size()), block_(blockOf),
          first_(static_cast<std::size_t>(blocks)), past_(static_cast<std::size_t>(blocks)),
          marked_(static_cast<std::size_t>(blocks), 0)
    {
        std::vector<int> sizes(static_cast<std::size_t>(blocks), 0);
        for (int b : blockOf)
            ++sizes[static_cast<std::size_t>(b)];
        int start = 0;
        for (std::size_t b = 0; b < sizes.size(); ++b) {
            first_[b] = past_[b] = start;
            start += sizes[b];
        }
        for (std::size_t e = 0; e < blockOf.size(); ++e) {
            const auto b = static_cast<std::size_t>(blockOf[e]);
            location_[e] = past_[b];
            elements_[static_cast<std::size_t>(past_[b]++)] = static_cast<int>(e);
        }
    }

    int blocks() const { return static_cast<int>(first_.size()); }
    int blockOf(int element) const { return block_[static_cast<std::size_t>(element)]; }
    int first(int block) const { return first_[static_cast<std::size_t>(block)]; }
    int past(int block) const { return past_[static_cast<std::size_t>(block)]; }
    int element(int at) const { return elements_[static_cast<std::size_t>(at)]; }

    void mark(int element)
    {
        const auto e = static_cast<std::size_t>(element);
        const auto b = static_cast<std::size_t>(block_[e]);
        const int at = location_[e];
        const int boundary = first_[b] + marked_[b];
        if (at < boundary)
            return; // marked already
        const int other = elements_[static_cast<std::size_t>(boundary)];
        elements_[static_cast<std::size_t>(at)] = other;
        location_[static_cast<std::size_t>(other)] = at;
        elements_[static_cast<std::size_t>(boundary)] = element;
        location_[e] = boundary;
        if (marked_[b]++ == 0)
            touched_.push_back(static_cast<int>(b));
    }

    // Splits every touched block into its marked and unmarked members; the
    // smaller part becomes a new block.
    void split()
    {
        while (!touched_.empty()) {
            const auto b = static_cast<std::size_t>(touched_.back());
            touched_.pop_back();
            const int boundary = first_[b] + marked_[b];
            if (boundary == past_[b]) {
                marked_[b] = 0;
                continue;
            }
            const auto made = first_.size();
            if (marked_[b] <= past_[b] - boundary) {
                first_.push_back(first_[b]);
                past_.push_back(boundary);
                first_[b] = boundary;
            } else {
                first_.push_back(boundary);
                past_.push_back(past_[b]);
                past_[b] = boundary;
            }
            marked_.push_back(0);
            marked_[b] = 0;
            for (int at = first_[made]; at < past_[made]; ++at)
                block_[static_cast<std::size_t>(elements_[static_cast<std::size_t>(at)])] = static_cast<int>(made);
        }
    }

private:
    std::vector<int> elements_;
    std::vector<int> location_;
    std::vector<int> block_;
    std::vector<int> first_;
    std::vector<int> past_;
    std::vector<int> marked_;
    std::vector<int> touched_;
};

// What the initial grouping compares: accepts, marks and range boundaries.
using Signature = std::tuple<std::vector<int>, std::vector<int>, std::vector<std::uint64_t>>;

Signature signatureOf(const DfaState& state)
{
    std::vector<std::uint64_t> boundaries;
    boundaries.reserve(state.transitions.size());
    for (const DfaTransition& t : state.transitions)
        boundaries.push_back(std::uint64_t{t.first} << 32 | t.last);
    return {state.accepts, state.marks, std::move(boundaries)};
}

} // namespace

void minimise(Dfa& dfa)
{
    const int stateCount = static_cast<int>(dfa.states.size());
    if (stateCount == 0)
        return;
    std::vector<int> initialBlock(static_cast<std::size_t>(stateCount));
    {
        std::map<Signature, int> groups;
        for (int s = 0; s < stateCount; ++s)
            initialBlock[static_cast<std::size_t>(s)] =
                groups.emplace(signatureOf(dfa.states[static_cast<std::size_t>(s)]), static_cast<int>(groups.size()))
                    .first->second;
        // Ranges name transition labels: the same run of characters.
    }
    struct Edge {
        int tail;
        int head;
    };
    std::vector<Edge> edges;
    std::vector<int> labelOf;
    {
        std::map<std::uint64_t, int> labels;
        for (int s = 0; s < stateCount; ++s) {
            for (const DfaTransition& t : dfa.states[static_cast<std::size_t>(s)].transitions) {
                edges.push_back({s, t.target});
                labelOf.push_back(labels.emplace(std::uint64_t{t.first} << 32 | t.last, static_cast<int>(labels.size()))
                                      .first->second);
            }
        }
        RefinablePartition blocks(initialBlock,
                                  *std::max_element(initialBlock.begin(), initialBlock.end()) + 1);
        RefinablePartition cords(labelOf, static_cast<int>(labels.size()));
        // The edges into each state, for marking the edges into a block.
        std::vector<int> incomingStart(static_cast<std::size_t>(stateCount) + 1, 0);
        for (const Edge& e : edges)
            ++incomingStart[static_cast<std::size_t>(e.head) + 1];
        std::partial_sum(incomingStart.begin(), incomingStart.end(), incomingStart.begin());
        std::vector<int> incoming(edges.size());
        {
            std::vector<int> fill(incomingStart.begin(), incomingStart.end() - 1);
            for (std::size_t e = 0; e < edges.size(); ++e)
                incoming[static_cast<std::size_t>(fill[static_cast<std::size_t>(edges[e].head)]++)] = static_cast<int>(e);
        }
        // Every cord splits the blocks by who has an edge in it; every
        // block but the first splits the cords by where their edges lead.
        int nextBlock = 1;
        for (int cord = 0; cord < cords.blocks(); ++cord) {
            for (int at = cords.first(cord); at < cords.past(cord); ++at)
                blocks.mark(edges[static_cast<std::size_t>(cords.element(at))].tail);
            blocks.split();
            for (; nextBlock < blocks.blocks(); ++nextBlock) {
                for (int at = blocks.first(nextBlock); at < blocks.past(nextBlock); ++at) {
                    const int state = blocks.element(at);
                    for (int i = incomingStart[static_cast<std::size_t>(state)];
                         i < incomingStart[static_cast<std::size_t>(state) + 1]; ++i)
                        cords.mark(incoming[static_cast<std::size_t>(i)]);
                }
                cords.split();
            }
        }
        for (int s = 0; s < stateCount; ++s)
            initialBlock[static_cast<std::size_t>(s)] = blocks.blockOf(s);
    }
    // Each group is kept as its earliest state.
    std::vector<int> keeper(static_cast<std::size_t>(stateCount), -1);
    std::vector<int> survivorIndex(static_cast<std::size_t>(stateCount), -1);
    std::map<int, int> earliest;
    std::vector<DfaState> kept;
    for (int s = 0; s < stateCount; ++s) {
        const auto [found, first] = earliest.emplace(initialBlock[static_cast<std::size_t>(s)], s);
        if (first) {
            survivorIndex[static_cast<std::size_t>(s)] = static_cast<int>(kept.size());
            kept.push_back(std::move(dfa.states[static_cast<std::size_t>(s)]));
        }
        keeper[static_cast<std::size_t>(s)] = found->second;
    }
    const auto redirect = [&](int state) {
        return survivorIndex[static_cast<std::size_t>(keeper[static_cast<std::size_t>(state)])];
    };
    for (DfaState& state : kept)
        for (DfaTransition& t : state.transitions)
            t.target = redirect(t.target);
    for (int& entry : dfa.startEntries)
        if (entry >= 0)
            entry = redirect(entry);
    dfa.states = std::move(kept);
}

} // namespace lindle
