#include "lindle/emit/CFamilyScannerEmitter.h"

#include <cstddef>
#include <span>

#include "toolframe/emit/MacroDefaults.h"
#include "toolframe/emit/RuntimeNames.h"
#include "toolframe/emit/WarningBracket.h"
#include "toolframe/output/BannerBox.h"

namespace lindle {

namespace {

constexpr toolframe::MacroDefault kSizeDefaults[] = {
    {"YYTEXT_SIZE", "100"},
    {"YYUNPUT_SIZE", "YYTEXT_SIZE"},
    {"YYTEXT_MAX", "0"},
    {"YYUNPUT_MAX", "YYTEXT_MAX"},
};

// How many values a row of each table has.
constexpr std::size_t kRowWidths[] = {1, 1, 3, 2, 3};

} // namespace

CFamilyScannerEmitter::CFamilyScannerEmitter(const ToolOptions& options, toolframe::Diagnostics& diagnostics,
                                             const toolframe::CodePage& codePage,
                                             const toolframe::DateTimeStamp& stamp)
    : TargetScannerEmitter(options, diagnostics, codePage, stamp)
{
}

void CFamilyScannerEmitter::beginIncludeFile()
{
    const std::string kind = std::string(languageName()) + " header file";
    toolframe::writeIncludePrologue(includeStream(), prologue(kind, includeStream()), includeStream().path());
}

void CFamilyScannerEmitter::endIncludeFile() { includeStream().writeNarrow("#endif\n"); }

void CFamilyScannerEmitter::includeGeneratedHeader(std::string_view relativePath)
{
    sourceStream().writeNarrow("#include \"");
    sourceStream().writeNarrow(relativePath);
    sourceStream().writeNarrow("\"\n\n");
}

void CFamilyScannerEmitter::startConditionDeclared(std::string_view name, int value)
{
    declarationStream().writeFormatted("#define %.*s %d\n", static_cast<int>(name.size()), name.data(), value);
}

void CFamilyScannerEmitter::caseLabel(int actionNumber)
{
    sourceStream().writeFormatted("\tcase %d:\n", actionNumber);
}

void CFamilyScannerEmitter::beginAction(int line)
{
    sourceStream().writeNarrow("\t\t{\n");
    sourceStream().setGrammarLine(line);
}

void CFamilyScannerEmitter::endAction(bool semicolon)
{
    if (semicolon)
        sourceStream().writeCharacter(';');
    sourceStream().writeCharacter('\n');
    sourceStream().requestResync();
    sourceStream().writeNarrow("\t\t}\n");
}

void CFamilyScannerEmitter::breakAfterAction() { sourceStream().writeNarrow("\t\tbreak;\n"); }

void CFamilyScannerEmitter::closeActionSwitch()
{
    sourceStream().writeNarrow("\tdefault:\n\t\tyyassert(0);\n\t\tbreak;\n\t}\n");
}

void CFamilyScannerEmitter::tableRow(Table table, int first, int second, int third)
{
    const std::string values[] = {std::to_string(first), std::to_string(second), std::to_string(third)};
    rows_->row(rowIndex_++, std::span<const std::string>(values, kRowWidths[static_cast<std::size_t>(table)]));
}

toolframe::FilePrologue CFamilyScannerEmitter::prologue(std::string_view kind,
                                                        const toolframe::OutputStream& stream) const
{
    return toolframe::FilePrologue{
        banner(kind, stream),
        toolframe::runtime::lexerHeader(options().targetLanguage, options().model, options().unicode),
        options().quotedLibraryIncludes};
}

void CFamilyScannerEmitter::writeInitialCondition()
{
    declarationStream().writeNarrow("#ifndef INITIAL\n#define INITIAL 0\n#endif\n\n");
}

void CFamilyScannerEmitter::writeSizeDefaults()
{
    sourceStream().writeNarrow(toolframe::macroDefaults(kSizeDefaults));
    sourceStream().writeNarrow("\n");
}

void CFamilyScannerEmitter::writeMissingNameNote()
{
    static constexpr std::string_view kLines[] = {
        "N O T E",
        "",
        "A compile error that names YYLEXERNAME means that the lex source has no",
        "%name declaration. Name the scanner in the definitions section, for",
        "instance:",
        "",
        "%name mylexer",
    };
    toolframe::writeNoteBox(sourceStream(), kLines);
}

void CFamilyScannerEmitter::writeWarningsOff(std::initializer_list<std::string_view> warnings)
{
    sourceStream().writeNarrow(toolframe::warningsOff(warnings));
}

void CFamilyScannerEmitter::writeWarningsOn() { sourceStream().writeNarrow(toolframe::warningsOn()); }

void CFamilyScannerEmitter::startRows(std::string_view lead)
{
    rows_.emplace(sourceStream(), toolframe::cFamilyRowSyntax(lead));
    rowIndex_ = 0;
}

void CFamilyScannerEmitter::endRows() { rows_.reset(); }

} // namespace lindle
