#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "toolframe/platform/CodePage.h"

namespace toolframe {

// Whether a name of a tool's source is matched in any case (the tools'
// keywords, and Lindle's class names) or as written (everything else).
enum class NameCase { Exact, Blind };

// The hash of a name over its characters, a multibyte character counting as
// one value (its bytes, most significant first), each folded to lower case
// first for the case-blind names: h = c XOR (2 h), in 32-bit signed
// arithmetic.
std::int32_t nameHash(std::string_view name, NameCase matching, const CodePage& codePage);

// The tools keep their names in 211 chained buckets: a name's bucket is the
// absolute value of the remainder of its hash divided by 211 (the remainder
// taking the hash's sign).
inline constexpr int kNameBuckets = 211;

inline std::size_t nameBucket(std::int32_t hash)
{
    const std::int32_t remainder = hash % kNameBuckets;
    return static_cast<std::size_t>(remainder < 0 ? -remainder : remainder);
}

bool sameName(std::string_view a, std::string_view b, NameCase matching);

} // namespace toolframe
