#include "corvide/core/project/OutputName.h"

#include "toolframe/platform/PathServices.h"

namespace corvide {

namespace {

struct LanguageExtension {
    std::string_view code;
    std::string_view extension;
};

constexpr LanguageExtension kExtensions[] = {{"cpp", ".cpp"}, {"j", ".java"}};
constexpr std::string_view kCExtension = ".c";

std::string_view compatibleBase(SourceKind kind) { return kind == SourceKind::Scanner ? "lex.yy" : "y.tab"; }

std::string withoutExtension(std::string_view path, const toolframe::CodePage& codePage)
{
    // Replacing the extension by nothing leaves the name and its '.'.
    std::string stem = toolframe::path::replaceExtension(path, "", codePage);
    stem.pop_back();
    return stem;
}

std::string outputExtension(const COptionSet& options)
{
    if (!options.outputExtension.empty()) {
        std::string extension = options.outputExtension.starts_with('.') ? "" : ".";
        extension += options.outputExtension;
        return extension;
    }
    for (const LanguageExtension& entry : kExtensions)
        if (options.targetLanguage == entry.code)
            return std::string(entry.extension);
    return std::string(kCExtension);
}

} // namespace

std::string derivedOutputName(std::string_view sourcePath, SourceKind kind, const COptionSet& options,
                              const toolframe::CodePage& codePage)
{
    const std::string base = options.compatibleNames
                                 ? std::string(toolframe::path::directoryPart(sourcePath, codePage)) +
                                       std::string(compatibleBase(kind))
                                 : withoutExtension(sourcePath, codePage);
    return base + outputExtension(options);
}

} // namespace corvide
