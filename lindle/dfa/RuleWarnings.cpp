#include "lindle/dfa/RuleWarnings.h"

#include "lindle/MessageNumbers.h"

namespace lindle {

void reportRuleWarnings(const std::vector<ScannerRule>& rules, toolframe::Diagnostics& diagnostics)
{
    static constexpr int kBackupWarnings[] = {0, ExpressionWillBackUpCompletely, ExpressionCanBackUpCompletely};
    for (const ScannerRule& rule : rules) {
        if (rule.actionNumber == 0)
            continue;
        if (!rule.matched)
            diagnostics.reportAt(rule.line, ExpressionNeverMatched);
        else if (rule.backupClass != 0)
            diagnostics.reportAt(rule.line, kBackupWarnings[rule.backupClass]);
    }
}

} // namespace lindle
