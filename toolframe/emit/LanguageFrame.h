#pragma once

#include <string_view>

#include "toolframe/output/LineDirectiveWriter.h"

namespace toolframe {

// What the frame asks of a target language, whichever tool writes it: the
// #line text that keeps a generated file in step, whether the language has
// include files or is always Unicode, and its default extensions. These are
// the first five operations of each tool's emitter interface.
class LanguageFrame : public LineDirectiveWriter {
public:
    virtual bool alwaysUnicode() const = 0;
    virtual bool supportsIncludeFile() const = 0;
    virtual std::string_view defaultSourceExtension() const = 0;
    virtual std::string_view defaultIncludeExtension() const = 0;
};

} // namespace toolframe
