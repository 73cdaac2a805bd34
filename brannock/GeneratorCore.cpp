#include "brannock/GeneratorCore.h"

#include "brannock/Grammar.h"
#include "brannock/GrammarParser.h"
#include "toolframe/DiagnosticsTestHook.h"

namespace brannock {

GeneratorCore::GeneratorCore(const ToolOptions& options, const toolframe::CodePage& codePage, GrammarInput& input,
                             Emitter& emitter, toolframe::Diagnostics& diagnostics)
    : options_(options), codePage_(codePage), input_(input), emitter_(emitter), diagnostics_(diagnostics)
{
}

void GeneratorCore::run(std::FILE* source)
{
    emitter_.beginSourceFile(false);
    if (options_.generateIncludeFile)
        emitter_.beginIncludeFile(options_.includeFile);
    input_.open(source);
    Grammar grammar(options_, codePage_, emitter_, diagnostics_);
    GrammarParser parser(options_, input_, grammar, emitter_, diagnostics_);
    parser.readDeclarationsAndRules();
    if (parser.actionCount() > 0)
        emitter_.endActionSwitch();
    emitter_.endActionFunction();
    toolframe::injectTestDiagnosticsFromEnvironment(diagnostics_);
    if (diagnostics_.errors() == 0)
        grammar.checkDefinitions(input_.currentLine());
    if (diagnostics_.errors() == 0)
        grammar.orderTokens();
    parser.readProgramSection();
    emitter_.endSourceFile(parser.programSectionPresent());
    if (options_.generateIncludeFile)
        emitter_.endIncludeFile();
}

} // namespace brannock
