#pragma once

#include <climits>
#include <span>
#include <string_view>

namespace toolframe {

// How a switch takes its argument.
enum class SwitchForm {
    Flag,         // the whole argument
    Number,       // prefix; decimal digits up to the end of the argument
    Extension,    // prefix; the rest of the argument, one leading '.' dropped
    RequiredFile, // the next argument, which must not start with '-'
    OptionalFile, // the next argument when it exists and does not start with '-'
    Ignored,      // accepted and ignored among other arguments (-?, -$)
};

// Where the help display pauses within the switch list.
enum class PageBreak {
    None,
    After,  // after the switch's help line
    Inside, // between the first and the continuation line of its help text
};

struct SwitchValue {
    long number = 0;       // Number
    std::string_view text; // Extension, or the file of a file switch (empty: none)
};

// One row of a tool's switch table. The table's order is the order of the
// help display.
template <class Options>
struct Switch {
    std::string_view name;     // what is matched; the prefix for Number and Extension
    std::string_view helpName; // as shown in the help display
    SwitchForm form;
    std::string_view help;     // a '\n' continues the text on an indented line
    void (*apply)(Options&, const SwitchValue&) = nullptr;
    PageBreak pageBreak = PageBreak::None;
    int rangeError = 0;        // Number: fatal error for a value outside the range
    long minimum = 1;
    long maximum = INT_MAX;
    int duplicateFileError = 0; // file switches: fatal error for a second file
};

// What a tool's help display shows around its switch table.
struct HelpLayout {
    std::string_view usage; // printed first, ending in "Options:\n"
};

} // namespace toolframe
