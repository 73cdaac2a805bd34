#pragma once

#include <memory>

#include "brannock/GeneratorCore.h"
#include "brannock/reader/GrammarInput.h"
#include "brannock/emit/TargetEmitter.h"
#include "brannock/ToolOptions.h"
#include "brannock/lr/VerboseWriter.h"
#include "toolframe/run/ToolDriver.h"

namespace brannock {

// Brannock's run on the shared frame.
class Driver : public toolframe::ToolDriver<ToolOptions> {
public:
    explicit Driver(std::FILE* out = stdout, RulesReadHook afterRulesRead = {});
    ~Driver() override;

protected:
    void createStages() override;
    toolframe::LanguageFrame& language() override { return *emitter_; }
    toolframe::RunOutputs outputs() override;
    void runStages(std::FILE* source) override;

private:
    std::unique_ptr<GrammarInput> input_;
    std::unique_ptr<TargetEmitter> emitter_;
    std::unique_ptr<VerboseWriter> verbose_;
    RulesReadHook afterRulesRead_;
};

// The emitter for the options' target language.
std::unique_ptr<TargetEmitter> createEmitter(const EmitterContext& context);

} // namespace brannock
