#pragma once

#include "brannock/Grammar.h"
#include "brannock/VerboseWriter.h"
#include "toolframe/Diagnostics.h"

namespace brannock {

// Tokens never shifted, rules never reduced and symbols never pushed: a
// warning each, and with -v the three reports.
void reportNeverUsed(const Grammar& grammar, toolframe::Diagnostics& diagnostics, VerboseWriter& verbose);

} // namespace brannock
