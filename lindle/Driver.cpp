#include "lindle/Driver.h"

#include <utility>

#include "lindle/Messages.h"
#include "lindle/Switches.h"
#include "lindle/emit/PendingScannerEmitter.h"
#include "lindle/reader/LexReader.h"

namespace lindle {

namespace {

const toolframe::ToolIdentity kIdentity{"Lindle", 'L', "2.07", "lex.yy.c", messageCatalog()};

// Takes the expressions until the regular-expression builder exists.
class PendingExpressionBuilder : public ExpressionBuilder {
public:
    void definitionsRead(int, const std::vector<TranslationRun>&) override {}
    void expression(const RuleExpression&) override {}
    void rulesRead() override {}
};

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
    emitter_ = std::make_unique<PendingScannerEmitter>(options(), diagnostics(), codePage());
    verbose_ = std::make_unique<VerboseFile>(diagnostics());
    diagnostics().connect(input_.get(), emitter_.get(), verbose_.get());
}

toolframe::RunOutputs Driver::outputs()
{
    return toolframe::RunOutputs{&emitter_->includeStream(), &emitter_->sourceStream(), &verbose_->file()};
}

void Driver::runStages(std::FILE* source)
{
    PendingExpressionBuilder builder;
    LexReader reader(options(), *input_, *emitter_, builder, diagnostics(), codePage().number());
    emitter_->beginSource(false);
    if (options().generateIncludeFile)
        emitter_->beginIncludeFile();
    reader.read(source);
    if (options().generateIncludeFile)
        emitter_->endIncludeFile();
    if (afterReading_)
        afterReading_(diagnostics());
    // No scanner can be written yet: what the files hold is the user's
    // code alone, which nobody should take for a generated scanner.
    emitter_->discard();
    verbose_->discard();
}

} // namespace lindle
