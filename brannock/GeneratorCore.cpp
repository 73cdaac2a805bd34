#include "brannock/GeneratorCore.h"

#include "toolframe/DiagnosticsTestHook.h"
#include "toolframe/platform/PathServices.h"

namespace brannock {

GeneratorCore::GeneratorCore(const ToolOptions& options, GrammarInput& input, TargetEmitter& emitter,
                             toolframe::Diagnostics& diagnostics)
    : options_(options), input_(input), emitter_(emitter), diagnostics_(diagnostics)
{
}

void GeneratorCore::writeRepeatedPreamble()
{
    emitter_.beginSourceFile(true);
    if (!options_.generateIncludeFile)
        return;
    // The header as the generated source sees it.
    std::string include = options_.includeFile;
    std::string source = options_.outputFile;
    if (options_.shortFileNames) {
        include = toolframe::path::shortPath(include);
        source = toolframe::path::shortPath(source);
    }
    emitter_.includeGeneratedHeader(toolframe::path::relativePath(source, include));
}

void GeneratorCore::run(std::FILE* source)
{
    emitter_.beginSourceFile(false);
    if (options_.generateIncludeFile)
        emitter_.beginIncludeFile(options_.includeFile);
    input_.readThrough(source);
    toolframe::injectTestDiagnosticsFromEnvironment(diagnostics_);
    // With nothing declared, the declarations end before anything else.
    writeRepeatedPreamble();
    if (options_.generateIncludeFile)
        emitter_.endIncludeFile();
}

} // namespace brannock
