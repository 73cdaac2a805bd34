#pragma once

#include <cstdio>

#include "brannock/GrammarInput.h"
#include "brannock/TargetEmitter.h"
#include "brannock/ToolOptions.h"
#include "toolframe/platform/CodePage.h"

namespace brannock {

// Drives one grammar through the stages, writing through the emitter.
class GeneratorCore {
public:
    GeneratorCore(const ToolOptions& options, const toolframe::CodePage& codePage, GrammarInput& input,
                  Emitter& emitter, toolframe::Diagnostics& diagnostics);

    void run(std::FILE* source);

private:
    const ToolOptions& options_;
    const toolframe::CodePage& codePage_;
    GrammarInput& input_;
    Emitter& emitter_;
    toolframe::Diagnostics& diagnostics_;
};

} // namespace brannock
