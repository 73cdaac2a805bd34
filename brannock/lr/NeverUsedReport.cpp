#include "brannock/lr/NeverUsedReport.h"

#include <cstdio>

#include "brannock/MessageNumbers.h"
#include "brannock/grammar/Nonterminal.h"
#include "brannock/grammar/Rule.h"
#include "brannock/grammar/Symbol.h"

namespace brannock {

namespace {

std::string entryFor(const Symbol& symbol)
{
    char number[32] = "";
    if (symbol.isNonterminal())
        std::snprintf(number, sizeof number, "  (%d)", symbol.nonterminal->number);
    else if (symbol.numbered)
        std::snprintf(number, sizeof number, "  (%lu)", static_cast<unsigned long>(symbol.number));
    return "\t" + symbol.name + number + "\n";
}

void warnAt(toolframe::Diagnostics& diagnostics, int line, int message, const std::string& name)
{
    if (line > 0)
        diagnostics.reportAt(line, message, name);
    else
        diagnostics.report(message, name);
}

} // namespace

void reportNeverUsed(const Grammar& grammar, toolframe::Diagnostics& diagnostics, VerboseWriter& verbose)
{
    std::vector<std::string> tokens;
    for (const Symbol* symbol : grammar.symbols().all())
        if (symbol->isToken() && symbol->usedInRule && !symbol->shifted) {
            warnAt(diagnostics, symbol->line, TokenNeverShifted, symbol->name);
            tokens.push_back(entryFor(*symbol));
        }
    verbose.writeReport("Tokens never shifted\n", tokens);

    std::vector<std::string> rules;
    for (const Rule* rule : grammar.rules())
        if (rule->number != 0 && !rule->reduced) {
            warnAt(diagnostics, rule->line, RuleNeverReduced, rule->leftSide->name);
            rules.push_back(VerboseWriter::ruleText(*rule));
        }
    verbose.writeReport("Rules never reduced\n", rules);

    std::vector<std::string> symbols;
    for (const Symbol* symbol : grammar.symbols().all()) {
        const bool reducedTo = symbol->isNonterminal() && symbol->nonterminal != nullptr && symbol->nonterminal->reducedTo;
        const bool shiftedToken = symbol->isToken() && symbol->shifted && symbol->usedInRule;
        if ((reducedTo || shiftedToken) && !symbol->pushed) {
            warnAt(diagnostics, symbol->line, SymbolNeverPushed, symbol->name);
            symbols.push_back(entryFor(*symbol));
        }
    }
    verbose.writeReport("Symbols never pushed\n", symbols);
}

} // namespace brannock
