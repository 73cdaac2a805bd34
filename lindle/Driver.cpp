#include "lindle/Driver.h"

#include <functional>
#include <utility>

#include "lindle/Messages.h"
#include "lindle/Switches.h"
#include "lindle/dfa/ScannerAutomaton.h"
#include "lindle/emit/TableEmission.h"
#include "lindle/report/VerboseReport.h"
#include "lindle/regex/CharacterSpace.h"
#include "lindle/emit/CScannerEmitter.h"
#include "lindle/emit/CppScannerEmitter.h"
#include "lindle/emit/JavaScannerEmitter.h"
#include "lindle/reader/LexReader.h"

namespace lindle {

namespace {

// The automaton's builder as the reader sees it: once the rules are read,
// the stages after the reader run, so that the tables land before the
// program code.
class AutomatonStages : public ExpressionBuilder {
public:
    AutomatonStages(NfaBuilder& nfa, std::function<void()> afterRules)
        : nfa_(nfa), afterRules_(std::move(afterRules))
    {
    }
    void definitionsRead(const std::vector<StartConditionInfo>& conditions,
                         const std::vector<TranslationRun>& translation) override
    {
        nfa_.definitionsRead(conditions, translation);
    }
    void expression(const RuleExpression& rule) override { nfa_.expression(rule); }
    void rulesRead() override
    {
        nfa_.rulesRead();
        afterRules_();
    }

private:
    NfaBuilder& nfa_;
    std::function<void()> afterRules_;
};

const toolframe::ToolIdentity kIdentity{"Lindle", 'L', "2.07", "lex.yy.c", messageCatalog()};

} // namespace

class Driver::VerboseFile : public toolframe::Discardable {
public:
    explicit VerboseFile(toolframe::Diagnostics& diagnostics) : file_(diagnostics) {}
    void discard() override { file_.discard(); }
    toolframe::OutputFile& file() { return file_; }

private:
    toolframe::OutputFile file_;
};

Driver::Driver(std::FILE* out, SourceReadHook afterReading)
    : ToolDriver(kIdentity, switches(), helpLayout(), out), afterReading_(std::move(afterReading))
{
}

Driver::~Driver() = default;

void Driver::createStages()
{
    input_ = std::make_unique<LexInput>(codePage(), diagnostics());
    emitter_ = createEmitter();
    verbose_ = std::make_unique<VerboseFile>(diagnostics());
    diagnostics().connect(input_.get(), emitter_.get(), verbose_.get());
}

toolframe::RunOutputs Driver::outputs()
{
    return toolframe::RunOutputs{&emitter_->includeStream(), &emitter_->sourceStream(), &verbose_->file()};
}

void Driver::buildAutomaton(ScannerNfa& scanner)
{
    const Dfa dfa = buildScannerAutomaton(scanner, {options().fullReject, options().minimiseDfa}, diagnostics());
    writeVerboseReport(verbose_->file(), {options().sourceFile, &stamp(), options().unicode}, scanner, dfa, codePage());
    TableOptions tableOptions;
    tableOptions.unicode = options().unicode;
    tableOptions.defaultTransitions = options().defaultTransitions;
    tableOptions.defaultStates = options().defaultStates;
    tableOptions.errorTransitions = options().errorTransitionsForDefaultStates;
    tableOptions.rangeLimit = options().transitionRangeLimit;
    tableOptions.compact = options().compactTables;
    emitTables(*emitter_, buildScannerTables(dfa, scanner.rules, tableOptions));
}

void Driver::runStages(std::FILE* source)
{
    CharacterSpace characters(codePage().number());
    NfaBuilder nfa(characters, diagnostics(), options().unicode, !options().caseSensitive);
    AutomatonStages builder(nfa, [&] {
        if (diagnostics().errors() == 0)
            buildAutomaton(nfa.result());
    });
    LexReader reader(options(), *input_, *emitter_, builder, diagnostics(), codePage().number());
    emitter_->beginSource(false);
    if (options().generateIncludeFile)
        emitter_->beginIncludeFile();
    reader.read(source);
    if (options().generateIncludeFile)
        emitter_->endIncludeFile();
    if (afterReading_)
        afterReading_(diagnostics());
}

std::unique_ptr<ScannerEmitter> Driver::createEmitter()
{
    switch (options().targetLanguage) {
    case toolframe::TargetLanguage::Cpp:
        return std::make_unique<CppScannerEmitter>(options(), diagnostics(), codePage(), stamp());
    case toolframe::TargetLanguage::Java:
        return std::make_unique<JavaScannerEmitter>(options(), diagnostics(), codePage(), stamp());
    case toolframe::TargetLanguage::C:
        break;
    }
    return std::make_unique<CScannerEmitter>(options(), diagnostics(), codePage(), stamp());
}

} // namespace lindle
