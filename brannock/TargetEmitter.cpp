#include "brannock/TargetEmitter.h"

#include "toolframe/BannerBox.h"
#include "toolframe/IncludeGuard.h"
#include "toolframe/RuntimeNames.h"

namespace brannock {

namespace {

constexpr std::string_view kToolName = "Brannock";
constexpr std::string_view kVersion = "2.07";

toolframe::LineDirectiveSettings lineSettings(const ToolOptions& options)
{
    return toolframe::LineDirectiveSettings{options.lineDirectives, options.plainLineNames};
}

} // namespace

TargetEmitter::TargetEmitter(const EmitterContext& context, toolframe::LineDirectiveForm form)
    : context_(context),
      form_(form),
      include_(context.diagnostics, context.codePage, *this, lineSettings(context.options)),
      source_(context.diagnostics, context.codePage, *this, lineSettings(context.options))
{
}

void TargetEmitter::lineDirective(toolframe::OutputStream& stream, int line, std::string_view name)
{
    toolframe::writeLineDirective(stream, form_, line, name);
}

void TargetEmitter::discard()
{
    include_.discard();
    source_.discard();
}

void TargetEmitter::endIncludeFile() { include_.writeNarrow("#endif\n"); }

void TargetEmitter::includeGeneratedHeader(std::string_view name)
{
    source_.writeNarrow("#include \"");
    source_.writeNarrow(name);
    source_.writeNarrow("\"\n\n");
}

void TargetEmitter::writeBanner(toolframe::OutputStream& stream, std::string_view kind)
{
    const toolframe::BannerText text{stream.path(), kind, context_.options.sourceFile, kToolName, kVersion,
                                     &context_.stamp};
    toolframe::writeBanner(stream, text, context_.codePage);
}

void TargetEmitter::writeLibraryInclude(toolframe::OutputStream& stream)
{
    const std::string_view header =
        toolframe::runtime::parserHeader(options().targetLanguage, options().model, options().unicode);
    stream.writeNarrow(toolframe::libraryIncludeLine(header, options().quotedLibraryIncludes));
}

void TargetEmitter::writeSourceFilePrologue(bool repeated, std::string_view kind, std::string_view repeatedMarker,
                                            bool cLanguage)
{
    using namespace toolframe::runtime;
    if (repeated)
        source_.writeNarrow(repeatedMarker);
    else
        writeBanner(source_, kind);
    writeLibraryInclude(source_);
    source_.writeNarrow(cLanguage ? "\n/* namespaces */\n" : "\n// namespaces\n");
    const std::string_view usings[][2] = {{kStandardLibraryMacro, "std"}, {kNamespaceMacro, kNamespace}};
    for (const auto& [macro, space] : usings) {
        source_.writeNarrow(cLanguage ? "#if defined(__cplusplus) && defined(" : "#ifdef ");
        source_.writeNarrow(macro);
        source_.writeNarrow(cLanguage ? ")\nusing namespace " : "\nusing namespace ");
        source_.writeNarrow(space);
        source_.writeNarrow(";\n#endif\n");
    }
    source_.writeCharacter('\n');
}

void TargetEmitter::writeIncludeFilePrologue(std::string_view kind, std::string_view includePath)
{
    writeBanner(include_, kind);
    const std::string guard = toolframe::includeGuard(includePath, context_.codePage);
    include_.writeFormatted("#ifndef %s\n#define %s\n\n", guard.c_str(), guard.c_str());
    writeLibraryInclude(include_);
    include_.writeCharacter('\n');
}

} // namespace brannock
