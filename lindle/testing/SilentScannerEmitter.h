#pragma once

#include "lindle/emit/TargetScannerEmitter.h"

namespace lindle {

// An emitter for the tests and fuzzers that drive the reader by itself:
// it answers the frame's questions for the target language and keeps the
// line count of the user's code, but writes no scanner text of its own.
class SilentScannerEmitter : public TargetScannerEmitter {
public:
    SilentScannerEmitter(const ToolOptions& options, toolframe::Diagnostics& diagnostics,
                         const toolframe::CodePage& codePage)
        : TargetScannerEmitter(options, diagnostics, codePage, stamp())
    {
    }

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

private:
    static const toolframe::DateTimeStamp& stamp()
    {
        static const toolframe::DateTimeStamp kNone;
        return kNone;
    }
};

} // namespace lindle
