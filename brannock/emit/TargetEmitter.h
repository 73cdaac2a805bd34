#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "brannock/emit/ParserTableEmitter.h"
#include "brannock/ToolOptions.h"
#include "toolframe/emit/FilePrologue.h"
#include "toolframe/emit/MacroDefaults.h"
#include "toolframe/emit/TableWriter.h"
#include "toolframe/output/LineDirectiveForms.h"
#include "toolframe/output/OutputStream.h"
#include "toolframe/output/StringEscaping.h"
#include "toolframe/platform/CodePage.h"
#include "toolframe/platform/LocalClock.h"

namespace brannock {

// What every language emitter is built from.
struct EmitterContext {
    const ToolOptions& options;
    const toolframe::CodePage& codePage;
    const toolframe::DateTimeStamp& stamp;
    toolframe::Diagnostics& diagnostics;
};

using toolframe::MacroDefault;

// How a language writes the strings and tokens of table rows: the dialect
// of its string literals, and whether they are wide (an L in front, and the
// YYW names), as C and C++ are in Unicode.
struct LiteralForm {
    toolframe::LiteralDialect dialect;
    bool wide;
};

// What the C, C++ and Java emitters share: the include and source streams,
// routing to include-or-source, discarding, the banner and library include
// lines, and the tables' rows, whose values are the same in every language
// but for their spelling. The operations that copy user code are each
// language's own, and until a language writes one it writes nothing here;
// of the tables a language writes only the heads, the ends and the
// references, and says how its rows look.
class TargetEmitter : public ParserTableEmitter {
public:
    TargetEmitter(const EmitterContext& context, toolframe::LineDirectiveForm form, LiteralForm literals);

    toolframe::OutputStream& includeStream() { return include_; }
    toolframe::OutputStream& sourceStream() override { return source_; }
    // The include file when it is open, the source file otherwise.
    toolframe::OutputStream& includeOrSourceStream() override { return include_.isOpen() ? include_ : source_; }

    void lineDirective(toolframe::OutputStream& stream, int line, std::string_view name) override;
    void discard() override;

    // The C-family forms; Java has no include file and overrides them.
    void endIncludeFile() override;
    void includeGeneratedHeader(std::string_view name) override;
    // Also the C-family forms, the same in C and C++; Java overrides all
    // but the attribute forms, which it shares with C++ (C has its own
    // positional form).
    void unionBlock(bool begin) override;
    void tokenConstant(std::string_view name, unsigned number) override;
    void beginActionSwitch() override;
    void positionalAttribute(int n, int length) override;
    void attributeMember(std::string_view tag) override;
    void endActionCase(bool ofRule) override;
    void endActionSwitch() override;

    void beginActionFunction() override {}
    void beginActionCase(int, std::optional<int>) override {}
    void resultAttribute() override {}
    void endActionFunction() override {}
    void endSourceFile(bool) override {}
    void parserName(bool, std::string_view) override {}
    void constructorBlock(bool, std::string_view) override {}
    void destructorBlock(bool, std::string_view) override {}

protected:
    // What a language adds to the tables written here: the head of a
    // table, after its size where it has one; its row syntax; its end,
    // followed by the size and, for a destructor table, the reference
    // through which the library reaches it; and, as absentTable, the
    // reference that says a destructor table is absent.
    virtual void writeTableHead(Table table, std::optional<int> size) = 0;
    virtual toolframe::RowSyntax rowSyntax(Table table) const = 0;
    virtual void writeTableEnd(Table table, std::optional<int> size) = 0;
    // Before each row: a language that limits how much one method may hold
    // can split the table there, writing the end of one part and the head
    // of the next, and says so; the rows then go on in rowSyntax as it is
    // for the new part.
    virtual bool writeTableBreak(Table) { return false; }

    static std::string_view stemOf(Table table);
    // The stem in capitals, as the macros of the C multiple models carry it.
    static std::string macroStemOf(Table table);
    // The rows of C and C++ tables, which differ only in how far they are
    // indented.
    static toolframe::RowSyntax cFamilyRowSyntax(std::string_view lead);
    // The element type of the C-family string tables.
    std::string_view characterType() const;

    const ToolOptions& options() const { return context_.options; }
    // A token's spelling made a name: its quotes left out.
    std::string constantName(std::string_view spelling) const;
    // The C-family case label of an action and, for an action of a rule,
    // the debugging array of its attributes: declared with element before
    // the name and filled by the call that initCall opens.
    void writeActionCase(int number, std::optional<int> attributeCount, std::string_view element,
                         std::string_view initCall);
    // YYSTYPE, YYSTACK_SIZE and YYSTACK_MAX, which every C-family prologue
    // template opens with.
    void writeValueDefaults();
    // The comment box that explains a compile error on YYPARSERNAME.
    void writeMissingNameNote();
    // A line of slashes and a comment with the heading, which set off a
    // generated class and each of the C++ class's special members.
    void writeSeparatorHeading(toolframe::OutputStream& stream, std::string_view heading);
    // YYPARSERNAME, by which the generated code refers to the parser.
    void writeParserNameMacro(toolframe::OutputStream& stream, std::string_view name);
    // The banner at the top of a generated file, with its kind text.
    void writeBanner(toolframe::OutputStream& stream, std::string_view kind);
    // The banner and runtime header of a file of this language.
    toolframe::FilePrologue prologue(std::string_view kind);
    // Banner, include guard, library include and an empty line.
    void writeIncludeFilePrologue(std::string_view kind, std::string_view includePath);
    // The banner (or, repeated, the marker line), the library include and
    // the using-directives, each guarded by its macro; for C inside a
    // C++-only condition.
    void writeSourceFilePrologue(bool repeated, std::string_view kind, std::string_view repeatedMarker,
                                 bool cLanguage);

private:
    void beginTable(Table table, std::optional<int> size) final;
    void tableRow(Table table, int index, std::span<const TableValue> values) final;
    void endTable(Table table, std::optional<int> size) final;
    // A value of a row as this language spells it.
    std::string cell(const TableValue& value) const;
    // A token as the tables name it; wide, it takes the YYW placeholder
    // and puts an L before a literal.
    std::string tokenOperand(const TokenOperand& token) const;

    EmitterContext context_;
    toolframe::LineDirectiveForm form_;
    LiteralForm literals_;
    // The rows of the table being written.
    std::optional<toolframe::TableWriter> rows_;
    toolframe::OutputStream include_;
    toolframe::OutputStream source_;
};

} // namespace brannock
