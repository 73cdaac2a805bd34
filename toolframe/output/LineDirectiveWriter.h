#pragma once

#include <string_view>

namespace toolframe {

class OutputStream;

// Writes the #line text that keeps a generated file in step with its
// source; the target language knows its form.
class LineDirectiveWriter {
public:
    virtual ~LineDirectiveWriter() = default;

    // Line 0 stands for the line after the directive.
    virtual void lineDirective(OutputStream& stream, int line, std::string_view name) = 0;
};

} // namespace toolframe
