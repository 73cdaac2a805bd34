#pragma once

#include <optional>
#include <string_view>

namespace lindle {

// The names a class expression "[:name:]" may give, narrow ones first.
enum class ClassName {
    Alnum, Alpha, Blank, Cntrl, Digit, Graph, Lower, Print, Punct, Space, Upper, Xdigit,
    Walnum, Walpha, Wblank, Wcntrl, Wdigit, Wgraph, Wlower, Wprint, Wpunct, Wspace, Wupper, Wxdigit,
    LeadByte, TrailByte,
};

inline constexpr int kClassNameCount = static_cast<int>(ClassName::TrailByte) + 1;

// Looked up without regard to case.
std::optional<ClassName> classNameFor(std::string_view name);
std::string_view classNameText(ClassName name);

// The narrow names test code-page bytes, the wide ones UTF-16 code units.
inline bool isWide(ClassName name) { return name >= ClassName::Walnum && name <= ClassName::Wxdigit; }

// The narrow test that a wide one widens (Walpha gives Alpha).
inline ClassName narrowOf(ClassName name)
{
    return isWide(name) ? static_cast<ClassName>(static_cast<int>(name) - static_cast<int>(ClassName::Walnum))
                        : name;
}

} // namespace lindle
