#pragma once

#include "lindle/emit/TargetScannerEmitter.h"

namespace lindle {

// Stands in for the language emitters that are still to come (C++ and
// Java). It answers the frame's questions for the target language and
// writes line directives, so that what the reader copies is in step with
// the source, but it writes no scanner text of its own: none of what a run
// produces can be compiled yet, so the driver discards its files at the end.
class PendingScannerEmitter : public TargetScannerEmitter {
public:
    using TargetScannerEmitter::TargetScannerEmitter;

    void beginIncludeFile() override {}
    void endIncludeFile() override {}
    void beginSource(bool) override {}
    void includeGeneratedHeader(std::string_view) override {}
    void startConditionDeclared(std::string_view, int) override {}
    void beginActionFunction() override {}
    void openActionSwitch() override {}
    void caseLabel(int) override {}
    void beginAction(int line) override { sourceStream().setGrammarLine(line); }
    void endAction(bool) override { sourceStream().requestResync(); }
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
};

} // namespace lindle
