#include "brannock/Driver.h"

#include <utility>

#include "brannock/emit/CEmitter.h"
#include "brannock/emit/CppEmitter.h"
#include "brannock/emit/JavaEmitter.h"
#include "brannock/Messages.h"
#include "brannock/Switches.h"

namespace brannock {

namespace {

const toolframe::ToolIdentity kIdentity{"Brannock", 'Y', "2.07", "y.tab.c", messageCatalog()};

template <class LanguageEmitter>
std::unique_ptr<TargetEmitter> make(const EmitterContext& context)
{
    return std::make_unique<LanguageEmitter>(context);
}

// Indexed by the target language.
constexpr std::unique_ptr<TargetEmitter> (*kEmitterFactories[])(const EmitterContext&) = {
    make<CEmitter>, make<CppEmitter>, make<JavaEmitter>};

} // namespace

std::unique_ptr<TargetEmitter> createEmitter(const EmitterContext& context)
{
    return kEmitterFactories[static_cast<int>(context.options.targetLanguage)](context);
}

Driver::Driver(std::FILE* out, RulesReadHook afterRulesRead)
    : ToolDriver(kIdentity, switches(), helpLayout(), out), afterRulesRead_(std::move(afterRulesRead))
{
}

Driver::~Driver() = default;

void Driver::createStages()
{
    input_ = std::make_unique<GrammarInput>(codePage(), diagnostics());
    emitter_ = createEmitter(EmitterContext{options(), codePage(), stamp(), diagnostics()});
    verbose_ = std::make_unique<VerboseWriter>(diagnostics(), codePage());
    diagnostics().connect(input_.get(), emitter_.get(), verbose_.get());
}

toolframe::RunOutputs Driver::outputs()
{
    return toolframe::RunOutputs{&emitter_->includeStream(), &emitter_->sourceStream(), &verbose_->file()};
}

void Driver::runStages(std::FILE* source)
{
    GeneratorCore core(options(), codePage(), stamp(), *input_, *emitter_, *verbose_, diagnostics(), afterRulesRead_);
    const RunCounts counts = core.run(source);
    verbose_->writeSummary(counts.tokens, counts.nonterminals, counts.rules, counts.states);
}

} // namespace brannock
