#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "toolframe/platform/CodePage.h"

namespace corvide {

enum class CSeverity { Error, Warning };

// A line of the generators' (or the library builder's) diagnostic format:
//   [file "(" line ")" spaces ":"] spaces severity spaces code spaces ":" spaces message
// severity: "fatal error" or "error" (errors), "warning"; code: Y, L or S
// and four digits.
struct CDiagnostic {
    std::string file; // empty when the line names none
    int line = 0;     // 0 when none
    CSeverity severity = CSeverity::Error;
    std::string code; // "Y1003"
    std::string message;
};

// Nothing when the line is not a diagnostic. The file and line come from
// the first "(" (double-byte characters are stepped over whole) followed by
// digits, ")", spaces and ":"; a line number too large for an int leaves
// both unset.
std::optional<CDiagnostic> parseDiagnostic(std::string_view text, const toolframe::CodePage& codePage);

} // namespace corvide
