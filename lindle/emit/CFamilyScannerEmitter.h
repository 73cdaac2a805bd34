#pragma once

#include <initializer_list>

#include <optional>
#include <string>
#include <string_view>

#include "lindle/emit/TargetScannerEmitter.h"
#include "toolframe/emit/FilePrologue.h"
#include "toolframe/emit/TableWriter.h"
#include "toolframe/platform/LocalClock.h"

namespace lindle {

// What the C and C++ targets write alike: the include file's frame, the
// start-condition macros, the action cases, the buffer-size defaults and
// the note about a missing name. Each language adds its prologue, its
// action function's frame and its table heads.
class CFamilyScannerEmitter : public TargetScannerEmitter {
public:
    CFamilyScannerEmitter(const ToolOptions& options, toolframe::Diagnostics& diagnostics,
                          const toolframe::CodePage& codePage, const toolframe::DateTimeStamp& stamp);

    void beginIncludeFile() override;
    void endIncludeFile() override;
    void includeGeneratedHeader(std::string_view relativePath) override;
    void startConditionDeclared(std::string_view name, int value) override;
    void caseLabel(int actionNumber) override;
    void beginAction(int line) override;
    void endAction(bool semicolon) override;
    void breakAfterAction() override;
    void closeActionSwitch() override;
    void tableRow(Table table, int first, int second, int third) override;

protected:
    // "C" or "C++", which the banners name.
    virtual std::string_view languageName() const = 0;
    toolframe::FilePrologue prologue(std::string_view kind, const toolframe::OutputStream& stream) const;
    // The INITIAL macro, to the declaration stream.
    void writeInitialCondition();
    // YYTEXT_SIZE and the other buffer sizes, each unless the user set it.
    void writeSizeDefaults();
    void writeMissingNameNote();
    // Bracket generated code that a user's strict warnings would stop at:
    // the action function, whose actions fall through to the next case
    // under %return as the user meant, and the scanner object.
    void writeWarningsOff(std::initializer_list<std::string_view> warnings);
    void writeWarningsOn();
    // The rows of a table, each begun by lead.
    void startRows(std::string_view lead);
    void endRows();

private:
    std::optional<toolframe::TableWriter> rows_;
    int rowIndex_ = 0;
};

} // namespace lindle
