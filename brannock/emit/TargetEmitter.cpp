#include "brannock/emit/TargetEmitter.h"

#include <cstddef>
#include <variant>
#include <vector>

#include "toolframe/output/BannerBox.h"
#include "toolframe/emit/RuntimeNames.h"

namespace brannock {

namespace {

constexpr std::string_view kToolName = "Brannock";
constexpr std::string_view kVersion = "2.07";

toolframe::LineDirectiveSettings lineSettings(const ToolOptions& options)
{
    return toolframe::LineDirectiveSettings{options.lineDirectives, options.plainLineNames};
}

template <class... Alternatives>
struct Overloaded : Alternatives... {
    using Alternatives::operator()...;
};
template <class... Alternatives>
Overloaded(Alternatives...) -> Overloaded<Alternatives...>;

std::string_view actionKindName(ActionKind kind)
{
    using namespace toolframe::runtime;
    static constexpr std::string_view kNames[] = {kActionError, kActionShift, kActionReduce, kActionAccept,
                                                  kActionDefault};
    return kNames[static_cast<int>(kind)];
}

} // namespace

TargetEmitter::TargetEmitter(const EmitterContext& context, toolframe::LineDirectiveForm form, LiteralForm literals)
    : context_(context),
      form_(form),
      literals_(literals),
      include_(context.diagnostics, context.codePage, *this, lineSettings(context.options)),
      source_(context.diagnostics, context.codePage, *this, lineSettings(context.options))
{
}

void TargetEmitter::lineDirective(toolframe::OutputStream& stream, int line, std::string_view name)
{
    toolframe::writeLineDirective(stream, form_, line, name);
}

void TargetEmitter::discard()
{
    include_.discard();
    source_.discard();
}

void TargetEmitter::endIncludeFile() { include_.writeNarrow("#endif\n"); }

void TargetEmitter::includeGeneratedHeader(std::string_view name)
{
    source_.writeNarrow("#include \"");
    source_.writeNarrow(name);
    source_.writeNarrow("\"\n\n");
}

void TargetEmitter::unionBlock(bool begin)
{
    includeOrSourceStream().writeNarrow(begin ? "#ifndef YYSTYPE\nunion tagYYSTYPE {\n"
                                              : "};\n\n#define YYSTYPE union tagYYSTYPE\n#endif\n\n");
}

void TargetEmitter::tokenConstant(std::string_view name, unsigned number)
{
    includeOrSourceStream().writeFormatted("#define %s %u\n", constantName(name).c_str(), number);
}

void TargetEmitter::beginActionSwitch() { source_.writeNarrow("\tswitch (action) {\n"); }

void TargetEmitter::positionalAttribute(int n, int length)
{
    source_.writeFormatted("yyattribute(%d - %d)", n, length);
}

void TargetEmitter::attributeMember(std::string_view tag)
{
    source_.writeCharacter('.');
    source_.writeNarrow(tag);
}

void TargetEmitter::endActionCase(bool ofRule)
{
    // An action of a rule has its own block inside the debugging one.
    if (ofRule)
        source_.writeNarrow("\t\t\t}\n");
    source_.writeNarrow("\t\t}\n\t\tbreak;\n");
}

void TargetEmitter::endActionSwitch() { source_.writeNarrow("\tdefault:\n\t\tyyassert(0);\n\t\tbreak;\n\t}\n"); }

std::string_view TargetEmitter::stemOf(Table table)
{
    static_assert(toolframe::runtime::kParserTableStems.size() ==
                  static_cast<std::size_t>(Table::CompactTokenDestructor) + 1);
    return toolframe::runtime::kParserTableStems[static_cast<std::size_t>(table)];
}

std::string TargetEmitter::macroStemOf(Table table)
{
    // The stems are lower-case letters only.
    std::string stem(stemOf(table));
    for (char& c : stem)
        c = static_cast<char>(c - 'a' + 'A');
    return stem;
}

std::string TargetEmitter::tokenOperand(const TokenOperand& token) const
{
    switch (token.kind) {
    case TokenOperand::Kind::EndOfInput:
        return "0";
    case TokenOperand::Kind::Error:
        return toolframe::runtime::macro(toolframe::runtime::kTokenErrorStem, literals_.wide);
    case TokenOperand::Kind::Named:
        // The constant the generated code defines for the token.
        return constantName(token.spelling);
    case TokenOperand::Kind::Literal:
        if (token.number)
            return std::to_string(*token.number);
        break;
    }
    // A literal stands for its own value.
    std::string literal(literals_.wide ? "L" : "");
    return literal.append(token.spelling);
}

std::string TargetEmitter::cell(const TableValue& value) const
{
    return std::visit(
        Overloaded{
            [](int number) { return std::to_string(number); },
            [this](bool flag) { return std::string(rows_->spell(flag)); },
            [](ActionKind kind) { return std::string(actionKindName(kind)); },
            [this](std::string_view text) {
                std::string literal(literals_.wide ? "L\"" : "\"");
                return literal.append(toolframe::escapeForLiteral(text, literals_.dialect, context_.codePage))
                    .append("\"");
            },
            [this](const SymbolValue& symbol) {
                return symbol.number ? std::to_string(*symbol.number)
                                     : tokenOperand({TokenOperand::Kind::Literal, symbol.spelling});
            },
            [this](const RunToken& run) {
                if (run.token)
                    return tokenOperand(*run.token);
                return run.closing == RunToken::Closing::AllTokens
                           ? toolframe::runtime::macro(toolframe::runtime::kTokenAllStem, literals_.wide)
                           : std::string("-1");
            },
        },
        value);
}

void TargetEmitter::beginTable(Table table, std::optional<int> size)
{
    writeTableHead(table, size);
    rows_.emplace(source_, rowSyntax(table));
}

void TargetEmitter::tableRow(Table table, int index, std::span<const TableValue> values)
{
    if (writeTableBreak(table))
        rows_->startPart(rowSyntax(table));
    std::vector<std::string> cells;
    cells.reserve(values.size());
    for (const TableValue& value : values)
        cells.push_back(cell(value));
    rows_->row(index, cells);
}

void TargetEmitter::endTable(Table table, std::optional<int> size)
{
    // The symbol table closes with a row of no name, where the library's
    // search for a token's name stops.
    if (table == Table::Symbol)
        rows_->row(rows_->nextIndex(), {rows_->null(), "0"});
    rows_.reset();
    writeTableEnd(table, size);
}

toolframe::RowSyntax TargetEmitter::cFamilyRowSyntax(std::string_view lead)
{
    return toolframe::cFamilyRowSyntax(lead);
}

std::string_view TargetEmitter::characterType() const { return options().unicode ? "wchar_t" : "char"; }

std::string TargetEmitter::constantName(std::string_view spelling) const
{
    std::string name;
    context_.codePage.forEachCharacter(spelling, [&name](std::string_view character) {
        if (character != "'" && character != "\"")
            name += character;
    });
    return name;
}

void TargetEmitter::writeActionCase(int number, std::optional<int> attributeCount, std::string_view element,
                                    std::string_view initCall)
{
    source_.writeFormatted("\tcase %d:\n\t\t{\n", number);
    if (!attributeCount)
        return;
    source_.writeNarrow("#ifdef YYDEBUG\n\t\t\t");
    source_.writeNarrow(element);
    source_.writeFormatted("yya[%d];\n\t\t\t", *attributeCount);
    source_.writeNarrow(initCall);
    source_.writeFormatted("yya, %d);\n#endif\n\t\t\t{\n", *attributeCount);
}

void TargetEmitter::writeValueDefaults()
{
    static constexpr MacroDefault kDefaults[] = {
        {"YYSTYPE", "int"},
        {"YYSTACK_SIZE", "100"},
        // A classic grammar limits its stack with yacc's YYMAXDEPTH.
        {"YYSTACK_MAX", "(YYMAXDEPTH)", "#ifdef YYMAXDEPTH", "0"}};
    source_.writeNarrow(toolframe::macroDefaults(kDefaults));
    source_.writeCharacter('\n');
}

void TargetEmitter::writeMissingNameNote()
{
    static constexpr std::string_view kLines[] = {
        "N O T E",
        "",
        "A compile error that names YYPARSERNAME means that the grammar has no",
        "%name declaration. Name the parser in the declarations section, for",
        "instance:",
        "",
        "%name myparser",
    };
    toolframe::writeNoteBox(source_, kLines);
}

void TargetEmitter::writeSeparatorHeading(toolframe::OutputStream& stream, std::string_view heading)
{
    toolframe::writeSeparatorHeading(stream, heading);
}

void TargetEmitter::writeParserNameMacro(toolframe::OutputStream& stream, std::string_view name)
{
    stream.writeNarrow(toolframe::nameMacro("YYPARSERNAME", name));
}

void TargetEmitter::writeBanner(toolframe::OutputStream& stream, std::string_view kind)
{
    toolframe::BannerText text = prologue(kind).banner;
    text.outputPath = stream.path();
    toolframe::writeBanner(stream, text, context_.codePage);
}

toolframe::FilePrologue TargetEmitter::prologue(std::string_view kind)
{
    const std::string_view header =
        toolframe::runtime::parserHeader(options().targetLanguage, options().model, options().unicode);
    return toolframe::FilePrologue{
        toolframe::BannerText{source_.path(), kind, context_.options.sourceFile, kToolName, kVersion, &context_.stamp},
        header, options().quotedLibraryIncludes};
}

void TargetEmitter::writeSourceFilePrologue(bool repeated, std::string_view kind, std::string_view repeatedMarker,
                                            bool cLanguage)
{
    toolframe::writeSourcePrologue(source_, prologue(kind), repeated, repeatedMarker, cLanguage);
}

void TargetEmitter::writeIncludeFilePrologue(std::string_view kind, std::string_view includePath)
{
    toolframe::FilePrologue text = prologue(kind);
    text.banner.outputPath = include_.path();
    toolframe::writeIncludePrologue(include_, text, includePath);
}

} // namespace brannock
