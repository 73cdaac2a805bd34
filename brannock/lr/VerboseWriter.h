#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "brannock/grammar/Grammar.h"
#include "brannock/lr/LrState.h"
#include "toolframe/diagnostics/Diagnostics.h"
#include "toolframe/output/OutputFile.h"
#include "toolframe/platform/CodePage.h"
#include "toolframe/platform/LocalClock.h"

namespace brannock {

// The verbose report (-v): the rules as they are read, every state as its
// actions are settled, the never-used reports and the summary. Without a
// file every write does nothing, so the stages write unconditionally.
class VerboseWriter : public toolframe::Discardable, public RuleListener {
public:
    VerboseWriter(toolframe::Diagnostics& diagnostics, const toolframe::CodePage& codePage)
        : file_(diagnostics), codePage_(codePage)
    {
    }

    toolframe::OutputFile& file() { return file_; }
    void discard() override { file_.discard(); }

    // The header and the "Rules" title.
    void writeHeader(std::string_view sourcePath, const toolframe::DateTimeStamp& stamp);
    void ruleCompleted(const Rule& rule) override;
    void writeStatesTitle();
    void writeState(const LrState& state, const Grammar& grammar, const std::vector<std::string>& conflictLines);
    // A never-used report: its heading and entries, then "\n\n".
    void writeReport(std::string_view heading, const std::vector<std::string>& entries);
    void writeSummary(int tokens, int nonterminals, int rules, int states);

    // How the report spells an item: "\texpr : expr . '+' NUM".
    static std::string itemText(const Rule& rule, int dot, bool startRule);
    static std::string ruleText(const Rule& rule);

private:
    struct ConflictCounts {
        int state, acceptReduce, shiftReduce, reduceReduce;
    };

    void write(std::string_view text) { file_.write(text); }
    void writeTitle(std::string_view title, bool emptyLineAfter = true);

    toolframe::OutputFile file_;
    const toolframe::CodePage& codePage_;
    const Symbol* lastLeftSide_ = nullptr;
    std::vector<ConflictCounts> conflicts_;
};

} // namespace brannock
