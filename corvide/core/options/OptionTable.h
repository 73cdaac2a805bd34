#pragma once

#include <algorithm>
#include <span>
#include <string>
#include <string_view>

#include "corvide/core/options/OptionField.h"
#include "corvide/core/options/OptionSet.h"
#include "corvide/core/profile/ProfileFile.h"

// The four jobs of an option set, done once for any table of fields.
namespace corvide::optiontable {

template <class Options>
using Fields = std::span<const OptionField<Options>>;

template <class Options>
void applyDefaults(Options& options, Fields<Options> fields, const COptionDefaults& defaults)
{
    for (const OptionField<Options>& field : fields) {
        switch (field.kind) {
        case FieldKind::Flag:
            options.*field.flag = defaultFlag(field.defaultRule, defaults);
            break;
        case FieldKind::Code:
        case FieldKind::Text:
            options.*field.text = defaultCode(field.defaultRule, defaults);
            break;
        case FieldKind::Number:
            options.*field.number = kDefaultRange;
            break;
        }
    }
}

inline std::string decimal(int value) { return std::to_string(value); }

// Every field is written, in table order, even after one fails.
template <class Options>
bool write(const Options& options, Fields<Options> fields, CProfileFile& file, std::string_view section)
{
    bool written = true;
    for (const OptionField<Options>& field : fields) {
        if (!field.legacyKey.empty())
            file.deleteKey(section, field.legacyKey);
        std::string value;
        switch (field.kind) {
        case FieldKind::Flag:
            value = decimal(options.*field.flag ? 1 : 0);
            break;
        case FieldKind::Code:
        case FieldKind::Text:
            value = options.*field.text;
            break;
        case FieldKind::Number:
            value = decimal(options.*field.number);
            break;
        }
        written = file.writeString(section, field.key, value) && written;
    }
    return written;
}

template <class Options>
void readField(Options& options, const OptionField<Options>& field, const CProfileFile& file,
               std::string_view section)
{
    switch (field.kind) {
    case FieldKind::Flag: {
        bool& flag = options.*field.flag;
        if (!field.legacyKey.empty())
            flag = file.getInt(section, field.legacyKey, flag ? 1 : 0) > 0;
        flag = file.getInt(section, field.key, flag ? 1 : 0) > 0;
        break;
    }
    case FieldKind::Code: {
        const std::string code = file.getString(section, field.key, options.*field.text);
        const bool allowed = std::ranges::find(field.allowedCodes, code) != field.allowedCodes.end();
        options.*field.text = allowed ? code : std::string();
        break;
    }
    case FieldKind::Text:
        options.*field.text = file.getString(section, field.key, options.*field.text);
        break;
    case FieldKind::Number: {
        const int value = file.getInt(section, field.key, options.*field.number);
        if (value >= field.minimum && value <= field.maximum)
            options.*field.number = value;
        break;
    }
    }
}

// Each key read over the current value, which stands for a missing key.
template <class Options>
void read(Options& options, Fields<Options> fields, const CProfileFile& file, std::string_view section)
{
    for (const OptionField<Options>& field : fields)
        readField(options, field, file, section);
}

template <class Options>
bool fieldDiffers(const Options& a, const Options& b, const OptionField<Options>& field)
{
    switch (field.kind) {
    case FieldKind::Flag:
        return a.*field.flag != b.*field.flag;
    case FieldKind::Code:
    case FieldKind::Text:
        return a.*field.text != b.*field.text;
    case FieldKind::Number:
        return a.*field.number != b.*field.number;
    }
    return false;
}

template <class Options>
bool differ(const Options& a, const Options& b, Fields<Options> fields)
{
    return std::ranges::any_of(fields, [&](const OptionField<Options>& field) { return fieldDiffers(a, b, field); });
}

inline bool conditionHolds(SwitchCondition condition, const COptionSet& options)
{
    switch (condition) {
    case SwitchCondition::NotForJava:
        return !options.targetsJava();
    case SwitchCondition::OnlyForC:
        return options.targetsC();
    case SwitchCondition::Always:
        break;
    }
    return true;
}

// The field's switch without its trailing space; empty when it gives none.
template <class Options>
std::string switchOf(const Options& options, const OptionField<Options>& field)
{
    if (!conditionHolds(field.condition, options))
        return {};
    switch (field.kind) {
    case FieldKind::Flag:
        return options.*field.flag ? std::string(field.switchText) : std::string();
    case FieldKind::Code:
    case FieldKind::Text: {
        const std::string& value = options.*field.text;
        return value.empty() ? std::string() : std::string(field.switchText) + value;
    }
    case FieldKind::Number: {
        const int value = options.*field.number;
        return value == kDefaultRange ? std::string() : std::string(field.switchText) + decimal(value);
    }
    }
    return {};
}

// The switches in field order, each followed by one space.
template <class Options>
std::string switches(const Options& options, Fields<Options> fields)
{
    std::string result;
    for (const OptionField<Options>& field : fields)
        if (const std::string text = switchOf(options, field); !text.empty())
            result += text + " ";
    return result;
}

} // namespace corvide::optiontable
