#pragma once

#include <functional>
#include <memory>

#include "lindle/ToolOptions.h"
#include "lindle/emit/ScannerEmitter.h"
#include "lindle/reader/ExpressionBuilder.h"
#include "lindle/nfa/NfaBuilder.h"
#include "lindle/reader/LexInput.h"
#include "toolframe/output/OutputFile.h"
#include "toolframe/run/ToolDriver.h"

namespace lindle {

// Called once the lex source is read: a test build of the program
// reports there what no lex source can make it report yet. The shipped
// program has none.
using SourceReadHook = std::function<void(toolframe::Diagnostics&)>;

// Lindle's run on the shared frame. The stages after the reader do not
// exist yet: the expressions go to a builder that keeps nothing, and the
// files the run opened are discarded at its end, so that nothing which
// looks like a scanner is left behind.
class Driver : public toolframe::ToolDriver<ToolOptions> {
public:
    explicit Driver(std::FILE* out = stdout, SourceReadHook afterReading = {});
    ~Driver() override;

protected:
    void createStages() override;
    toolframe::LanguageFrame& language() override { return *emitter_; }
    toolframe::RunOutputs outputs() override;
    void runStages(std::FILE* source) override;

private:
    std::unique_ptr<ScannerEmitter> createEmitter();
    void buildAutomaton(ScannerNfa& scanner);

    class VerboseFile;

    std::unique_ptr<LexInput> input_;
    std::unique_ptr<ScannerEmitter> emitter_;
    std::unique_ptr<VerboseFile> verbose_;
    SourceReadHook afterReading_;
};

} // namespace lindle
