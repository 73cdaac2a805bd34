#pragma once

#include <string_view>

#include "lindle/emit/CFamilyScannerEmitter.h"

namespace lindle {

// The C++ target (-Tcpp): a scanner class derived from the library's
// yyflexer or yyclexer (yywflexer, yywclexer with -W), declared at %name in
// the include file or the source, its action function and the yytables()
// that hands the tables to the base class.
class CppScannerEmitter : public CFamilyScannerEmitter {
public:
    using CFamilyScannerEmitter::CFamilyScannerEmitter;

    void beginSource(bool repeat) override;
    void beginActionFunction() override;
    void openActionSwitch() override;
    void closeActionFunction() override;
    void afterProgramCode(bool) override {}
    void beginTables() override;
    void endTables() override;
    void tableHead(Table table, int maximum) override;
    void tableEnd(Table table) override;
    void namePart(NamePart part, std::string_view name, bool open) override;

protected:
    std::string_view languageName() const override { return "C++"; }

private:
    void writeClassHead(std::string_view name);
    // The type an action returns.
    std::string_view actionType() const;
};

} // namespace lindle
