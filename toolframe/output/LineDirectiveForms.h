#pragma once

#include <string_view>

namespace toolframe {

class OutputStream;

enum class LineDirectiveForm {
    C,    // #line n "name", inside /* */ when directives are off
    Cpp,  // #line n "name", behind // when directives are off
    Java, // always a comment: // line n "name"
};

// Writes a #line directive for the line after it (line 0) or for the given
// line, starting on a fresh line. The name is escaped as a string unless
// the stream's settings ask for plain names.
void writeLineDirective(OutputStream& stream, LineDirectiveForm form, int line, std::string_view name);

} // namespace toolframe
