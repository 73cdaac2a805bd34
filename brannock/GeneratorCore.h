#pragma once

#include <cstdio>

#include "brannock/GrammarInput.h"
#include "brannock/TargetEmitter.h"
#include "brannock/ToolOptions.h"
#include "brannock/VerboseWriter.h"
#include "toolframe/platform/CodePage.h"

namespace brannock {

// Drives one grammar through the stages, writing through the emitter.
class GeneratorCore {
public:
    GeneratorCore(const ToolOptions& options, const toolframe::CodePage& codePage, GrammarInput& input,
                  TargetEmitter& emitter, VerboseWriter& verbose, toolframe::Diagnostics& diagnostics);

    void run(std::FILE* source);

private:
    void writeRepeatedPreamble();

    const ToolOptions& options_;
    const toolframe::CodePage& codePage_;
    GrammarInput& input_;
    TargetEmitter& emitter_;
    VerboseWriter& verbose_;
    toolframe::Diagnostics& diagnostics_;
};

} // namespace brannock
