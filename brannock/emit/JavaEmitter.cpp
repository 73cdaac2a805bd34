#include "brannock/emit/JavaEmitter.h"

#include <iterator>
#include <string>
#include <utility>

#include "toolframe/emit/RuntimeNames.h"

namespace brannock {

namespace {

// The attribute methods the library calls, and the one the debugging code
// of each action case fills its array with.
constexpr std::string_view kAttributeMethods =
    "\tprotected final YYSTYPE yyattribute(int index) {\n"
    "\t\tYYSTYPE attribute = (YYSTYPE)yyattributestackref[yytop + index];\n"
    "\t\treturn attribute;\n"
    "\t}\n"
    "\n"
    "\tprotected final yyattribute yynewattribute() {\n"
    "\t\treturn new YYSTYPE();\n"
    "\t}\n"
    "\n"
    "\tprotected final YYSTYPE[] yyinitdebug(int count) {\n"
    "\t\tYYSTYPE a[] = new YYSTYPE[count];\n"
    "\t\tfor (int i = 0; i < count; i++) {\n"
    "\t\t\ta[i] = (YYSTYPE)yyattributestackref[yytop + i - (count - 1)];\n"
    "\t\t}\n"
    "\t\treturn a;\n"
    "\t}\n"
    "\n";

// Which table forms hold a table.
enum class Forms { Both, Fast, Compact };

// The Java tables, in table order: the element type of the array, and the
// forms whose holder has the table.
struct JavaTable {
    std::string_view element;
    Forms forms;
};

constexpr JavaTable kTables[] = {
    {"yysymbol", Forms::Both},
    {"String", Forms::Both},
    {"yyreduction", Forms::Both},
    {"yytokenaction", Forms::Fast},
    {"yystateaction", Forms::Fast},
    {"yyctokenaction", Forms::Compact},
    {"short", Forms::Compact},
    {"yynontermgoto", Forms::Fast},
    {"yystategoto", Forms::Fast},
    {"yycnontermgoto", Forms::Compact},
    {"short", Forms::Compact},
    {"short", Forms::Both},
    {"yytokendest", Forms::Fast},
    {"int", Forms::Fast},
    {"yyctokendest", Forms::Compact},
};
static_assert(std::size(kTables) == toolframe::runtime::kParserTableStems.size());

// The action method holds user code, whose size only compiling tells: a
// method of this many cases, or of this many lines, leaves each case (with
// its debugging array) or line about 100 or 20 bytes, more than most
// actions need.
constexpr int kCasesPerMethod = 500;
constexpr int kLinesPerActionMethod = 3000;

} // namespace

JavaEmitter::JavaEmitter(const EmitterContext& context)
    : TargetEmitter(context, toolframe::LineDirectiveForm::Java, {toolframe::LiteralDialect::Java, false}),
      methods_(sourceStream())
{
}

void JavaEmitter::beginSourceFile(bool repeated)
{
    toolframe::OutputStream& source = sourceStream();
    if (!repeated) {
        writeBanner(source, "Java source file");
        return;
    }
    source.writeNarrow(toolframe::runtime::kJavaImport);
    source.writeNarrow("\n\n");
}

void JavaEmitter::unionBlock(bool begin)
{
    toolframe::OutputStream& source = sourceStream();
    if (!begin) {
        source.writeNarrow("\t}\n\n");
        return;
    }
    source.writeNarrow("\tpublic class YYSTYPE extends ");
    source.writeNarrow(toolframe::runtime::kJavaAttributeClass);
    source.writeNarrow(" {\n");
}

void JavaEmitter::tokenConstant(std::string_view name, unsigned number)
{
    sourceStream().writeFormatted("\tpublic static final int %s = %u;\n", constantName(name).c_str(), number);
}

void JavaEmitter::beginActionFunction()
{
    toolframe::OutputStream& source = sourceStream();
    source.writeNarrow(kAttributeMethods);
    source.writeNarrow("\tprotected static ");
    source.writeNarrow(ofTableForm(toolframe::runtime::kJavaTablesClasses));
    source.writeNarrow(" yytables = null;\n\n\tpublic final void yyaction(int action) {\n");
}

void JavaEmitter::beginActionSwitch()
{
    actionMethod_ = 0;
    actionCases_ = 0;
    actionMethodLine_ = sourceStream().line();
    sourceStream().writeNarrow("\t\tswitch (action) {\n");
}

void JavaEmitter::beginActionCase(int number, std::optional<int> attributeCount)
{
    toolframe::OutputStream& source = sourceStream();
    // The cases beyond a method's budget go on in a method that the
    // default case calls.
    if (actionCases_ >= kCasesPerMethod || source.line() - actionMethodLine_ >= kLinesPerActionMethod) {
        ++actionMethod_;
        source.writeFormatted("\t\tdefault:\n\t\t\tyyaction%d(action);\n\t\t\tbreak;\n\t\t}\n\t}\n\n"
                              "\tprivate void yyaction%d(int action) {\n\t\tswitch (action) {\n",
                              actionMethod_, actionMethod_);
        actionCases_ = 0;
        actionMethodLine_ = source.line();
    }
    ++actionCases_;
    source.writeFormatted("\t\tcase %d:\n\t\t\t{\n", number);
    if (attributeCount) {
        source.writeFormatted("\t\t\t\tYYSTYPE yya[];\n\t\t\t\tif (YYDEBUG) {\n\t\t\t\t\tyya = yyinitdebug(%d);\n"
                              "\t\t\t\t}\n",
                              *attributeCount);
    }
}

void JavaEmitter::resultAttribute() { sourceStream().writeNarrow("((YYSTYPE)yyvalref)"); }

void JavaEmitter::endActionCase(bool) { sourceStream().writeNarrow("\t\t\t}\n\t\t\tbreak;\n"); }

void JavaEmitter::endActionSwitch() { sourceStream().writeNarrow("\t\tdefault:\n\t\t\tbreak;\n\t\t}\n"); }

void JavaEmitter::endActionFunction() { sourceStream().writeNarrow("\t}\n"); }

void JavaEmitter::endSourceFile(bool programSectionPresent)
{
    // The program section is expected to close the class.
    if (!programSectionPresent)
        sourceStream().writeNarrow("}\n");
}

void JavaEmitter::beginTables()
{
    methods_.restart();
    toolframe::OutputStream& source = sourceStream();
    source.writeNarrow("\n\tprotected final void yytables() {\n"
                       "\t\tyysstack_size = 100;\n"
                       "\t\tyystack_max = 0;\n\n"
                       "\t\tyycreatetables();\n");
    // Each instance takes the references of the tables its form has.
    const Forms form = options().compactTables ? Forms::Compact : Forms::Fast;
    for (int t = 0; t < static_cast<int>(std::size(kTables)); ++t) {
        if (kTables[t].forms != Forms::Both && kTables[t].forms != form)
            continue;
        const std::string field = fieldOf(static_cast<Table>(t));
        source.writeFormatted("\t\t%s = yytables.%s;\n", field.c_str(), field.c_str());
    }
    source.writeNarrow("\t}\n\n"
                       "\tpublic static synchronized final void yycreatetables() {\n"
                       "\t\tif (yytables == null) {\n"
                       "\t\t\tyytables = new ");
    source.writeNarrow(ofTableForm(toolframe::runtime::kJavaTablesClasses));
    source.writeNarrow("();\n\n");
}

void JavaEmitter::endTables()
{
    methods_.end();
}

void JavaEmitter::beginDebugTables()
{
    inDebugTables_ = true;
    sourceStream().writeNarrow(methods_.bodyIndent());
    sourceStream().writeNarrow("if (YYDEBUG) {\n");
}

void JavaEmitter::endDebugTables()
{
    inDebugTables_ = false;
    sourceStream().writeNarrow(methods_.bodyIndent());
    sourceStream().writeNarrow("}\n\n");
}

void JavaEmitter::parserName(bool begin, std::string_view name)
{
    if (!begin)
        return;
    toolframe::OutputStream& source = sourceStream();
    writeSeparatorHeading(source, name);
    source.writeNarrow("public class ");
    source.writeNarrow(name);
    source.writeNarrow(" extends ");
    source.writeNarrow(ofTableForm(toolframe::runtime::kJavaParserBaseClasses));
    source.writeNarrow(" {\n");
}

void JavaEmitter::constructorBlock(bool begin, std::string_view name)
{
    toolframe::OutputStream& source = sourceStream();
    if (!begin) {
        source.writeNarrow("\t}\n\n");
        return;
    }
    source.writeNarrow("\tpublic ");
    source.writeNarrow(name);
    source.writeNarrow("() {\n\t\tyytables();\n");
}

std::string_view JavaEmitter::ofTableForm(const std::array<std::string_view, 2>& classes) const
{
    return classes[options().compactTables ? 1 : 0];
}

std::string JavaEmitter::fieldOf(Table table)
{
    return std::string(toolframe::runtime::kNamePrefix) + std::string(stemOf(table)) +
           (isDestructorTable(table) ? "ref" : "");
}

std::string JavaEmitter::indentOf(Table table) const
{
    // The debugging tables sit inside their conditional.
    return methods_.bodyIndent() + (table == Table::Symbol || table == Table::Rule ? "\t" : "");
}

void JavaEmitter::writeTableHead(Table table, std::optional<int>)
{
    // A table that begins where a method is full begins the next one.
    methods_.beforeTable(enclosing());
    writePartHead(table);
}

void JavaEmitter::writePartHead(Table table)
{
    toolframe::OutputStream& source = sourceStream();
    source.writeNarrow(indentOf(table));
    source.writeNarrow("final ");
    source.writeNarrow(kTables[static_cast<int>(table)].element);
    source.writeCharacter(' ');
    source.writeNarrow(stemOf(table));
    source.writeNarrow("[] = {");
}

toolframe::RowSyntax JavaEmitter::rowSyntax(Table table) const
{
    // A row of several values is an object of the element class.
    std::string lead("\n");
    lead.append(indentOf(table)).append("\t");
    std::string open("new ");
    open.append(kTables[static_cast<int>(table)].element).append("(");
    return toolframe::RowSyntax{std::move(lead), std::move(open), ")", ", ", "true", "false", "null"};
}

void JavaEmitter::writeTableEnd(Table table, std::optional<int>)
{
    writePartEnd(table);
    // The debugging conditional closes after the rule table.
    if (table != Table::Rule)
        sourceStream().writeCharacter('\n');
}

void JavaEmitter::writePartEnd(Table table)
{
    toolframe::OutputStream& source = sourceStream();
    const std::string indent = indentOf(table);
    source.writeCharacter('\n');
    source.writeNarrow(indent);
    source.writeNarrow("};\n");
    methods_.assignPart(indent, fieldOf(table), stemOf(table));
}

bool JavaEmitter::writeTableBreak(Table table)
{
    if (!methods_.rowNeedsBreak())
        return false;
    writePartEnd(table);
    methods_.continuePart(enclosing());
    writePartHead(table);
    return true;
}

std::string_view JavaEmitter::enclosing() const { return inDebugTables_ ? "if (YYDEBUG) {" : ""; }

void JavaEmitter::absentTable(Table table, std::optional<int>)
{
    sourceStream().writeFormatted("%syytables.%s = null;\n\n", indentOf(table).c_str(), fieldOf(table).c_str());
}

} // namespace brannock
