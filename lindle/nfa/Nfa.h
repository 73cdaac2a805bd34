#pragma once

#include <cstdint>
#include <vector>

#include "lindle/regex/CharacterSet.h"

namespace lindle {

// One node of the automaton: it moves on one character or on a set, or
// without input, to up to two successors.
struct NfaNode {
    enum class Kind : std::uint8_t { Empty, Character, Set };
    Kind kind = Kind::Empty;
    std::uint32_t character = 0; // Character
    int set = -1;                // Set: index into the automaton's sets
    int next = -1;
    int other = -1;
    int accepts = 0;     // the action number of the rule it accepts, 0 for none
    int contextMark = 0; // the action number of the rule whose context starts here
};

// A piece of automaton with one way in and one way out. Its nodes are
// those numbered from begin on when it was made: pieces are built in order,
// so each owns a contiguous block and can be copied as one.
struct NfaFragment {
    int entry = -1;
    int exit = -1; // an empty node without successors until it is joined
    int begin = 0;
};

// The nodes of every rule, and the operations that build them.
class Nfa {
public:
    const NfaNode& node(int index) const { return nodes_[static_cast<std::size_t>(index)]; }
    NfaNode& node(int index) { return nodes_[static_cast<std::size_t>(index)]; }
    int size() const { return static_cast<int>(nodes_.size()); }
    const CharacterSet& set(int index) const { return sets_[static_cast<std::size_t>(index)]; }

    NfaFragment empty();
    NfaFragment character(std::uint32_t value);
    NfaFragment set(CharacterSet set);
    NfaFragment concatenate(NfaFragment first, NfaFragment second);
    NfaFragment alternate(NfaFragment first, NfaFragment second);
    NfaFragment closure(NfaFragment fragment);
    NfaFragment positiveClosure(NfaFragment fragment);
    NfaFragment option(NfaFragment fragment);
    // A copy, placed after every node made so far, of a fragment whose
    // nodes end before end.
    NfaFragment copy(NfaFragment fragment, int end);
    // Forgets the fragment's nodes; it must be the last one made.
    void clear(NfaFragment fragment);

    // An empty node that leads to both nodes, for joining entry lists.
    int fork(int first, int second);

private:
    int add(NfaNode node);

    std::vector<NfaNode> nodes_;
    std::vector<CharacterSet> sets_;
};

} // namespace lindle
