#pragma once

#include "brannock/grammar/Grammar.h"
#include "brannock/lr/VerboseWriter.h"
#include "toolframe/diagnostics/Diagnostics.h"

namespace brannock {

// Tokens never shifted, rules never reduced and symbols never pushed: a
// warning each, and with -v the three reports.
void reportNeverUsed(const Grammar& grammar, toolframe::Diagnostics& diagnostics, VerboseWriter& verbose);

} // namespace brannock
