#pragma once

#include <array>
#include <string>

#include "brannock/emit/TargetEmitter.h"
#include "toolframe/emit/JavaTableMethods.h"

namespace brannock {

// The Java target (-Tj): one source file, always Unicode, never an
// include file.
class JavaEmitter : public TargetEmitter {
public:
    explicit JavaEmitter(const EmitterContext& context);

    bool alwaysUnicode() const override { return true; }
    bool supportsIncludeFile() const override { return false; }
    std::string_view defaultSourceExtension() const override { return "java"; }
    std::string_view defaultIncludeExtension() const override { return ""; }

    void beginIncludeFile(std::string_view) override {}
    void endIncludeFile() override {}
    void beginSourceFile(bool repeated) override;
    void includeGeneratedHeader(std::string_view) override {}
    void unionBlock(bool begin) override;
    void tokenConstant(std::string_view name, unsigned number) override;
    void beginActionFunction() override;
    void beginActionSwitch() override;
    void beginActionCase(int number, std::optional<int> attributeCount) override;
    void resultAttribute() override;
    void endActionCase(bool ofRule) override;
    void endActionSwitch() override;
    void endActionFunction() override;
    void endSourceFile(bool programSectionPresent) override;
    void beginTables() override;
    void endTables() override;
    void beginDebugTables() override;
    void endDebugTables() override;
    void parserName(bool begin, std::string_view name) override;
    void constructorBlock(bool begin, std::string_view name) override;

private:
    // The table form's entry in the library's pairs of classes.
    std::string_view ofTableForm(const std::array<std::string_view, 2>& classes) const;
    // The holder's field for a table, which each instance copies.
    static std::string fieldOf(Table table);
    // The depth of a table's rows less one.
    std::string indentOf(Table table) const;
    // The conditional the debugging tables sit in, or nothing.
    std::string_view enclosing() const;
    // A table is a local array of yycreatetables(), stored in the holder
    // after it. Sizes are not written: an array's length is its size.
    void writeTableHead(Table table, std::optional<int> size) override;
    toolframe::RowSyntax rowSyntax(Table table) const override;
    void writeTableEnd(Table table, std::optional<int> size) override;
    void absentTable(Table table, std::optional<int> size) override;
    // The JVM holds one method to 64 KB of code, so the rows of a large
    // grammar go on in further methods, each called at the end of the one
    // before; a table split there is joined part by part in the holder.
    bool writeTableBreak(Table table) override;
    void writePartHead(Table table);
    void writePartEnd(Table table);

    // The JVM's limit on a method holds for the action method too, whose
    // cases go on in further methods in the same way: the method being
    // written (0 for yyaction, n for its nth continuation), its cases and
    // the line it begins on.
    int actionMethod_ = 0;
    int actionCases_ = 0;
    int actionMethodLine_ = 0;
    toolframe::JavaTableMethods methods_;
    bool inDebugTables_ = false;
};

} // namespace brannock
