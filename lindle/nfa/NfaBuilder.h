#pragma once

#include <vector>

#include "lindle/nfa/ExpressionParser.h"
#include "lindle/nfa/Nfa.h"
#include "lindle/nfa/ScannerRule.h"
#include "lindle/reader/ExpressionBuilder.h"
#include "lindle/regex/CharacterSpace.h"
#include "lindle/regex/Translation.h"

namespace lindle {

// The nondeterministic automaton of a whole scanner: every rule's
// fragment, reachable from the entries of the start conditions, two a
// condition (normal, then at the beginning of a line); -1 for an entry
// that reaches no rule.
struct ScannerNfa {
    Nfa nfa;
    std::vector<int> entries;
    std::vector<ScannerRule> rules; // by action number - 1
    std::vector<StartConditionInfo> conditions;
};

// Builds the scanner's automaton from what the reader hands on.
class NfaBuilder : public ExpressionBuilder {
public:
    NfaBuilder(CharacterSpace& space, toolframe::Diagnostics& diagnostics, bool unicode, bool caseInsensitive);

    void definitionsRead(const std::vector<StartConditionInfo>& conditions,
                         const std::vector<TranslationRun>& translation) override;
    void expression(const RuleExpression& rule) override;
    void rulesRead() override;

    ScannerNfa& result() { return scanner_; }

private:
    // An entry list is the node that leads to every rule joined to it.
    struct EntryList {
        int entry = -1;
    };
    void join(EntryList& list, int entry);
    void join(EntryList& list, const EntryList& other) { join(list, other.entry); }
    std::optional<NfaFragment> ruleFragment(const RuleExpression& rule);

    Translation translation_;
    ExpressionParser parser_;
    ScannerNfa scanner_;

    std::vector<EntryList> normal_;
    std::vector<EntryList> lineStart_;
    EntryList unprefixed_;
    EntryList unprefixedLineStart_;
    EntryList all_;
    EntryList allLineStart_;
};

} // namespace lindle
