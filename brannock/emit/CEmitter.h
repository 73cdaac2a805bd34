#pragma once

#include <initializer_list>
#include <string>

#include "brannock/emit/TargetEmitter.h"

namespace brannock {

// The C target (-Tc): a C source file and, with -i, a C header.
class CEmitter : public TargetEmitter {
public:
    explicit CEmitter(const EmitterContext& context);

    bool alwaysUnicode() const override { return false; }
    bool supportsIncludeFile() const override { return true; }
    std::string_view defaultSourceExtension() const override { return "c"; }
    std::string_view defaultIncludeExtension() const override { return "h"; }

    void beginIncludeFile(std::string_view includePath) override;
    void beginSourceFile(bool repeated) override;
    void unionBlock(bool begin) override;
    void beginActionFunction() override;
    void beginActionCase(int number, std::optional<int> attributeCount) override;
    void resultAttribute() override;
    void positionalAttribute(int n, int length) override;
    void endActionFunction() override;
    void endSourceFile(bool programSectionPresent) override;
    // The tables are file-scope definitions: no function frames them.
    void beginTables() override {}
    void endTables() override {}
    void beginDebugTables() override;
    void endDebugTables() override;
    void parserName(bool begin, std::string_view name) override;

private:
    // The multiple models keep the parser in one library object.
    bool hasParserObject() const;
    // A template with its placeholders filled in for this model and width.
    std::string expand(std::string_view text) const;
    void write(std::string_view text);
    // The head of a function in both the prototype and the K&R form; the
    // parser comes first where the function takes it.
    void writeFunctionHead(std::string_view head, std::initializer_list<std::string_view> parameters,
                           bool takesParser);
    void writeAttributeAccess();
    void writeParserObject();
    // The head of a table's definition, after its size where it has one.
    void writeTableHead(Table table, std::optional<int> size) override;
    // Rows are not expanded: rule texts and spellings may hold the
    // placeholders.
    toolframe::RowSyntax rowSyntax(Table table) const override;
    void writeTableEnd(Table table, std::optional<int> size) override;
    void absentTable(Table table, std::optional<int> size) override;
    // The size by which the library or the parser object knows a table.
    std::string sizeDeclaration(Table table, int size) const;
    // The pointer (and the size) through which a destructor table is
    // reached, or through which its absence is known.
    void writeReference(Table table, bool present, std::optional<int> size);
};

} // namespace brannock
