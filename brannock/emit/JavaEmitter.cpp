#include "brannock/emit/JavaEmitter.h"

#include <iterator>
#include <string>

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

} // namespace

JavaEmitter::JavaEmitter(const EmitterContext& context) : TargetEmitter(context, toolframe::LineDirectiveForm::Java)
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

void JavaEmitter::beginActionSwitch() { sourceStream().writeNarrow("\t\tswitch (action) {\n"); }

void JavaEmitter::beginActionCase(int number, std::optional<int> attributeCount)
{
    toolframe::OutputStream& source = sourceStream();
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

void JavaEmitter::endTables() { sourceStream().writeNarrow("\t\t}\n\t}\n"); }

void JavaEmitter::beginDebugTables() { sourceStream().writeNarrow("\t\t\tif (YYDEBUG) {\n"); }

void JavaEmitter::endDebugTables() { sourceStream().writeNarrow("\t\t\t}\n\n"); }

void JavaEmitter::beginSymbolTable()
{
    symbolRows_ = 0;
    beginTable(Table::Symbol);
}

void JavaEmitter::symbolRow(int index, std::string_view spelling, std::optional<int> number)
{
    symbolRows_ = index + 1;
    row(Table::Symbol, index,
        {stringLiteral(spelling, toolframe::LiteralDialect::Java, false),
         number ? std::to_string(*number) : tokenOperand({TokenOperand::Kind::Literal, spelling}, false)});
}

void JavaEmitter::endSymbolTable()
{
    row(Table::Symbol, symbolRows_, {"null", "0"});
    endTable(Table::Symbol);
}

void JavaEmitter::beginRuleTable() { beginTable(Table::Rule); }

void JavaEmitter::ruleRow(int index, std::string_view ruleText)
{
    row(Table::Rule, index, {stringLiteral(ruleText, toolframe::LiteralDialect::Java, false)});
}

void JavaEmitter::endRuleTable() { endTable(Table::Rule); }

void JavaEmitter::beginReductionTable() { beginTable(Table::Reduction); }

void JavaEmitter::reductionRow(int index, int nonterminal, int length, int action)
{
    row(Table::Reduction, index, {std::to_string(nonterminal), std::to_string(length), std::to_string(action)});
}

void JavaEmitter::endReductionTable() { endTable(Table::Reduction); }

// The array's length is its size.
void JavaEmitter::beginTokenActionTable(int) { beginTable(Table::TokenAction); }

void JavaEmitter::tokenActionRow(int index, int owner, ActionKind kind, int data)
{
    row(Table::TokenAction, index, {std::to_string(owner), actionKindName(kind), std::to_string(data)});
}

void JavaEmitter::endTokenActionTable() { endTable(Table::TokenAction); }

void JavaEmitter::beginStateActionTable() { beginTable(Table::StateAction); }

void JavaEmitter::stateActionRow(int index, int base, bool hasTokenActions, ActionKind defaultKind,
                                 int defaultData)
{
    row(Table::StateAction, index,
        {std::to_string(base), hasTokenActions ? "true" : "false", actionKindName(defaultKind),
         std::to_string(defaultData)});
}

void JavaEmitter::endStateActionTable() { endTable(Table::StateAction); }

void JavaEmitter::beginCompactTokenActionTable() { beginTable(Table::CompactTokenAction); }

void JavaEmitter::compactTokenActionRow(int index, std::optional<TokenOperand> token, ActionKind kind, int data)
{
    using namespace toolframe::runtime;
    row(Table::CompactTokenAction, index,
        {token ? tokenOperand(*token, false) : macro(kTokenAllStem, false), actionKindName(kind),
         std::to_string(data)});
}

void JavaEmitter::endCompactTokenActionTable() { endTable(Table::CompactTokenAction); }

void JavaEmitter::beginCompactStateActionTable() { beginTable(Table::CompactStateAction); }

void JavaEmitter::compactStateActionRow(int index, int start)
{
    row(Table::CompactStateAction, index, {std::to_string(start)});
}

void JavaEmitter::endCompactStateActionTable() { endTable(Table::CompactStateAction); }

// The array's length is its size.
void JavaEmitter::beginNonterminalGotoTable(int) { beginTable(Table::NonterminalGoto); }

void JavaEmitter::nonterminalGotoRow(int index, int owner, int target)
{
    row(Table::NonterminalGoto, index, {std::to_string(owner), std::to_string(target)});
}

void JavaEmitter::endNonterminalGotoTable() { endTable(Table::NonterminalGoto); }

void JavaEmitter::beginStateGotoTable() { beginTable(Table::StateGoto); }

void JavaEmitter::stateGotoRow(int index, int base, int defaultState)
{
    row(Table::StateGoto, index, {std::to_string(base), std::to_string(defaultState)});
}

void JavaEmitter::endStateGotoTable() { endTable(Table::StateGoto); }

void JavaEmitter::beginCompactNonterminalGotoTable() { beginTable(Table::CompactNonterminalGoto); }

void JavaEmitter::compactNonterminalGotoRow(int index, int nonterminal, int target)
{
    row(Table::CompactNonterminalGoto, index, {std::to_string(nonterminal), std::to_string(target)});
}

void JavaEmitter::endCompactNonterminalGotoTable() { endTable(Table::CompactNonterminalGoto); }

void JavaEmitter::beginCompactStateGotoTable() { beginTable(Table::CompactStateGoto); }

void JavaEmitter::compactStateGotoRow(int index, int start)
{
    row(Table::CompactStateGoto, index, {std::to_string(start)});
}

void JavaEmitter::endCompactStateGotoTable() { endTable(Table::CompactStateGoto); }

void JavaEmitter::beginStateDestructorTable() { beginTable(Table::StateDestructor); }

void JavaEmitter::stateDestructorRow(int index, int destructor)
{
    row(Table::StateDestructor, index, {std::to_string(destructor)});
}

void JavaEmitter::endStateDestructorTable() { endTable(Table::StateDestructor); }

void JavaEmitter::noStateDestructorTable() { storeAbsent(Table::StateDestructor); }

void JavaEmitter::beginTokenDestructorTable() { beginTable(Table::TokenDestructor); }

void JavaEmitter::tokenDestructorRow(int index, int owner, int destructor)
{
    row(Table::TokenDestructor, index, {std::to_string(owner), std::to_string(destructor)});
}

// The array's length is its size.
void JavaEmitter::endTokenDestructorTable(int) { endTable(Table::TokenDestructor); }

void JavaEmitter::noTokenDestructorTable() { storeAbsent(Table::TokenDestructor); }

void JavaEmitter::beginTokenDestructorBaseTable() { beginTable(Table::TokenDestructorBase); }

void JavaEmitter::tokenDestructorBaseRow(int index, int base)
{
    row(Table::TokenDestructorBase, index, {std::to_string(base)});
}

// The array's length is its size.
void JavaEmitter::endTokenDestructorBaseTable(int) { endTable(Table::TokenDestructorBase); }

void JavaEmitter::noTokenDestructorBaseTable() { storeAbsent(Table::TokenDestructorBase); }

void JavaEmitter::beginCompactTokenDestructorTable() { beginTable(Table::CompactTokenDestructor); }

void JavaEmitter::compactTokenDestructorRow(int index, std::optional<TokenOperand> token, int destructor)
{
    // The closing row's token is one that no token has.
    row(Table::CompactTokenDestructor, index,
        {token ? tokenOperand(*token, false) : "-1", std::to_string(destructor)});
}

void JavaEmitter::endCompactTokenDestructorTable() { endTable(Table::CompactTokenDestructor); }

void JavaEmitter::noCompactTokenDestructorTable() { storeAbsent(Table::CompactTokenDestructor); }

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

std::string_view JavaEmitter::indentOf(Table table)
{
    // The debugging tables sit inside their conditional.
    return table == Table::Symbol || table == Table::Rule ? "\t\t\t\t" : "\t\t\t";
}

void JavaEmitter::beginTable(Table table)
{
    toolframe::OutputStream& source = sourceStream();
    source.writeNarrow(indentOf(table));
    source.writeNarrow("final ");
    source.writeNarrow(kTables[static_cast<int>(table)].element);
    source.writeCharacter(' ');
    source.writeNarrow(stemOf(table));
    source.writeNarrow("[] = {");
}

void JavaEmitter::row(Table table, int index, std::initializer_list<std::string_view> values)
{
    const std::string lead = "\n" + std::string(indentOf(table)) + "\t";
    const std::string open = "new " + std::string(kTables[static_cast<int>(table)].element) + "(";
    writeRow(sourceStream(), index, lead, open, values, ")");
}

void JavaEmitter::endTable(Table table)
{
    toolframe::OutputStream& source = sourceStream();
    const std::string_view indent = indentOf(table);
    source.writeCharacter('\n');
    source.writeNarrow(indent);
    source.writeNarrow("};\n");
    source.writeNarrow(indent);
    source.writeNarrow("yytables.");
    source.writeNarrow(fieldOf(table));
    source.writeNarrow(" = ");
    source.writeNarrow(stemOf(table));
    // The debugging conditional closes after the rule table.
    source.writeNarrow(table == Table::Rule ? ";\n" : ";\n\n");
}

void JavaEmitter::storeAbsent(Table table)
{
    sourceStream().writeFormatted("\t\t\tyytables.%s = null;\n\n", fieldOf(table).c_str());
}

} // namespace brannock
