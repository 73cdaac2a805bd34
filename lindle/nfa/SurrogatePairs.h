#pragma once

#include <functional>

#include "lindle/nfa/Nfa.h"

namespace lindle {

// The fragment that reads characters beyond U+FFFF as UTF-16 holds them:
// each as its high surrogate followed by its low one. A range of such
// characters becomes at most three pairs of unit ranges, so a whole plane
// costs a few nodes rather than one per character. unitNode makes the node
// of a set of code units (where the scanner's translation applies).
NfaFragment surrogatePairs(Nfa& nfa, const CharacterSet& characters,
                           const std::function<NfaFragment(CharacterSet)>& unitNode);

// A character beyond U+FFFF from its two code units; 0 when the units are
// not such a pair.
std::uint32_t characterOfPair(const std::vector<std::uint32_t>& units);

constexpr std::uint32_t kFirstBeyondBmp = 0x10000;
constexpr std::uint32_t kLastCharacter = 0x10FFFF;
constexpr std::uint32_t kFirstHighSurrogate = 0xD800;
constexpr std::uint32_t kLastHighSurrogate = 0xDBFF;

} // namespace lindle
