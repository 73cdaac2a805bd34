#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "brannock/emit/ParserTableEmitter.h"
#include "toolframe/output/OutputStream.h"

namespace brannock::testing {

// An emitter that writes nothing and remembers every operation called on
// it, with its slot number and arguments, so that tests can check what the
// generator asks for and in which order. The table operations reach it as
// the target languages' do, through the hooks of ParserTableEmitter, and
// are recorded from there under their own slots and names.
class RecordingEmitter : public ParserTableEmitter {
public:
    struct Call {
        int slot;
        std::string operation;
        std::vector<std::string> arguments;

        // "operation(argument, ...)"
        std::string text() const;
    };

    // The answers to the four questions the driver asks.
    struct Questions {
        bool alwaysUnicode = false;
        bool supportsIncludeFile = true;
        std::string_view defaultSourceExtension = "c";
        std::string_view defaultIncludeExtension = "h";
    };

    RecordingEmitter();
    explicit RecordingEmitter(Questions questions);

    // The streams are not open: what the reader copies into them is
    // dropped unless a test opens them.
    toolframe::OutputStream& sourceStream() override { return source_; }
    toolframe::OutputStream& includeOrSourceStream() override { return include_.isOpen() ? include_ : source_; }
    toolframe::OutputStream& includeStream() { return include_; }

    const std::vector<Call>& calls() const { return calls_; }
    // Every call's text, in order.
    std::vector<std::string> texts() const;
    int discards() const { return discards_; }

    void discard() override { ++discards_; }

    void lineDirective(toolframe::OutputStream& stream, int line, std::string_view name) override;
    bool alwaysUnicode() const override;
    bool supportsIncludeFile() const override;
    std::string_view defaultSourceExtension() const override;
    std::string_view defaultIncludeExtension() const override;
    void beginIncludeFile(std::string_view includePath) override;
    void endIncludeFile() override;
    void beginSourceFile(bool repeated) override;
    void includeGeneratedHeader(std::string_view name) override;
    void unionBlock(bool begin) override;
    void tokenConstant(std::string_view name, unsigned number) override;
    void beginActionFunction() override;
    void beginActionSwitch() override;
    void beginActionCase(int number, std::optional<int> attributeCount) override;
    void resultAttribute() override;
    void positionalAttribute(int n, int length) override;
    void attributeMember(std::string_view tag) override;
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
    void destructorBlock(bool begin, std::string_view name) override;

private:
    void beginTable(Table table, std::optional<int> size) override;
    void tableRow(Table table, int index, std::span<const TableValue> values) override;
    void endTable(Table table, std::optional<int> size) override;
    void absentTable(Table table, std::optional<int> size) override;

    enum class TablePart { Begin, Row, End, Absent };
    void recordTable(Table table, TablePart part, std::vector<std::string> arguments) const;
    void record(int slot, std::string operation, std::vector<std::string> arguments) const;

    Questions questions_;
    toolframe::Diagnostics diagnostics_;
    toolframe::CodePage codePage_;
    toolframe::OutputStream include_;
    toolframe::OutputStream source_;
    mutable std::vector<Call> calls_;
    int discards_ = 0;
};

} // namespace brannock::testing
