#include "lindle/nfa/SurrogatePairs.h"

#include <optional>

namespace lindle {

namespace {

constexpr std::uint32_t kHighSurrogate = kFirstHighSurrogate;
constexpr std::uint32_t kLowSurrogate = kLastHighSurrogate + 1;
constexpr std::uint32_t kLowBits = 0x3FF;

bool isHighSurrogate(std::uint32_t unit) { return unit >= kHighSurrogate && unit < kLowSurrogate; }
bool isLowSurrogate(std::uint32_t unit) { return unit >= kLowSurrogate && unit <= kLowSurrogate + kLowBits; }

} // namespace

std::uint32_t characterOfPair(const std::vector<std::uint32_t>& units)
{
    if (units.size() != 2 || !isHighSurrogate(units[0]) || !isLowSurrogate(units[1]))
        return 0;
    return kFirstBeyondBmp + ((units[0] - kHighSurrogate) << 10) + (units[1] - kLowSurrogate);
}

NfaFragment surrogatePairs(Nfa& nfa, const CharacterSet& characters,
                           const std::function<NfaFragment(CharacterSet)>& unitNode)
{
    std::optional<NfaFragment> result;
    // High surrogates highFirst to highLast, each followed by a low one from
    // lowFirst to lowLast (offsets from the first of each kind).
    const auto addPairs = [&](std::uint32_t highFirst, std::uint32_t highLast, std::uint32_t lowFirst,
                              std::uint32_t lowLast) {
        const NfaFragment pair =
            nfa.concatenate(unitNode(CharacterSet::range(kHighSurrogate + highFirst, kHighSurrogate + highLast)),
                            unitNode(CharacterSet::range(kLowSurrogate + lowFirst, kLowSurrogate + lowLast)));
        result = result ? nfa.alternate(*result, pair) : pair;
    };
    const CharacterSet beyond = characters.intersection(CharacterSet::range(kFirstBeyondBmp, kLastCharacter));
    for (const CharacterRange& range : beyond.ranges()) {
        const std::uint32_t first = range.first - kFirstBeyondBmp;
        const std::uint32_t last = range.last - kFirstBeyondBmp;
        const std::uint32_t highFirst = first >> 10;
        const std::uint32_t highLast = last >> 10;
        if (highFirst == highLast) {
            addPairs(highFirst, highFirst, first & kLowBits, last & kLowBits);
            continue;
        }
        addPairs(highFirst, highFirst, first & kLowBits, kLowBits);
        if (highLast > highFirst + 1)
            addPairs(highFirst + 1, highLast - 1, 0, kLowBits);
        addPairs(highLast, highLast, 0, last & kLowBits);
    }
    return result ? *result : nfa.set(CharacterSet{});
}

} // namespace lindle
