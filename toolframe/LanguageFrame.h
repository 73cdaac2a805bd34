#pragma once

#include <string_view>

namespace toolframe {

class OutputStream;

// What the frame asks of a target language, whichever tool writes it: the
// #line text that keeps a generated file in step, whether the language has
// include files or is always Unicode, and its default extensions. These are
// the first five operations of each tool's emitter interface.
class LanguageFrame {
public:
    virtual ~LanguageFrame() = default;

    // Line 0 stands for the line after the directive.
    virtual void lineDirective(OutputStream& stream, int line, std::string_view name) = 0;
    virtual bool alwaysUnicode() const = 0;
    virtual bool supportsIncludeFile() const = 0;
    virtual std::string_view defaultSourceExtension() const = 0;
    virtual std::string_view defaultIncludeExtension() const = 0;
};

} // namespace toolframe
