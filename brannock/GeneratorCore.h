#pragma once

#include <cstdio>
#include <functional>

#include "brannock/emit/Emitter.h"
#include "toolframe/source/SourceInput.h"
#include "brannock/ToolOptions.h"
#include "brannock/lr/VerboseWriter.h"
#include "toolframe/platform/CodePage.h"
#include "toolframe/platform/LocalClock.h"

namespace brannock {

// The counts the verbose summary closes with.
struct RunCounts {
    int tokens = 0;
    int nonterminals = 0;
    int rules = 0;
    int states = 0;
};

// Called once the rules are read, before the definitions are checked: a
// test build of the program reports there what no grammar can make it
// report yet. The shipped program has none.
using RulesReadHook = std::function<void(toolframe::Diagnostics&)>;

// Drives one grammar through the stages, writing through the emitter.
class GeneratorCore {
public:
    GeneratorCore(const ToolOptions& options, const toolframe::CodePage& codePage, const toolframe::DateTimeStamp& stamp,
                  toolframe::SourceInput& input, Emitter& emitter, VerboseWriter& verbose, toolframe::Diagnostics& diagnostics,
                  RulesReadHook afterRulesRead = {});

    RunCounts run(std::FILE* source);

private:
    const ToolOptions& options_;
    const toolframe::CodePage& codePage_;
    const toolframe::DateTimeStamp& stamp_;
    toolframe::SourceInput& input_;
    Emitter& emitter_;
    VerboseWriter& verbose_;
    toolframe::Diagnostics& diagnostics_;
    RulesReadHook afterRulesRead_;
};

} // namespace brannock
