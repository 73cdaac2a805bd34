#pragma once

#include <string_view>
#include <vector>

#include "lindle/dfa/Dfa.h"
#include "lindle/nfa/NfaBuilder.h"
#include "toolframe/output/OutputFile.h"
#include "toolframe/platform/CodePage.h"
#include "toolframe/platform/LocalClock.h"

namespace lindle {

struct VerboseReportSource {
    std::string_view sourcePath;
    const toolframe::DateTimeStamp* stamp;
    bool unicode = false;
};

// The verbose report (-v): every rule's expression with its warnings,
// every state of the automaton with its transitions, what it accepts and
// the context marks it records, and a summary.
void writeVerboseReport(toolframe::OutputFile& file, const VerboseReportSource& source, const ScannerNfa& scanner,
                        const Dfa& dfa, const toolframe::CodePage& codePage);

} // namespace lindle
