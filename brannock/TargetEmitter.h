#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "brannock/Emitter.h"
#include "brannock/ToolOptions.h"
#include "toolframe/LineDirectiveForms.h"
#include "toolframe/OutputStream.h"
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

// A macro that generated C and C++ code defines unless the user already
// has. With a condition, value is the default where the condition holds and
// otherwise where it does not.
struct MacroDefault {
    std::string_view macro;
    std::string_view value;
    std::string_view condition = {};
    std::string_view otherwise = {};
};

// What the C, C++ and Java emitters share: the include and source streams,
// routing to include-or-source, discarding, and the banner and library
// include lines. The operations that copy user code and write the tables
// are each language's own; until a language writes one, it writes nothing
// here.
class TargetEmitter : public Emitter {
public:
    TargetEmitter(const EmitterContext& context, toolframe::LineDirectiveForm form);

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
    void beginTables() override {}
    void endTables() override {}
    void beginDebugTables() override {}
    void endDebugTables() override {}
    void beginSymbolTable() override {}
    void symbolRow(int, std::string_view, std::optional<int>) override {}
    void endSymbolTable() override {}
    void beginRuleTable() override {}
    void ruleRow(int, std::string_view) override {}
    void endRuleTable() override {}
    void beginReductionTable() override {}
    void reductionRow(int, int, int, int) override {}
    void endReductionTable() override {}
    void beginTokenActionTable(int) override {}
    void tokenActionRow(int, int, ActionKind, int) override {}
    void endTokenActionTable() override {}
    void beginStateActionTable() override {}
    void stateActionRow(int, int, bool, ActionKind, int) override {}
    void endStateActionTable() override {}
    void beginCompactTokenActionTable() override {}
    void compactTokenActionRow(int, std::optional<TokenOperand>, ActionKind, int) override {}
    void endCompactTokenActionTable() override {}
    void beginCompactStateActionTable() override {}
    void compactStateActionRow(int, int) override {}
    void endCompactStateActionTable() override {}
    void beginNonterminalGotoTable(int) override {}
    void nonterminalGotoRow(int, int, int) override {}
    void endNonterminalGotoTable() override {}
    void beginStateGotoTable() override {}
    void stateGotoRow(int, int, int) override {}
    void endStateGotoTable() override {}
    void beginCompactNonterminalGotoTable() override {}
    void compactNonterminalGotoRow(int, int, int) override {}
    void endCompactNonterminalGotoTable() override {}
    void beginCompactStateGotoTable() override {}
    void compactStateGotoRow(int, int) override {}
    void endCompactStateGotoTable() override {}
    void beginStateDestructorTable() override {}
    void stateDestructorRow(int, int) override {}
    void endStateDestructorTable() override {}
    void noStateDestructorTable() override {}
    void beginTokenDestructorTable() override {}
    void tokenDestructorRow(int, int, int) override {}
    void endTokenDestructorTable(int) override {}
    void noTokenDestructorTable() override {}
    void beginTokenDestructorBaseTable() override {}
    void tokenDestructorBaseRow(int, int) override {}
    void endTokenDestructorBaseTable(int) override {}
    void noTokenDestructorBaseTable() override {}
    void beginCompactTokenDestructorTable() override {}
    void compactTokenDestructorRow(int, std::optional<TokenOperand>, int) override {}
    void endCompactTokenDestructorTable() override {}
    void noCompactTokenDestructorTable() override {}
    void parserName(bool, std::string_view) override {}
    void constructorBlock(bool, std::string_view) override {}
    void destructorBlock(bool, std::string_view) override {}

protected:
    const ToolOptions& options() const { return context_.options; }
    // A token's spelling made a name: its quotes left out.
    std::string constantName(std::string_view spelling) const;
    // The C-family case label of an action and, for an action of a rule,
    // the debugging array of its attributes: declared with element before
    // the name and filled by the call that initCall opens.
    void writeActionCase(int number, std::optional<int> attributeCount, std::string_view element,
                         std::string_view initCall);
    static std::string macroDefaults(std::span<const MacroDefault> defaults);
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
    // The library include line for the parser header of this language.
    void writeLibraryInclude(toolframe::OutputStream& stream);
    // Banner, include guard, library include and an empty line.
    void writeIncludeFilePrologue(std::string_view kind, std::string_view includePath);
    // The banner (or, repeated, the marker line), the library include and
    // the using-directives, each guarded by its macro; for C inside a
    // C++-only condition.
    void writeSourceFilePrologue(bool repeated, std::string_view kind, std::string_view repeatedMarker,
                                 bool cLanguage);

private:
    EmitterContext context_;
    toolframe::LineDirectiveForm form_;
    toolframe::OutputStream include_;
    toolframe::OutputStream source_;
};

} // namespace brannock
