#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "lindle/emit/TargetScannerEmitter.h"
#include "toolframe/emit/JavaTableMethods.h"
#include "toolframe/emit/TableWriter.h"

namespace lindle {

// The Java target (-Tj): one source file whose class, named by %name,
// extends the library's yyflexer or yyclexer; the start conditions are its
// constants, and its tables are built once into a static holder that all
// instances share.
class JavaScannerEmitter : public TargetScannerEmitter {
public:
    JavaScannerEmitter(const ToolOptions& options, toolframe::Diagnostics& diagnostics,
                       const toolframe::CodePage& codePage, const toolframe::DateTimeStamp& stamp);

    // Java has no include file.
    void beginIncludeFile() override {}
    void endIncludeFile() override {}
    void includeGeneratedHeader(std::string_view) override {}
    void beginSource(bool repeat) override;
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
    void beginTables() override;
    void endTables() override;
    void tableHead(Table table, int maximum) override;
    void tableRow(Table table, int first, int second, int third) override;
    void tableEnd(Table table) override;
    void namePart(NamePart part, std::string_view name, bool open) override;

private:
    // The holder's class for the table form.
    std::string_view tablesClass() const;
    void writePartHead(Table table);
    void writePartEnd(Table table);
    toolframe::RowSyntax rowSyntax(Table table) const;

    toolframe::JavaTableMethods methods_;
    std::optional<toolframe::TableWriter> rows_;
    int rowIndex_ = 0;
};

} // namespace lindle
