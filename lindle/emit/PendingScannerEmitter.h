#pragma once

#include "lindle/ToolOptions.h"
#include "lindle/emit/ScannerEmitter.h"
#include "toolframe/output/LineDirectiveForms.h"

namespace lindle {

// Stands in for the language emitters until the scanner stages exist. It
// answers the frame's questions for the target language and writes line
// directives, so that what the reader copies is in step with the source,
// but it writes no scanner text of its own: none of what a run produces
// can be compiled yet, so the driver discards its files at the end.
class PendingScannerEmitter : public ScannerEmitter {
public:
    PendingScannerEmitter(const ToolOptions& options, toolframe::Diagnostics& diagnostics,
                          const toolframe::CodePage& codePage);

    void lineDirective(toolframe::OutputStream& stream, int line, std::string_view name) override;
    bool alwaysUnicode() const override;
    bool supportsIncludeFile() const override;
    std::string_view defaultSourceExtension() const override;
    std::string_view defaultIncludeExtension() const override;

    toolframe::OutputStream& sourceStream() override { return source_; }
    toolframe::OutputStream& includeStream() override { return include_; }
    void discard() override;

    void beginIncludeFile() override {}
    void endIncludeFile() override {}
    void beginSource(bool) override {}
    void includeGeneratedHeader(std::string_view) override {}
    void startConditionDeclared(std::string_view, int) override {}
    void beginActionFunction() override {}
    void openActionSwitch() override {}
    void caseLabel(int) override {}
    void beginAction(int line) override { source_.setGrammarLine(line); }
    void endAction(bool) override { source_.requestResync(); }
    void breakAfterAction() override {}
    void closeActionSwitch() override {}
    void closeActionFunction() override {}
    void afterProgramCode(bool) override {}
    void beginTables() override {}
    void endTables() override {}
    void tableHead(Table, int) override {}
    void tableRow(Table, int, int, int) override {}
    void tableEnd(Table) override {}
    void namePart(NamePart, std::string_view, bool) override {}

private:
    toolframe::TargetLanguage language_;
    toolframe::OutputStream source_;
    toolframe::OutputStream include_;
};

} // namespace lindle
