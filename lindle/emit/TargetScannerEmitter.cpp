#include "lindle/emit/TargetScannerEmitter.h"

namespace lindle {

namespace {

using toolframe::TargetLanguage;

constexpr std::string_view kToolName = "Lindle";
constexpr std::string_view kVersion = "2.07";

toolframe::LineDirectiveSettings settingsFrom(const ToolOptions& options)
{
    return toolframe::LineDirectiveSettings{options.lineDirectives, options.plainLineNames};
}

} // namespace

TargetScannerEmitter::TargetScannerEmitter(const ToolOptions& options, toolframe::Diagnostics& diagnostics,
                                           const toolframe::CodePage& codePage, const toolframe::DateTimeStamp& stamp)
    : options_(options),
      codePage_(codePage),
      stamp_(stamp),
      source_(diagnostics, codePage, *this, settingsFrom(options)),
      include_(diagnostics, codePage, *this, settingsFrom(options))
{
}

void TargetScannerEmitter::lineDirective(toolframe::OutputStream& stream, int line, std::string_view name)
{
    const TargetLanguage language = options_.targetLanguage;
    const toolframe::LineDirectiveForm form = language == TargetLanguage::C     ? toolframe::LineDirectiveForm::C
                                              : language == TargetLanguage::Cpp ? toolframe::LineDirectiveForm::Cpp
                                                                                : toolframe::LineDirectiveForm::Java;
    toolframe::writeLineDirective(stream, form, line, name);
}

bool TargetScannerEmitter::alwaysUnicode() const { return options_.targetLanguage == TargetLanguage::Java; }

bool TargetScannerEmitter::supportsIncludeFile() const { return options_.targetLanguage != TargetLanguage::Java; }

std::string_view TargetScannerEmitter::defaultSourceExtension() const
{
    const TargetLanguage language = options_.targetLanguage;
    return language == TargetLanguage::C ? "c" : language == TargetLanguage::Cpp ? "cpp" : "java";
}

std::string_view TargetScannerEmitter::defaultIncludeExtension() const
{
    return options_.targetLanguage == TargetLanguage::Java ? "" : "h";
}

toolframe::BannerText TargetScannerEmitter::banner(std::string_view kind, const toolframe::OutputStream& stream) const
{
    return toolframe::BannerText{stream.path(), kind, options_.sourceFile, kToolName, kVersion, &stamp_};
}

void TargetScannerEmitter::discard()
{
    source_.discard();
    include_.discard();
}

} // namespace lindle
