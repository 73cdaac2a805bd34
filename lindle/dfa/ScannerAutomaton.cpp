#include "lindle/dfa/ScannerAutomaton.h"

#include "lindle/dfa/DfaMinimiser.h"
#include "lindle/dfa/RuleWarnings.h"
#include "lindle/dfa/StateNumbering.h"
#include "lindle/dfa/SubsetConstruction.h"

namespace lindle {

Dfa buildScannerAutomaton(ScannerNfa& scanner, const AutomatonOptions& options, toolframe::Diagnostics& diagnostics)
{
    Dfa dfa = buildDfa(scanner, options.fullReject);
    reportRuleWarnings(scanner.rules, diagnostics);
    if (options.minimise)
        minimise(dfa);
    numberStates(dfa);
    return dfa;
}

} // namespace lindle
