#pragma once

#include <cstdint>
#include <string_view>

#include "toolframe/platform/CodePage.h"

namespace lindle {

// Whether a name is matched in any case (keywords and class names) or as
// written (everything else).
enum class NameCase { Exact, Blind };

// The hash of a name over its characters, a multibyte character counting as
// one value (its bytes, most significant first), each folded to lower case
// first for the case-blind names: h = c XOR (2 h), in 32-bit signed
// arithmetic.
std::int32_t nameHash(std::string_view name, NameCase matching, const toolframe::CodePage& codePage);

bool sameName(std::string_view a, std::string_view b, NameCase matching);

} // namespace lindle
