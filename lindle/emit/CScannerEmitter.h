#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "lindle/emit/CFamilyScannerEmitter.h"

namespace lindle {

// The C target (-Tc): a C source file and, with -i, a C header, in the
// single model or one of the two multiple models (-mm, -mi), in bytes or,
// with -W, in UTF-16 code units.
class CScannerEmitter : public CFamilyScannerEmitter {
public:
    CScannerEmitter(const ToolOptions& options, toolframe::Diagnostics& diagnostics,
                    const toolframe::CodePage& codePage, const toolframe::DateTimeStamp& stamp);

    void beginSource(bool repeat) override;
    void beginActionFunction() override;
    void openActionSwitch() override;
    void closeActionFunction() override;
    void afterProgramCode(bool programCodePresent) override;
    // The tables are file-scope definitions: no function frames them.
    void beginTables() override {}
    void endTables() override {}
    void tableHead(Table table, int maximum) override;
    void tableEnd(Table table) override;
    void namePart(NamePart part, std::string_view name, bool open) override;

protected:
    std::string_view languageName() const override { return "C"; }

private:
    // The multiple models keep the scanner in one library object.
    bool hasLexerObject() const;
    // A template with its placeholders filled in for this model and width.
    std::string expand(std::string_view text) const;
    void write(std::string_view text);
    void writeLexerObject();
};

} // namespace lindle
