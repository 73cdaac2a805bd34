#pragma once

#include <cstdio>

#include "brannock/GrammarInput.h"
#include "brannock/TargetEmitter.h"
#include "brannock/ToolOptions.h"

namespace brannock {

// Drives one grammar through the stages, writing through the emitter.
class GeneratorCore {
public:
    GeneratorCore(const ToolOptions& options, GrammarInput& input, TargetEmitter& emitter,
                  toolframe::Diagnostics& diagnostics);

    void run(std::FILE* source);

private:
    void writeRepeatedPreamble();

    const ToolOptions& options_;
    GrammarInput& input_;
    TargetEmitter& emitter_;
    toolframe::Diagnostics& diagnostics_;
};

} // namespace brannock
