#pragma once

#include "brannock/emit/TargetEmitter.h"

namespace brannock {

// The C++ target (-Tcpp): a parser class derived from the library's.
class CppEmitter : public TargetEmitter {
public:
    explicit CppEmitter(const EmitterContext& context);

    bool alwaysUnicode() const override { return false; }
    bool supportsIncludeFile() const override { return true; }
    std::string_view defaultSourceExtension() const override { return "cpp"; }
    std::string_view defaultIncludeExtension() const override { return "h"; }

    void beginIncludeFile(std::string_view includePath) override;
    void beginSourceFile(bool repeated) override;
    void beginActionFunction() override;
    void beginActionCase(int number, std::optional<int> attributeCount) override;
    void resultAttribute() override;
    void endActionFunction() override;
    void beginTables() override;
    void endTables() override;
    void beginDebugTables() override;
    void endDebugTables() override;
    void parserName(bool begin, std::string_view name) override;
    void constructorBlock(bool begin, std::string_view name) override;
    void destructorBlock(bool begin, std::string_view name) override;

private:
    void writeClassHead(std::string_view name);
    // The generated part of the constructor or destructor, which the
    // user's code follows.
    void writeSpecialMember(bool begin, std::string_view heading, std::string_view opening);
    // The base class's member that holds a table.
    static std::string memberOf(Table table);
    // A table is a constant array local to yytables(), handed to the base
    // class's member after it; its size, where it has one, is assigned
    // before it.
    void writeTableHead(Table table, std::optional<int> size) override;
    toolframe::RowSyntax rowSyntax(Table table) const override;
    void writeTableEnd(Table table, std::optional<int> size) override;
    void absentTable(Table table, std::optional<int> size) override;
    // What the base class learns of a destructor table: the table or NULL,
    // and the size where it has one.
    void assignReference(Table table, bool present, std::optional<int> size);
    // The blank line that sets a table's assignments off from the next
    // table, where one follows.
    void closeAssignments(Table table);
};

} // namespace brannock
