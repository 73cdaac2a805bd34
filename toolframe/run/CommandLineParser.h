#pragma once

#include <cstdio>
#include <span>
#include <string_view>
#include <vector>

#include "toolframe/diagnostics/Diagnostics.h"
#include "toolframe/run/HelpDisplay.h"
#include "toolframe/run/SwitchTable.h"
#include "toolframe/run/ToolOptions.h"

namespace toolframe {

enum class CommandLineOutcome {
    Run,      // the switches were accepted
    Stop,     // the help hint or the help display was shown; exit status 1
    Answered, // --help was asked for and shown; exit status 0
};

namespace command_line {

constexpr const char* kHelpHint = "To display help specify the -? option\n";
constexpr std::string_view kHelpSwitch = "-?";
// The long forms a Linux user tries first. Like -? they count only as the
// sole argument; among others they are invalid options, so no command line
// that was valid before means anything new.
constexpr std::string_view kLongHelpSwitch = "--help";
constexpr std::string_view kVersionSwitch = "--version";

// True when the arguments are the one switch given.
inline bool isSoleArgument(std::span<const std::string_view> arguments, std::string_view switchName)
{
    return arguments.size() == 1 && arguments[0] == switchName;
}

// The value of a Number switch's digits, or -1 when they are not one or
// more ASCII digits forming a value that fits a 32-bit long.
long parseDecimal(std::string_view digits);

std::string_view extensionOf(std::string_view rest);

inline bool isSwitch(std::string_view argument) { return !argument.empty() && argument[0] == '-'; }

} // namespace command_line

// Reads the arguments into options through the tool's switch table. Every
// problem is a fatal error reported through diagnostics (which ends the
// run); the switch names are ASCII, so comparing bytes compares characters
// even in a double-byte code page.
template <class Options>
class CommandLineParser {
public:
    CommandLineParser(std::span<const Switch<Options>> table, const HelpLayout& layout,
                      Diagnostics& diagnostics, std::FILE* out = stdout)
        : table_(table), layout_(layout), diagnostics_(diagnostics), out_(out)
    {
    }

    CommandLineOutcome parse(std::span<const std::string_view> arguments, Options& options)
    {
        if (arguments.empty()) {
            std::fputs(command_line::kHelpHint, out_);
            return CommandLineOutcome::Stop;
        }
        if (command_line::isSoleArgument(arguments, command_line::kHelpSwitch)) {
            showHelp(helpPages(layout_, table_), out_);
            return CommandLineOutcome::Stop;
        }
        // Asked for by its long name, the help is the answer, not a failure.
        if (command_line::isSoleArgument(arguments, command_line::kLongHelpSwitch)) {
            showHelp(helpPages(layout_, table_), out_);
            return CommandLineOutcome::Answered;
        }
        filesGiven_.assign(table_.size(), false);
        bool sourceSeen = false;
        for (std::size_t i = 0; i < arguments.size(); ++i) {
            const std::string_view argument = arguments[i];
            if (!command_line::isSwitch(argument)) {
                if (sourceSeen)
                    diagnostics_.fatal(DuplicateSourceFile, argument);
                sourceSeen = true;
                options.sourceFile = std::string(argument);
                continue;
            }
            const std::string_view next = i + 1 < arguments.size() ? arguments[i + 1] : std::string_view();
            const bool hasNext = i + 1 < arguments.size();
            if (applySwitch(argument, hasNext, next, options))
                ++i;
        }
        return CommandLineOutcome::Run;
    }

private:
    const Switch<Options>* find(std::string_view argument) const
    {
        for (const Switch<Options>& entry : table_) {
            const bool prefix = entry.form == SwitchForm::Number || entry.form == SwitchForm::Extension;
            if (prefix ? argument.starts_with(entry.name) : argument == entry.name)
                return &entry;
        }
        return nullptr;
    }

    // True when the next argument was taken as the switch's file.
    bool applySwitch(std::string_view argument, bool hasNext, std::string_view next, Options& options)
    {
        const Switch<Options>* entry = find(argument);
        if (entry == nullptr)
            diagnostics_.fatal(InvalidOption, argument);
        SwitchValue value;
        bool takesNext = false;
        switch (entry->form) {
        case SwitchForm::Ignored:
            return false;
        case SwitchForm::Flag:
            break;
        case SwitchForm::Number:
            value.number = command_line::parseDecimal(argument.substr(entry->name.size()));
            if (value.number < 0)
                diagnostics_.fatal(InvalidOption, argument);
            if (value.number < entry->minimum || value.number > entry->maximum)
                diagnostics_.fatal(entry->rangeError, value.number);
            break;
        case SwitchForm::Extension:
            value.text = command_line::extensionOf(argument.substr(entry->name.size()));
            break;
        case SwitchForm::RequiredFile:
            if (!hasNext || command_line::isSwitch(next))
                diagnostics_.fatal(FileExpectedAfterOption, entry->name);
            takesNext = true;
            break;
        case SwitchForm::OptionalFile:
            takesNext = hasNext && !command_line::isSwitch(next);
            break;
        }
        if (takesNext) {
            const std::size_t index = static_cast<std::size_t>(entry - table_.data());
            if (filesGiven_[index])
                diagnostics_.fatal(entry->duplicateFileError, next);
            filesGiven_[index] = true;
            value.text = next;
        }
        entry->apply(options, value);
        return takesNext;
    }

    std::span<const Switch<Options>> table_;
    const HelpLayout& layout_;
    Diagnostics& diagnostics_;
    std::FILE* out_;
    std::vector<bool> filesGiven_;
};

} // namespace toolframe
