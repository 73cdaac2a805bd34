#include "lindle/report/VerboseReport.h"

#include <string>

#include "toolframe/output/TextFormat.h"
#include "toolframe/output/VerboseHeading.h"

namespace lindle {

namespace {

using toolframe::formatText;

constexpr std::size_t kTitleWidth = 77;
// Longer lines of expression text go on below, indented past the number.
constexpr std::size_t kExpressionColumns = 2041;

struct RuleWarning {
    const char* expressions; // after "%d: "
    const char* summary;     // after "Expression %d "
};

constexpr RuleWarning kNeverMatched{"expression is never matched", "is never matched"};
constexpr RuleWarning kBackupWarnings[] = {
    {nullptr, nullptr},
    {"expression will always backup completely", "will always backup completely"},
    {"expression can backup completely", "can backup completely"},
};

const RuleWarning* warningOf(const ScannerRule& rule)
{
    if (!rule.matched)
        return &kNeverMatched;
    if (rule.hasTrailingContext && rule.backupClass != 0)
        return &kBackupWarnings[rule.backupClass];
    return nullptr;
}

class ReportWriter {
public:
    ReportWriter(toolframe::OutputFile& file, const VerboseReportSource& source, const ScannerNfa& scanner,
                 const Dfa& dfa, const toolframe::CodePage& codePage)
        : file_(file), source_(source), scanner_(scanner), dfa_(dfa), codePage_(codePage)
    {
    }

    void write()
    {
        toolframe::writeVerboseHeading(file_, {"Lex verbose file", source_.sourcePath, "Lindle", "2.07", source_.stamp},
                                       codePage_);
        toolframe::writeVerboseTitle(file_, "Expressions", kTitleWidth);
        for (const ScannerRule& rule : scanner_.rules)
            expression(rule);
        file_.write("\n");
        toolframe::writeVerboseTitle(file_, "States", kTitleWidth);
        states();
        toolframe::writeVerboseTitle(file_, "Summary", kTitleWidth);
        summary();
        toolframe::writeVerboseTitle(file_, "End of File", kTitleWidth, false);
    }

private:
    void expression(const ScannerRule& rule)
    {
        if (const RuleWarning* warning = warningOf(rule))
            file_.write(formatText("%d: ", rule.actionNumber) + warning->expressions + "\n");
        std::string text = formatText("%5d  ", rule.actionNumber);
        std::string written;
        if (rule.anchored)
            written += "^";
        if (rule.allConditions) {
            written += "<*>";
        } else if (!rule.conditions.empty()) {
            written += "<";
            for (std::size_t i = 0; i < rule.conditions.size(); ++i) {
                const auto number = static_cast<std::size_t>(rule.conditions[i]);
                written += (i > 0 ? "," : "");
                written += number < scanner_.conditions.size() ? scanner_.conditions[number].name : "?";
            }
            written += ">";
        }
        written += rule.text;
        std::size_t column = text.size();
        codePage_.forEachCharacter(written, [&](std::string_view character) {
            const std::size_t width = character.size() > 1 ? 2 : 1;
            if (column + width > kExpressionColumns) {
                text += "\n       ";
                column = 7;
            }
            text += character;
            column += width;
        });
        file_.write(text + "\n\n");
    }

    std::string character(std::uint32_t value) const
    {
        return formatText(source_.unicode ? "0x%04x" : "0x%02x", static_cast<unsigned>(value));
    }

    void body(const DfaState& state, bool written)
    {
        const std::size_t column = (source_.unicode ? 6 : 4) + (source_.unicode ? 17 : 13);
        if (!state.transitions.empty()) {
            if (written)
                file_.write("\n");
            for (const DfaTransition& t : state.transitions) {
                std::string line = character(t.first);
                if (t.last != t.first)
                    line += " - " + character(t.last) + formatText(" (%u)", t.last - t.first + 1);
                if (line.size() < column)
                    line.append(column - line.size(), ' ');
                const int target = dfa_.states[static_cast<std::size_t>(t.target)].number;
                file_.write("\t" + line + formatText("  goto %d\n", target));
            }
            written = true;
        }
        if (!state.accepts.empty()) {
            if (written)
                file_.write("\n");
            for (int rule : state.accepts) {
                const bool backup = scanner_.rules[static_cast<std::size_t>(rule - 1)].hasTrailingContext;
                file_.write(formatText(backup ? "\tmatch %d and backup\n" : "\tmatch %d\n", rule));
            }
            written = true;
        }
        if (!state.marks.empty()) {
            if (written)
                file_.write("\n");
            for (int rule : state.marks)
                file_.write(formatText("\tbackup match %d\n", rule));
        }
    }

    void states()
    {
        std::vector<bool> listed(dfa_.states.size(), false);
        for (std::size_t entry = 0; entry < dfa_.startEntries.size(); ++entry) {
            const int number = static_cast<int>(entry) + 1;
            const std::size_t condition = entry / 2;
            const std::string name = condition < scanner_.conditions.size() ? scanner_.conditions[condition].name : "";
            file_.write(formatText("state %d\n", number) + "\t" + (number % 2 == 0 ? "^" : "") + name + "\n");
            const int index = dfa_.startEntries[entry];
            if (index >= 0) {
                body(dfa_.states[static_cast<std::size_t>(index)], true);
                listed[static_cast<std::size_t>(index)] = true;
            }
            file_.write("\n");
        }
        for (std::size_t s = 0; s < dfa_.states.size(); ++s) {
            if (listed[s])
                continue;
            file_.write(formatText("state %d\n", dfa_.states[s].number));
            body(dfa_.states[s], false);
            file_.write("\n");
        }
    }

    void summary()
    {
        bool warned = false;
        for (const ScannerRule& rule : scanner_.rules) {
            if (const RuleWarning* warning = warningOf(rule)) {
                file_.write(formatText("Expression %d ", rule.actionNumber) + warning->summary + "\n");
                warned = true;
            }
        }
        if (warned)
            file_.write("\n");
        file_.write(formatText("%d start state(s)\n", static_cast<int>(scanner_.conditions.size())));
        file_.write(formatText("%d expression(s), %d state(s)\n\n", static_cast<int>(scanner_.rules.size()),
                               dfa_.rowCount - 1));
    }

    toolframe::OutputFile& file_;
    const VerboseReportSource& source_;
    const ScannerNfa& scanner_;
    const Dfa& dfa_;
    const toolframe::CodePage& codePage_;
};

} // namespace

void writeVerboseReport(toolframe::OutputFile& file, const VerboseReportSource& source, const ScannerNfa& scanner,
                        const Dfa& dfa, const toolframe::CodePage& codePage)
{
    if (file.isOpen())
        ReportWriter(file, source, scanner, dfa, codePage).write();
}

} // namespace lindle
