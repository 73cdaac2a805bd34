#include "brannock/GeneratorCore.h"

#include <utility>

#include "brannock/lr/Automaton.h"
#include "brannock/grammar/Grammar.h"
#include "brannock/grammar/GrammarAnalysis.h"
#include "brannock/reader/GrammarParser.h"
#include "brannock/lr/NeverUsedReport.h"
#include "brannock/lr/ParseActions.h"
#include "brannock/tables/ParserTables.h"

namespace brannock {

GeneratorCore::GeneratorCore(const ToolOptions& options, const toolframe::CodePage& codePage,
                             const toolframe::DateTimeStamp& stamp, toolframe::SourceInput& input, Emitter& emitter,
                             VerboseWriter& verbose, toolframe::Diagnostics& diagnostics, RulesReadHook afterRulesRead)
    : options_(options), codePage_(codePage), stamp_(stamp), input_(input), emitter_(emitter), verbose_(verbose),
      diagnostics_(diagnostics), afterRulesRead_(std::move(afterRulesRead))
{
}

RunCounts GeneratorCore::run(std::FILE* source)
{
    emitter_.beginSourceFile(false);
    if (options_.generateIncludeFile)
        emitter_.beginIncludeFile(options_.includeFile);
    verbose_.writeHeader(options_.sourceFile, stamp_);
    input_.open(source, options_.sourceFile);
    Grammar grammar(options_, codePage_, emitter_, diagnostics_);
    grammar.setRuleListener(&verbose_);
    GrammarParser parser(options_, input_, grammar, emitter_, diagnostics_);
    parser.readDeclarationsAndRules();
    if (parser.actionCount() > 0)
        emitter_.endActionSwitch();
    emitter_.endActionFunction();
    if (afterRulesRead_)
        afterRulesRead_(diagnostics_);
    RunCounts counts;
    if (diagnostics_.errors() == 0)
        grammar.checkDefinitions(input_.currentLine());
    if (diagnostics_.errors() == 0) {
        grammar.orderTokens();
        verbose_.writeStatesTitle();
        const GrammarAnalysis analysis(grammar, options_.parserKind);
        Automaton automaton(grammar, analysis);
        automaton.build();
        ParseActions actions(automaton, options_, diagnostics_, verbose_);
        actions.build();
        actions.markReachable();
        ParserTables tables(automaton, options_);
        tables.compress();
        tables.write(emitter_);
        reportNeverUsed(grammar, diagnostics_, verbose_);
        counts = RunCounts{static_cast<int>(grammar.usedTokens().size()), static_cast<int>(grammar.nonterminals().size()),
                           static_cast<int>(grammar.rules().size()), tables.stateCount()};
    }
    parser.readProgramSection();
    emitter_.endSourceFile(parser.programSectionPresent());
    if (options_.generateIncludeFile)
        emitter_.endIncludeFile();
    return counts;
}

} // namespace brannock
