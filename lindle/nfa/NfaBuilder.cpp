#include "lindle/nfa/NfaBuilder.h"

#include <algorithm>

namespace lindle {

NfaBuilder::NfaBuilder(CharacterSpace& space, toolframe::Diagnostics& diagnostics, bool unicode, bool caseInsensitive)
    : parser_(scanner_.nfa, space, translation_, diagnostics, unicode, caseInsensitive)
{
}

void NfaBuilder::definitionsRead(const std::vector<StartConditionInfo>& conditions,
                                 const std::vector<TranslationRun>& translation)
{
    // The reader gave a Unicode scanner's table in code units already.
    translation_ = Translation(translation);
    scanner_.conditions = conditions;
    normal_.assign(conditions.size(), {});
    lineStart_.assign(conditions.size(), {});
}

void NfaBuilder::join(EntryList& list, int entry)
{
    if (entry < 0)
        return;
    list.entry = list.entry < 0 ? entry : scanner_.nfa.fork(list.entry, entry);
}

std::optional<NfaFragment> NfaBuilder::ruleFragment(const RuleExpression& rule)
{
    Nfa& nfa = scanner_.nfa;
    if (rule.endOfFile)
        return nfa.empty();
    // Only what the reader has reported (a bad macro reference, a prefix
    // with no expression) leaves an expression with nothing in it; a second
    // report would say nothing new.
    if (rule.text.empty() && !rule.hasTrailingContext)
        return std::nullopt;
    std::optional<NfaFragment> head = rule.text.empty() && rule.hasTrailingContext
                                          ? nfa.empty()
                                          : parser_.parse(rule.text, rule.settings, rule.line);
    if (!head || !rule.hasTrailingContext)
        return head;
    nfa.node(head->exit).contextMark = rule.actionNumber;
    const std::optional<NfaFragment> context = rule.trailingNewline
                                                   ? parser_.newline(rule.settings, rule.line)
                                                   : parser_.parse(rule.trailingContext, rule.settings, rule.line);
    if (!context)
        return std::nullopt;
    return nfa.concatenate(*head, *context);
}

void NfaBuilder::expression(const RuleExpression& rule)
{
    ScannerRule record;
    record.line = rule.line;
    record.actionNumber = rule.actionNumber;
    record.endOfFile = rule.endOfFile;
    record.hasTrailingContext = rule.hasTrailingContext;
    record.anchored = rule.anchored;
    record.allConditions = rule.allConditions;
    record.conditions = rule.conditions;
    if (rule.endOfFile)
        record.text = "<<EOF>>";
    else
        record.text = rule.text + (rule.trailingNewline ? "$" : rule.hasTrailingContext ? "/" + rule.trailingContext : "");
    scanner_.rules.resize(static_cast<std::size_t>(rule.actionNumber));
    scanner_.rules[static_cast<std::size_t>(rule.actionNumber - 1)] = record;

    const std::optional<NfaFragment> fragment = ruleFragment(rule);
    if (!fragment)
        return;
    scanner_.nfa.node(fragment->exit).accepts = rule.actionNumber;
    if (rule.allConditions) {
        join(rule.anchored ? allLineStart_ : all_, fragment->entry);
    } else if (!rule.conditions.empty()) {
        for (int condition : rule.conditions) {
            if (condition < 0 || condition >= static_cast<int>(normal_.size()))
                continue; // undeclared: reported by the reader
            auto& lists = rule.anchored ? lineStart_ : normal_;
            join(lists[static_cast<std::size_t>(condition)], fragment->entry);
        }
    } else {
        join(rule.anchored ? unprefixedLineStart_ : unprefixed_, fragment->entry);
    }
}

void NfaBuilder::rulesRead()
{
    for (std::size_t condition = 0; condition < normal_.size(); ++condition)
        join(lineStart_[condition], normal_[condition]);
    join(unprefixedLineStart_, unprefixed_);
    join(allLineStart_, all_);
    scanner_.entries.clear();
    for (std::size_t condition = 0; condition < normal_.size(); ++condition) {
        if (!scanner_.conditions[condition].exclusive) {
            join(normal_[condition], unprefixed_);
            join(lineStart_[condition], unprefixedLineStart_);
        }
        join(normal_[condition], all_);
        join(lineStart_[condition], allLineStart_);
        scanner_.entries.push_back(normal_[condition].entry);
        scanner_.entries.push_back(lineStart_[condition].entry);
    }
}

} // namespace lindle
