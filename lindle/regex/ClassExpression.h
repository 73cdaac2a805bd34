#pragma once

#include <optional>
#include <string_view>

#include "lindle/reader/ClassName.h"

namespace lindle {

inline constexpr int kClassNameCount = static_cast<int>(kClassNameSpellings.size());

// Looked up without regard to case.
std::optional<ClassName> classNameFor(std::string_view name);
inline std::string_view classNameText(ClassName name) { return spellingOf(name); }

// The narrow names test code-page bytes, the wide ones UTF-16 code units.
inline bool isWide(ClassName name) { return name >= ClassName::Walnum && name <= ClassName::Wxdigit; }

// The narrow test that a wide one widens (Walpha gives Alpha).
inline ClassName narrowOf(ClassName name)
{
    return isWide(name) ? static_cast<ClassName>(static_cast<int>(name) - static_cast<int>(ClassName::Walnum))
                        : name;
}

} // namespace lindle
