#include "toolframe/run/FileNameDerivation.h"

#include "toolframe/platform/PathServices.h"

namespace toolframe {

namespace {

constexpr std::string_view kVerboseExtension = "v";

std::string_view orDefault(const std::string& given, std::string_view fallback)
{
    return given.empty() ? fallback : std::string_view(given);
}

} // namespace

void deriveFileNames(ToolOptions& options, const LanguageFrame& language, std::string_view compatibleName,
                     const CodePage& codePage, Diagnostics& diagnostics)
{
    if (!language.supportsIncludeFile()) {
        options.generateIncludeFile = false;
        options.includeFile.clear();
    }
    if (language.alwaysUnicode())
        options.unicode = true;
    if (options.sourceFile.empty())
        diagnostics.fatal(NoSourceFile);
    if (options.outputFile.empty()) {
        std::string base = options.sourceFile;
        if (options.compatibleFileNames)
            base = std::string(path::directoryPart(base, codePage)) + std::string(compatibleName);
        options.outputFile = path::replaceExtension(
            base, orDefault(options.outputExtension, language.defaultSourceExtension()), codePage);
    }
    if (options.generateIncludeFile && options.includeFile.empty())
        options.includeFile = path::replaceExtension(
            options.outputFile, orDefault(options.includeExtension, language.defaultIncludeExtension()),
            codePage);
    if (options.verbose && options.verboseFile.empty())
        options.verboseFile = path::replaceExtension(options.outputFile, kVerboseExtension, codePage);
}

} // namespace toolframe
