#pragma once

#include <string_view>

#include "lindle/ToolOptions.h"
#include "lindle/emit/ScannerEmitter.h"
#include "toolframe/output/BannerBox.h"
#include "toolframe/output/LineDirectiveForms.h"
#include "toolframe/platform/LocalClock.h"

namespace lindle {

// What every language's scanner emitter has: the source and include
// streams, the #line form of the target language and the frame's answers
// for it, and the discarding of both files.
class TargetScannerEmitter : public ScannerEmitter {
public:
    TargetScannerEmitter(const ToolOptions& options, toolframe::Diagnostics& diagnostics,
                         const toolframe::CodePage& codePage, const toolframe::DateTimeStamp& stamp);

    void lineDirective(toolframe::OutputStream& stream, int line, std::string_view name) override;
    bool alwaysUnicode() const override;
    bool supportsIncludeFile() const override;
    std::string_view defaultSourceExtension() const override;
    std::string_view defaultIncludeExtension() const override;

    toolframe::OutputStream& sourceStream() override { return source_; }
    toolframe::OutputStream& includeStream() override { return include_; }
    void discard() override;

protected:
    const ToolOptions& options() const { return options_; }
    const toolframe::CodePage& codePage() const { return codePage_; }
    // The banner of a generated file of this kind ("C source file", ...).
    toolframe::BannerText banner(std::string_view kind, const toolframe::OutputStream& stream) const;

private:
    const ToolOptions& options_;
    const toolframe::CodePage& codePage_;
    const toolframe::DateTimeStamp& stamp_;
    toolframe::OutputStream source_;
    toolframe::OutputStream include_;
};

} // namespace lindle
