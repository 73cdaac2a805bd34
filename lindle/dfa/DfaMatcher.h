#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "lindle/dfa/Dfa.h"
#include "lindle/nfa/ScannerRule.h"

namespace lindle {

// One way the scanner can take text: the rule (0 for none), the length it
// matches, and how much of that is the token when the rule has trailing
// context (else the whole length).
struct DfaMatch {
    int rule = 0;
    std::size_t length = 0;
    std::size_t tokenLength = 0;
    bool operator==(const DfaMatch&) const = default;
};

// Runs a built automaton the way a generated scanner does: from the start
// state of a condition (its beginning-of-line one at the start of a line),
// the longest match, the earliest rule on a tie; with trailing context the
// token ends where the rule's context mark was last passed. Tests use it
// to check the automaton without generating and compiling a scanner.
class DfaMatcher {
public:
    DfaMatcher(const Dfa& dfa, const std::vector<ScannerRule>& rules) : dfa_(dfa), rules_(rules) {}

    DfaMatch match(std::span<const std::uint32_t> input, int condition, bool atLineStart) const;
    // Under full reject: every match the scanner can fall back to, longest
    // first and in rule order within one length.
    std::vector<DfaMatch> candidates(std::span<const std::uint32_t> input, int condition, bool atLineStart) const;
    // The end-of-file rule of the condition, or 0.
    int endOfFileRule(int condition, bool atLineStart) const;

private:
    int startState(int condition, bool atLineStart) const;
    int step(int state, std::uint32_t value) const;

    const Dfa& dfa_;
    const std::vector<ScannerRule>& rules_;
};

} // namespace lindle
