#pragma once

#include <climits>
#include <span>
#include <string_view>

#include "corvide/core/options/OptionDefaults.h"

namespace corvide {

enum class FieldKind {
    Flag,   // written "1" or "0"; the switch when true
    Code,   // one of the allowed codes or ""; prefix + code when not ""
    Text,   // as typed; prefix + text when not ""
    Number, // decimal; prefix + number when not the default range
};

// When a field's switch may appear at all.
enum class SwitchCondition {
    Always,
    NotForJava, // left out when the target language is Java
    OnlyForC,   // only when the target language is C
};

// One field of an option set: its key in the project file, its type, its
// default, how it is read back and which switch it gives. A tool's table of
// these rows, in field order, is the whole of what the set does: reading,
// writing, comparing and the switch string all walk it.
template <class Options>
struct OptionField {
    std::string_view key;
    FieldKind kind;
    DefaultRule defaultRule;
    std::string_view switchText; // the flag's switch, or the prefix
    SwitchCondition condition = SwitchCondition::Always;
    bool Options::*flag = nullptr;
    std::string Options::*text = nullptr;
    int Options::*number = nullptr;
    std::span<const std::string_view> allowedCodes = {};
    int minimum = INT_MIN; // a number read outside these keeps the current value
    int maximum = INT_MAX;
    // A key that older files held this flag under: read first, as the
    // default for key, and deleted when the section is written.
    std::string_view legacyKey = {};
};

template <class Options>
constexpr OptionField<Options> flagField(std::string_view key, bool Options::*member, DefaultRule rule,
                                         std::string_view switchText,
                                         SwitchCondition condition = SwitchCondition::Always)
{
    OptionField<Options> field{key, FieldKind::Flag, rule, switchText, condition};
    field.flag = member;
    return field;
}

template <class Options>
constexpr OptionField<Options> codeField(std::string_view key, std::string Options::*member, DefaultRule rule,
                                         std::string_view prefix, std::span<const std::string_view> allowed,
                                         SwitchCondition condition = SwitchCondition::Always)
{
    OptionField<Options> field{key, FieldKind::Code, rule, prefix, condition};
    field.text = member;
    field.allowedCodes = allowed;
    return field;
}

template <class Options>
constexpr OptionField<Options> textField(std::string_view key, std::string Options::*member, std::string_view prefix,
                                         SwitchCondition condition = SwitchCondition::Always)
{
    OptionField<Options> field{key, FieldKind::Text, DefaultRule::Empty, prefix, condition};
    field.text = member;
    return field;
}

template <class Options>
constexpr OptionField<Options> numberField(std::string_view key, int Options::*member, std::string_view prefix,
                                           int minimum, int maximum)
{
    OptionField<Options> field{key, FieldKind::Number, DefaultRule::Range, prefix};
    field.number = member;
    field.minimum = minimum;
    field.maximum = maximum;
    return field;
}

} // namespace corvide
