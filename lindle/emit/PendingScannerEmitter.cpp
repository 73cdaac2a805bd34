#include "lindle/emit/PendingScannerEmitter.h"

namespace lindle {

namespace {

using toolframe::TargetLanguage;

toolframe::LineDirectiveSettings settingsFrom(const ToolOptions& options)
{
    return toolframe::LineDirectiveSettings{options.lineDirectives, options.plainLineNames};
}

} // namespace

PendingScannerEmitter::PendingScannerEmitter(const ToolOptions& options, toolframe::Diagnostics& diagnostics,
                                             const toolframe::CodePage& codePage)
    : language_(options.targetLanguage),
      source_(diagnostics, codePage, *this, settingsFrom(options)),
      include_(diagnostics, codePage, *this, settingsFrom(options))
{
}

void PendingScannerEmitter::lineDirective(toolframe::OutputStream& stream, int line, std::string_view name)
{
    const toolframe::LineDirectiveForm form = language_ == TargetLanguage::C     ? toolframe::LineDirectiveForm::C
                                              : language_ == TargetLanguage::Cpp ? toolframe::LineDirectiveForm::Cpp
                                                                                 : toolframe::LineDirectiveForm::Java;
    toolframe::writeLineDirective(stream, form, line, name);
}

bool PendingScannerEmitter::alwaysUnicode() const { return language_ == TargetLanguage::Java; }

bool PendingScannerEmitter::supportsIncludeFile() const { return language_ != TargetLanguage::Java; }

std::string_view PendingScannerEmitter::defaultSourceExtension() const
{
    return language_ == TargetLanguage::C ? "c" : language_ == TargetLanguage::Cpp ? "cpp" : "java";
}

std::string_view PendingScannerEmitter::defaultIncludeExtension() const
{
    return language_ == TargetLanguage::Java ? "" : "h";
}

void PendingScannerEmitter::discard()
{
    source_.discard();
    include_.discard();
}

} // namespace lindle
