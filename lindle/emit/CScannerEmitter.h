#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "lindle/emit/TargetScannerEmitter.h"
#include "toolframe/emit/FilePrologue.h"
#include "toolframe/emit/TableWriter.h"
#include "toolframe/platform/LocalClock.h"

namespace lindle {

// The C target (-Tc): a C source file and, with -i, a C header, in the
// single model or one of the two multiple models (-mm, -mi), in bytes or,
// with -W, in UTF-16 code units.
class CScannerEmitter : public TargetScannerEmitter {
public:
    CScannerEmitter(const ToolOptions& options, toolframe::Diagnostics& diagnostics,
                    const toolframe::CodePage& codePage, const toolframe::DateTimeStamp& stamp);

    void beginIncludeFile() override;
    void endIncludeFile() override;
    void beginSource(bool repeat) override;
    void includeGeneratedHeader(std::string_view relativePath) override;
    void startConditionDeclared(std::string_view name, int value) override;
    void beginActionFunction() override;
    void openActionSwitch() override;
    void caseLabel(int actionNumber) override;
    void beginAction(int line) override;
    void endAction(bool semicolon) override;
    void breakAfterAction() override;
    void closeActionSwitch() override;
    void closeActionFunction() override;
    void afterProgramCode(bool programCodePresent) override;
    // The tables are file-scope definitions: no function frames them.
    void beginTables() override {}
    void endTables() override {}
    void tableHead(Table table, int maximum) override;
    void tableRow(Table table, int first, int second, int third) override;
    void tableEnd(Table table) override;
    void namePart(NamePart part, std::string_view name, bool open) override;

private:
    // The multiple models keep the scanner in one library object.
    bool hasLexerObject() const;
    // A template with its placeholders filled in for this model and width.
    std::string expand(std::string_view text) const;
    void write(std::string_view text);
    toolframe::FilePrologue prologue(std::string_view kind, const toolframe::OutputStream& stream) const;
    void writeMissingNameNote();
    void writeLexerObject();

    const toolframe::DateTimeStamp& stamp_;
    // The rows of the table being written.
    std::optional<toolframe::TableWriter> rows_;
    int rowIndex_ = 0;
};

} // namespace lindle
