#include "brannock/lr/VerboseWriter.h"

#include <cstdio>

#include "brannock/grammar/Nonterminal.h"
#include "brannock/grammar/Rule.h"
#include "brannock/grammar/Symbol.h"
#include "toolframe/output/TextFormat.h"
#include "toolframe/output/VerboseHeading.h"
#include "toolframe/platform/PathServices.h"

namespace brannock {

namespace {

constexpr std::size_t kTitleWidth = 78;

using toolframe::formatText;

} // namespace

void VerboseWriter::writeTitle(std::string_view title, bool emptyLineAfter)
{
    toolframe::writeVerboseTitle(file_, title, kTitleWidth, emptyLineAfter);
}

void VerboseWriter::writeHeader(std::string_view sourcePath, const toolframe::DateTimeStamp& stamp)
{
    if (!file_.isOpen())
        return;
    toolframe::writeVerboseHeading(file_, {"YACC verbose file", sourcePath, "Brannock", "2.07", &stamp}, codePage_);
    writeTitle("Rules");
}

void VerboseWriter::ruleCompleted(const Rule& rule)
{
    if (!file_.isOpen())
        return;
    const bool continues = rule.leftSide == lastLeftSide_;
    if (!continues && lastLeftSide_ != nullptr)
        write("\n");
    std::string line = formatText("%5d  ", rule.number);
    if (continues)
        line += std::string(rule.leftSide->name.size(), ' ') + " |";
    else
        line += rule.leftSide->name + " :";
    for (const Symbol* symbol : rule.rightSide)
        line += " " + symbol->name;
    if (rule.number == 0)
        line += " $end";
    write(line + "\n");
    lastLeftSide_ = rule.leftSide;
}

void VerboseWriter::writeStatesTitle()
{
    if (!file_.isOpen())
        return;
    write("\n\n");
    writeTitle("States");
}

std::string VerboseWriter::itemText(const Rule& rule, int dot, bool startRule)
{
    std::string text = "\t" + rule.leftSide->name + " :";
    for (std::size_t i = 0; i < rule.rightSide.size(); ++i) {
        if (static_cast<std::size_t>(dot) == i)
            text += " .";
        text += " " + rule.rightSide[i]->name;
    }
    const bool completed = static_cast<std::size_t>(dot) == rule.rightSide.size();
    if (completed)
        text += " .";
    if (startRule)
        text += " $end";
    if (completed)
        text += formatText("  (%d)", rule.number);
    return text + "\n";
}

std::string VerboseWriter::ruleText(const Rule& rule)
{
    std::string text = "\t" + rule.leftSide->name + " :";
    for (const Symbol* symbol : rule.rightSide)
        text += " " + symbol->name;
    return text + formatText("  (%d)", rule.number) + "\n";
}

void VerboseWriter::writeState(const LrState& state, const Grammar& grammar,
                               const std::vector<std::string>& conflictLines)
{
    if (state.acceptReduceConflicts + state.shiftReduceConflicts + state.reduceReduceConflicts > 0)
        conflicts_.push_back(
            {state.number, state.acceptReduceConflicts, state.shiftReduceConflicts, state.reduceReduceConflicts});
    if (!file_.isOpen())
        return;
    for (const std::string& line : conflictLines)
        write(line);
    write(formatText("state %d\n", state.number));
    const Rule* startRule = grammar.rules().front();
    for (const LrItem* item : state.kernel)
        write(itemText(*item->rule, item->dot, item->rule == startRule));
    for (const LrItem* item : state.reductions)
        if (item->rule->rightSide.empty())
            write(itemText(*item->rule, item->dot, false));
    write("\n");
    const auto& tokens = grammar.usedTokens();
    // Explicit errors come last: the tokens of a nonassociative operator
    // met again, which no default reduction takes.
    for (ActionKind pass : {ActionKind::Accept, ActionKind::Shift, ActionKind::Reduce, ActionKind::Error})
        for (const ParseAction& action : state.actions) {
            if (action.kind != pass)
                continue;
            write("\t" + tokens[static_cast<std::size_t>(action.tokenIndex)]->name);
            switch (pass) {
            case ActionKind::Accept:
                write("  accept\n");
                break;
            case ActionKind::Shift:
                write(formatText("  shift %d\n", action.target));
                break;
            case ActionKind::Reduce:
                write(formatText("  reduce %d\n", action.target));
                break;
            default:
                write("  error (nonassociative)\n");
                break;
            }
        }
    if (state.defaultReduction != nullptr)
        write(formatText("\t.  reduce %d\n", state.defaultReduction->number));
    if (!state.nonterminalSuccessors.empty()) {
        write("\n");
        for (const auto& [nonterminal, target] : state.nonterminalSuccessors)
            write("\t" + nonterminal->symbol->name + formatText("  goto %d\n", target->number));
    }
    write("\n\n");
}

void VerboseWriter::writeReport(std::string_view heading, const std::vector<std::string>& entries)
{
    if (!file_.isOpen() || entries.empty())
        return;
    write(heading);
    for (const std::string& entry : entries)
        write(entry);
    write("\n\n");
}

void VerboseWriter::writeSummary(int tokens, int nonterminals, int rules, int states)
{
    if (!file_.isOpen())
        return;
    writeTitle("Summary");
    for (const ConflictCounts& counts : conflicts_) {
        const std::pair<int, const char*> kinds[] = {{counts.acceptReduce, "accept-reduce"},
                                                     {counts.shiftReduce, "shift-reduce"},
                                                     {counts.reduceReduce, "reduce-reduce"}};
        for (const auto& [count, kind] : kinds)
            if (count > 0) {
                write(formatText("State %d contains %d %s conflict(s)\n", counts.state, count, kind));
            }
    }
    if (!conflicts_.empty())
        write("\n\n");
    write(formatText("%d token(s), %d nonterminal(s)\n%d grammar rule(s), %d state(s)\n", tokens, nonterminals, rules,
                     states));
    write("\n\n");
    writeTitle("End of File", false);
}

} // namespace brannock
