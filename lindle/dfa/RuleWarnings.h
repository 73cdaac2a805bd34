#pragma once

#include <vector>

#include "lindle/nfa/ScannerRule.h"
#include "toolframe/diagnostics/Diagnostics.h"

namespace lindle {

// Reports, in rule order and at each rule's own line, the rules never
// matched and those that back up completely.
void reportRuleWarnings(const std::vector<ScannerRule>& rules, toolframe::Diagnostics& diagnostics);

} // namespace lindle
