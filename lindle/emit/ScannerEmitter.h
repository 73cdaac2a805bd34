#pragma once

#include <string_view>

#include "toolframe/diagnostics/Diagnostics.h"
#include "toolframe/emit/LanguageFrame.h"
#include "toolframe/output/OutputStream.h"

namespace lindle {

// The three parts of a %name declaration that the language wraps around
// the user's blocks.
enum class NamePart { Declaration, Constructor, Destructor };

// The code emitter of the scanner generator, one implementation per target
// language. The reader calls it as it meets each construct and copies user
// code straight into its streams; the table stage hands it the rows. The
// frame's five operations (LanguageFrame) come first; the others follow in
// the order of a run.
class ScannerEmitter : public toolframe::LanguageFrame, public toolframe::Discardable {
public:
    virtual toolframe::OutputStream& sourceStream() = 0;
    virtual toolframe::OutputStream& includeStream() = 0;
    // Where declaration code goes: the include file when one is written.
    toolframe::OutputStream& declarationStream()
    {
        return includeStream().isOpen() ? includeStream() : sourceStream();
    }

    virtual void beginIncludeFile() = 0;
    virtual void endIncludeFile() = 0;
    // repeat: the second time, once the definitions start declaring.
    virtual void beginSource(bool repeat) = 0;
    virtual void includeGeneratedHeader(std::string_view relativePath) = 0;
    // value is twice the condition's number.
    virtual void startConditionDeclared(std::string_view name, int value) = 0;
    virtual void beginActionFunction() = 0;
    virtual void openActionSwitch() = 0;
    virtual void caseLabel(int actionNumber) = 0;
    virtual void beginAction(int line) = 0;
    virtual void endAction(bool semicolon) = 0;
    virtual void breakAfterAction() = 0;
    virtual void closeActionSwitch() = 0;
    virtual void closeActionFunction() = 0;
    virtual void afterProgramCode(bool programCodePresent) = 0;
    virtual void beginTables() = 0;
    virtual void endTables() = 0;
    // Each table as a head, its rows, and an end; the fields of a row are
    // the table's own (one, two or three integers).
    enum class Table { Match, Backup, State, Transition, CompactTransition };
    virtual void tableHead(Table table, int maximum) = 0;
    virtual void tableRow(Table table, int first, int second, int third) = 0;
    virtual void tableEnd(Table table) = 0;
    // open: before the user's block, else after it.
    virtual void namePart(NamePart part, std::string_view name, bool open) = 0;
};

} // namespace lindle
