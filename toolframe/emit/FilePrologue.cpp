#include "toolframe/emit/FilePrologue.h"

#include <string>

#include "toolframe/emit/RuntimeNames.h"
#include "toolframe/output/IncludeGuard.h"

namespace toolframe {

void writeSourcePrologue(OutputStream& stream, const FilePrologue& prologue, bool repeated,
                         std::string_view repeatedMarker, bool cLanguage)
{
    using namespace runtime;
    if (repeated)
        stream.writeNarrow(repeatedMarker);
    else
        writeBanner(stream, prologue.banner, stream.codePage());
    stream.writeNarrow(libraryIncludeLine(prologue.runtimeHeader, prologue.quotedInclude));
    stream.writeNarrow(cLanguage ? "\n/* namespaces */\n" : "\n// namespaces\n");
    const std::string_view usings[][2] = {{kStandardLibraryMacro, "std"}, {kNamespaceMacro, kNamespace}};
    for (const auto& [macro, space] : usings) {
        stream.writeNarrow(cLanguage ? "#if defined(__cplusplus) && defined(" : "#ifdef ");
        stream.writeNarrow(macro);
        stream.writeNarrow(cLanguage ? ")\nusing namespace " : "\nusing namespace ");
        stream.writeNarrow(space);
        stream.writeNarrow(";\n#endif\n");
    }
    stream.writeCharacter('\n');
}

void writeIncludePrologue(OutputStream& stream, const FilePrologue& prologue, std::string_view includePath)
{
    writeBanner(stream, prologue.banner, stream.codePage());
    const std::string guard = includeGuard(includePath, stream.codePage());
    stream.writeFormatted("#ifndef %s\n#define %s\n\n", guard.c_str(), guard.c_str());
    stream.writeNarrow(libraryIncludeLine(prologue.runtimeHeader, prologue.quotedInclude));
    stream.writeCharacter('\n');
}

} // namespace toolframe
