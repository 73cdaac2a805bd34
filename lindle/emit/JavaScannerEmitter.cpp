#include "lindle/emit/JavaScannerEmitter.h"

#include <cstddef>

#include "toolframe/emit/RuntimeNames.h"
#include "toolframe/output/BannerBox.h"

namespace lindle {

namespace {

// Each table's element type, in the order of the emitter's tables.
constexpr std::string_view kElements[] = {"short", "boolean", "yystate", "yytransition", "yyctransition"};

// How many values a row of each table has.
constexpr std::size_t kRowWidths[] = {1, 1, 3, 2, 3};

std::string_view stemOf(ScannerEmitter::Table table)
{
    return toolframe::runtime::kLexerTableStems[static_cast<std::size_t>(table)];
}

std::string fieldOf(ScannerEmitter::Table table)
{
    return std::string(toolframe::runtime::kNamePrefix) + std::string(stemOf(table));
}

} // namespace

JavaScannerEmitter::JavaScannerEmitter(const ToolOptions& options, toolframe::Diagnostics& diagnostics,
                                       const toolframe::CodePage& codePage, const toolframe::DateTimeStamp& stamp)
    : TargetScannerEmitter(options, diagnostics, codePage, stamp), methods_(sourceStream())
{
}

void JavaScannerEmitter::beginSource(bool repeat)
{
    toolframe::OutputStream& source = sourceStream();
    if (!repeat) {
        toolframe::writeBanner(source, banner("Java source file", source), codePage());
        return;
    }
    source.writeNarrow(toolframe::runtime::kJavaImport);
    source.writeNarrow("\n\n");
}

void JavaScannerEmitter::startConditionDeclared(std::string_view name, int value)
{
    sourceStream().writeFormatted("\tpublic static final int %.*s = %d;\n", static_cast<int>(name.size()),
                                  name.data(), value);
}

void JavaScannerEmitter::beginActionFunction()
{
    toolframe::OutputStream& source = sourceStream();
    startConditionDeclared("INITIAL", 0);
    source.writeNarrow("\n\tprotected static ");
    source.writeNarrow(tablesClass());
    source.writeNarrow(" yytables = null;\n\n\tpublic final int yyaction(int action) {\n");
}

void JavaScannerEmitter::openActionSwitch()
{
    sourceStream().writeNarrow("\t\tyyreturnflg = true;\n\t\tswitch (action) {\n");
}

void JavaScannerEmitter::caseLabel(int actionNumber)
{
    sourceStream().writeFormatted("\t\tcase %d:\n", actionNumber);
}

void JavaScannerEmitter::beginAction(int line)
{
    sourceStream().writeNarrow("\t\t\t{\n");
    sourceStream().setGrammarLine(line);
}

void JavaScannerEmitter::endAction(bool semicolon)
{
    if (semicolon)
        sourceStream().writeCharacter(';');
    sourceStream().writeCharacter('\n');
    sourceStream().requestResync();
    sourceStream().writeNarrow("\t\t\t}\n");
}

void JavaScannerEmitter::breakAfterAction() { sourceStream().writeNarrow("\t\t\tbreak;\n"); }

void JavaScannerEmitter::closeActionSwitch() { sourceStream().writeNarrow("\t\tdefault:\n\t\t\tbreak;\n\t\t}\n"); }

void JavaScannerEmitter::closeActionFunction()
{
    sourceStream().writeNarrow("\t\tyyreturnflg = false;\n\t\treturn 0;\n\t}\n");
}

void JavaScannerEmitter::afterProgramCode(bool programCodePresent)
{
    // The program section is expected to close the class.
    if (!programCodePresent)
        sourceStream().writeNarrow("}\n");
}

void JavaScannerEmitter::beginTables()
{
    methods_.restart();
    toolframe::OutputStream& source = sourceStream();
    const bool compact = options().compactTables;
    source.writeNarrow("\n\tprotected final void yytables() {\n"
                       "\t\tyystext_size = 100;\n"
                       "\t\tyysunput_size = 100;\n"
                       "\t\tyytext_max = 0;\n"
                       "\t\tyyunput_max = 0;\n\n"
                       "\t\tyycreatetables();\n"
                       "\t\tyymatch = yytables.yymatch;\n");
    source.writeNarrow(compact ? "\t\tyyctransition = yytables.yyctransition;\n"
                               : "\t\tyytransition = yytables.yytransition;\n");
    source.writeNarrow("\t\tyystate = yytables.yystate;\n"
                       "\t\tyybackup = yytables.yybackup;\n"
                       "\t}\n\n"
                       "\tpublic static synchronized final void yycreatetables() {\n"
                       "\t\tif (yytables == null) {\n"
                       "\t\t\tyytables = new ");
    source.writeNarrow(tablesClass());
    source.writeNarrow("();\n\n");
}

void JavaScannerEmitter::endTables() { methods_.end(); }

void JavaScannerEmitter::tableHead(Table table, int)
{
    // A table that begins where a method is full begins the next one.
    methods_.beforeTable();
    writePartHead(table);
    rowIndex_ = 0;
}

void JavaScannerEmitter::tableRow(Table table, int first, int second, int third)
{
    if (methods_.rowNeedsBreak()) {
        writePartEnd(table);
        methods_.continuePart();
        writePartHead(table);
        rows_->startPart(rowSyntax(table));
    }
    const std::string values[] = {table == Table::Backup ? std::string(rows_->spell(first != 0))
                                                         : std::to_string(first),
                                  std::to_string(second), std::to_string(third)};
    rows_->row(rowIndex_++, std::span<const std::string>(values, kRowWidths[static_cast<std::size_t>(table)]));
}

void JavaScannerEmitter::tableEnd(Table table)
{
    writePartEnd(table);
    rows_.reset();
    // The holder's last table closes the method.
    if (table != Table::Backup)
        sourceStream().writeCharacter('\n');
}

void JavaScannerEmitter::namePart(NamePart part, std::string_view name, bool open)
{
    toolframe::OutputStream& source = sourceStream();
    if (part == NamePart::Destructor)
        return;
    if (part == NamePart::Declaration) {
        if (!open)
            return;
        toolframe::writeSeparatorHeading(source, name);
        source.writeNarrow("public class ");
        source.writeNarrow(name);
        source.writeNarrow(" extends ");
        source.writeNarrow(toolframe::runtime::javaLexerBaseClass(options().compactTables));
        source.writeNarrow(" {\n");
        return;
    }
    if (!open) {
        source.writeNarrow("\t}\n\n");
        return;
    }
    source.writeNarrow("\tpublic ");
    source.writeNarrow(name);
    source.writeNarrow("() {\n\t\tyytables();\n");
}

std::string_view JavaScannerEmitter::tablesClass() const
{
    return toolframe::runtime::kJavaTablesClasses[options().compactTables ? 1 : 0];
}

void JavaScannerEmitter::writePartHead(Table table)
{
    toolframe::OutputStream& source = sourceStream();
    source.writeNarrow(methods_.bodyIndent());
    source.writeNarrow("final ");
    source.writeNarrow(kElements[static_cast<std::size_t>(table)]);
    source.writeCharacter(' ');
    source.writeNarrow(stemOf(table));
    source.writeNarrow("[] = {");
    if (!rows_)
        rows_.emplace(source, rowSyntax(table));
}

void JavaScannerEmitter::writePartEnd(Table table)
{
    toolframe::OutputStream& source = sourceStream();
    const std::string indent = methods_.bodyIndent();
    source.writeCharacter('\n');
    source.writeNarrow(indent);
    source.writeNarrow("};\n");
    methods_.assignPart(indent, fieldOf(table), stemOf(table));
}

toolframe::RowSyntax JavaScannerEmitter::rowSyntax(Table table) const
{
    // A row of several values is an object of the element class.
    std::string lead("\n");
    lead.append(methods_.bodyIndent()).append("\t");
    std::string open("new ");
    open.append(kElements[static_cast<std::size_t>(table)]).append("(");
    return toolframe::RowSyntax{std::move(lead), std::move(open), ")", ", ", "true", "false", "null"};
}

} // namespace lindle
