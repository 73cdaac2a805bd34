#include "brannock/emit/CppEmitter.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "toolframe/emit/RuntimeNames.h"

namespace brannock {

namespace {

// The members the class declares beyond its constructor and destructor.
// The base class moves values of the grammar's YYSTYPE through the
// attribute functions without knowing the type.
constexpr std::string_view kProtectedMembers =
    "protected:\n"
    "\tvoid yytables();\n"
    "\tvirtual void yyaction(int action);\n"
    "#ifdef YYDEBUG\n"
    "\tvoid YYFAR* yyattribute1(int index) const;\n"
    "\tvoid yyinitdebug(void YYFAR** p, int count) const;\n"
    "#endif\n"
    "\n"
    "\t// attribute functions\n"
    "\tvirtual void yystacktoval(int index);\n"
    "\tvirtual void yyvaltostack(int index);\n"
    "\tvirtual void yylvaltoval();\n"
    "\tvirtual void yyvaltolval();\n"
    "\tvirtual void yylvaltostack(int index);\n"
    "\tvirtual void YYFAR* yynewattribute(int count);\n"
    "\tvirtual void yydeleteattribute(void YYFAR* attribute);\n"
    "\tvirtual void yycopyattribute(void YYFAR* dest, const void YYFAR* src, int count);\n"
    "\n"
    "public:\n";

// The definitions of those members, up to the head of yyaction.
constexpr std::string_view kMemberDefinitions =
    "#ifdef YYDEBUG\n"
    "void YYFAR* YYPARSERNAME::yyattribute1(int index) const\n"
    "{\n"
    "\tYYSTYPE YYFAR* p = &((YYSTYPE YYFAR*)yyattributestackptr)[yytop + index];\n"
    "\treturn p;\n"
    "}\n"
    "#define yyattribute(index) (*(YYSTYPE YYFAR*)yyattribute1(index))\n"
    "#else\n"
    "#define yyattribute(index) (((YYSTYPE YYFAR*)yyattributestackptr)[yytop + (index)])\n"
    "#endif\n"
    "\n"
    "void YYPARSERNAME::yystacktoval(int index)\n"
    "{\n"
    "\tyyassert(index >= 0);\n"
    "\t*(YYSTYPE YYFAR*)yyvalptr = ((YYSTYPE YYFAR*)yyattributestackptr)[index];\n"
    "}\n"
    "\n"
    "void YYPARSERNAME::yyvaltostack(int index)\n"
    "{\n"
    "\tyyassert(index >= 0);\n"
    "\t((YYSTYPE YYFAR*)yyattributestackptr)[index] = *(YYSTYPE YYFAR*)yyvalptr;\n"
    "}\n"
    "\n"
    "void YYPARSERNAME::yylvaltoval()\n"
    "{\n"
    "\t*(YYSTYPE YYFAR*)yyvalptr = *(YYSTYPE YYFAR*)yylvalptr;\n"
    "}\n"
    "\n"
    "void YYPARSERNAME::yyvaltolval()\n"
    "{\n"
    "\t*(YYSTYPE YYFAR*)yylvalptr = *(YYSTYPE YYFAR*)yyvalptr;\n"
    "}\n"
    "\n"
    "void YYPARSERNAME::yylvaltostack(int index)\n"
    "{\n"
    "\tyyassert(index >= 0);\n"
    "\t((YYSTYPE YYFAR*)yyattributestackptr)[index] = *(YYSTYPE YYFAR*)yylvalptr;\n"
    "}\n"
    "\n"
    "void YYFAR* YYPARSERNAME::yynewattribute(int count)\n"
    "{\n"
    "\tyyassert(count >= 0);\n"
    "\treturn new YYFAR YYSTYPE[count];\n"
    "}\n"
    "\n"
    "void YYPARSERNAME::yydeleteattribute(void YYFAR* attribute)\n"
    "{\n"
    "\tdelete[] (YYSTYPE YYFAR*)attribute;\n"
    "}\n"
    "\n"
    "void YYPARSERNAME::yycopyattribute(void YYFAR* dest, const void YYFAR* src, int count)\n"
    "{\n"
    "\tfor (int i = 0; i < count; i++) {\n"
    "\t\t((YYSTYPE YYFAR*)dest)[i] = ((const YYSTYPE YYFAR*)src)[i];\n"
    "\t}\n"
    "}\n"
    "\n"
    "#ifdef YYDEBUG\n"
    "void YYPARSERNAME::yyinitdebug(void YYFAR** p, int count) const\n"
    "{\n"
    "\tyyassert(p != NULL);\n"
    "\tyyassert(count >= 1);\n"
    "\n"
    "\tYYSTYPE YYFAR** p1 = (YYSTYPE YYFAR**)p;\n"
    "\tfor (int i = 0; i < count; i++) {\n"
    "\t\tp1[i] = &((YYSTYPE YYFAR*)yyattributestackptr)[yytop + i - (count - 1)];\n"
    "\t}\n"
    "}\n"
    "#endif\n"
    "\n"
    "void YYPARSERNAME::yyaction(int action)\n"
    "{\n";

} // namespace

CppEmitter::CppEmitter(const EmitterContext& context) : TargetEmitter(context, toolframe::LineDirectiveForm::Cpp)
{
}

void CppEmitter::beginIncludeFile(std::string_view includePath)
{
    writeIncludeFilePrologue("C++ header file", includePath);
}

void CppEmitter::beginSourceFile(bool repeated)
{
    writeSourceFilePrologue(repeated, "C++ source file", "// repeated because of possible precompiled header\n",
                            false);
}

void CppEmitter::beginActionFunction()
{
    writeValueDefaults();
    writeMissingNameNote();
    sourceStream().writeNarrow(kMemberDefinitions);
}

void CppEmitter::beginActionCase(int number, std::optional<int> attributeCount)
{
    writeActionCase(number, attributeCount, "YYSTYPE YYFAR* ", "yyinitdebug((void YYFAR**)");
}

void CppEmitter::resultAttribute() { sourceStream().writeNarrow("(*(YYSTYPE YYFAR*)yyvalptr)"); }

void CppEmitter::endActionFunction() { sourceStream().writeNarrow("}\n"); }

void CppEmitter::beginTables()
{
    sourceStream().writeNarrow("\nvoid YYPARSERNAME::yytables()\n{\n"
                               "\tyyattribute_size = sizeof(YYSTYPE);\n"
                               "\tyysstack_size = YYSTACK_SIZE;\n"
                               "\tyystack_max = YYSTACK_MAX;\n");
}

void CppEmitter::endTables() { sourceStream().writeNarrow("}\n"); }

void CppEmitter::beginDebugTables() { sourceStream().writeNarrow("\n#ifdef YYDEBUG\n"); }

void CppEmitter::endDebugTables() { sourceStream().writeNarrow("#endif\n\n"); }

void CppEmitter::beginSymbolTable()
{
    symbolRows_ = 0;
    beginTable(Table::Symbol);
}

void CppEmitter::symbolRow(int index, std::string_view spelling, std::optional<int> number)
{
    const bool wide = options().unicode;
    symbolRows_ = index + 1;
    row(index, {stringLiteral(spelling, toolframe::LiteralDialect::C, wide),
                number ? std::to_string(*number) : tokenOperand({TokenOperand::Kind::Literal, spelling}, wide)});
}

void CppEmitter::endSymbolTable()
{
    row(symbolRows_, {"NULL", "0"});
    endTable(Table::Symbol);
}

void CppEmitter::beginRuleTable() { beginTable(Table::Rule); }

void CppEmitter::ruleRow(int index, std::string_view ruleText)
{
    row(index, {stringLiteral(ruleText, toolframe::LiteralDialect::C, options().unicode)});
}

void CppEmitter::endRuleTable() { endTable(Table::Rule); }

void CppEmitter::beginReductionTable() { beginTable(Table::Reduction); }

void CppEmitter::reductionRow(int index, int nonterminal, int length, int action)
{
    row(index, {std::to_string(nonterminal), std::to_string(length), std::to_string(action)});
}

void CppEmitter::endReductionTable() { endTable(Table::Reduction); }

void CppEmitter::beginTokenActionTable(int size)
{
    sourceStream().writeFormatted("\tyytokenaction_size = %d;\n\n", size);
    beginTable(Table::TokenAction);
}

void CppEmitter::tokenActionRow(int index, int owner, ActionKind kind, int data)
{
    row(index, {std::to_string(owner), actionKindName(kind), std::to_string(data)});
}

void CppEmitter::endTokenActionTable() { endTable(Table::TokenAction); }

void CppEmitter::beginStateActionTable() { beginTable(Table::StateAction); }

void CppEmitter::stateActionRow(int index, int base, bool hasTokenActions, ActionKind defaultKind,
                                int defaultData)
{
    row(index, {std::to_string(base), hasTokenActions ? "1" : "0", actionKindName(defaultKind),
                std::to_string(defaultData)});
}

void CppEmitter::endStateActionTable() { endTable(Table::StateAction); }

void CppEmitter::beginCompactTokenActionTable() { beginTable(Table::CompactTokenAction); }

void CppEmitter::compactTokenActionRow(int index, std::optional<TokenOperand> token, ActionKind kind, int data)
{
    using namespace toolframe::runtime;
    const bool wide = options().unicode;
    row(index, {token ? tokenOperand(*token, wide) : macro(kTokenAllStem, wide), actionKindName(kind),
                std::to_string(data)});
}

void CppEmitter::endCompactTokenActionTable() { endTable(Table::CompactTokenAction); }

void CppEmitter::beginCompactStateActionTable() { beginTable(Table::CompactStateAction); }

void CppEmitter::compactStateActionRow(int index, int start) { row(index, {std::to_string(start)}); }

void CppEmitter::endCompactStateActionTable() { endTable(Table::CompactStateAction); }

void CppEmitter::beginNonterminalGotoTable(int size)
{
    sourceStream().writeFormatted("\tyynontermgoto_size = %d;\n\n", size);
    beginTable(Table::NonterminalGoto);
}

void CppEmitter::nonterminalGotoRow(int index, int owner, int target)
{
    row(index, {std::to_string(owner), std::to_string(target)});
}

void CppEmitter::endNonterminalGotoTable() { endTable(Table::NonterminalGoto); }

void CppEmitter::beginStateGotoTable() { beginTable(Table::StateGoto); }

void CppEmitter::stateGotoRow(int index, int base, int defaultState)
{
    row(index, {std::to_string(base), std::to_string(defaultState)});
}

void CppEmitter::endStateGotoTable() { endTable(Table::StateGoto); }

void CppEmitter::beginCompactNonterminalGotoTable() { beginTable(Table::CompactNonterminalGoto); }

void CppEmitter::compactNonterminalGotoRow(int index, int nonterminal, int target)
{
    row(index, {std::to_string(nonterminal), std::to_string(target)});
}

void CppEmitter::endCompactNonterminalGotoTable() { endTable(Table::CompactNonterminalGoto); }

void CppEmitter::beginCompactStateGotoTable() { beginTable(Table::CompactStateGoto); }

void CppEmitter::compactStateGotoRow(int index, int start) { row(index, {std::to_string(start)}); }

void CppEmitter::endCompactStateGotoTable() { endTable(Table::CompactStateGoto); }

void CppEmitter::beginStateDestructorTable() { beginTable(Table::StateDestructor); }

void CppEmitter::stateDestructorRow(int index, int destructor) { row(index, {std::to_string(destructor)}); }

void CppEmitter::endStateDestructorTable()
{
    endTable(Table::StateDestructor);
    assignReference(Table::StateDestructor, true);
}

void CppEmitter::noStateDestructorTable() { assignReference(Table::StateDestructor, false); }

void CppEmitter::beginTokenDestructorTable() { beginTable(Table::TokenDestructor); }

void CppEmitter::tokenDestructorRow(int index, int owner, int destructor)
{
    row(index, {std::to_string(owner), std::to_string(destructor)});
}

void CppEmitter::endTokenDestructorTable(int size)
{
    endTable(Table::TokenDestructor);
    assignReference(Table::TokenDestructor, true, size);
}

void CppEmitter::noTokenDestructorTable() { assignReference(Table::TokenDestructor, false, 0); }

void CppEmitter::beginTokenDestructorBaseTable() { beginTable(Table::TokenDestructorBase); }

void CppEmitter::tokenDestructorBaseRow(int index, int base) { row(index, {std::to_string(base)}); }

void CppEmitter::endTokenDestructorBaseTable(int size)
{
    endTable(Table::TokenDestructorBase);
    assignReference(Table::TokenDestructorBase, true, size);
}

void CppEmitter::noTokenDestructorBaseTable() { assignReference(Table::TokenDestructorBase, false, 0); }

void CppEmitter::beginCompactTokenDestructorTable() { beginTable(Table::CompactTokenDestructor); }

void CppEmitter::compactTokenDestructorRow(int index, std::optional<TokenOperand> token, int destructor)
{
    // The closing row's token is one that no token has.
    row(index, {token ? tokenOperand(*token, options().unicode) : "-1", std::to_string(destructor)});
}

void CppEmitter::endCompactTokenDestructorTable()
{
    endTable(Table::CompactTokenDestructor);
    assignReference(Table::CompactTokenDestructor, true);
}

void CppEmitter::noCompactTokenDestructorTable() { assignReference(Table::CompactTokenDestructor, false); }

void CppEmitter::parserName(bool begin, std::string_view name)
{
    if (begin) {
        writeClassHead(name);
        return;
    }
    // The user's first block has added members after the final label.
    toolframe::OutputStream& out = includeOrSourceStream();
    out.writeNarrow("};\n\n");
    writeParserNameMacro(out, name);
}

void CppEmitter::writeClassHead(std::string_view name)
{
    toolframe::OutputStream& out = includeOrSourceStream();
    const std::string_view base = toolframe::runtime::cppParserBaseClass(options().compactTables, options().unicode);
    writeSeparatorHeading(out, name);
    out.writeNarrow("#ifndef YYEXPPARSER\n#define YYEXPPARSER\n#endif\n\nclass YYEXPPARSER YYFAR ");
    out.writeNarrow(name);
    out.writeNarrow(" : public _YL ");
    out.writeNarrow(base);
    out.writeNarrow(" {\npublic:\n\t");
    out.writeNarrow(name);
    out.writeNarrow("();\n\tvirtual ~");
    out.writeNarrow(name);
    out.writeNarrow("();\n\n");
    out.writeNarrow(kProtectedMembers);
}

void CppEmitter::constructorBlock(bool begin, std::string_view)
{
    writeSpecialMember(begin, "constructor", "YYPARSERNAME::YYPARSERNAME()\n{\n\tyytables();\n");
}

void CppEmitter::destructorBlock(bool begin, std::string_view)
{
    writeSpecialMember(begin, "destructor",
                       "YYPARSERNAME::~YYPARSERNAME()\n{\n"
                       "\t// allows virtual functions to be called properly for correct cleanup\n"
                       "\tyydestroy();\n");
}

void CppEmitter::writeSpecialMember(bool begin, std::string_view heading, std::string_view opening)
{
    toolframe::OutputStream& out = sourceStream();
    if (!begin) {
        out.writeNarrow("}\n\n");
        return;
    }
    writeSeparatorHeading(out, heading);
    out.writeNarrow(opening);
}

void CppEmitter::beginTable(Table table)
{
    const std::string_view stem = stemOf(table);
    const std::string rowType = table == Table::Rule
                                    ? std::string(characterType()) + "* const"
                                    : toolframe::runtime::name(std::string(stem) + "_t", options().unicode);
    sourceStream().writeNarrow("\tstatic const " + rowType + " YYNEARFAR YYBASED_CODE " + std::string(stem) +
                               "[] = {");
}

void CppEmitter::row(int index, std::initializer_list<std::string_view> values)
{
    writeRow(sourceStream(), index, "\n\t\t", "{ ", values, " }");
}

void CppEmitter::endTable(Table table)
{
    sourceStream().writeNarrow("\n\t};\n");
    // A destructor table's pointer is assigned by the operation that ends
    // it, with its size.
    if (isDestructorTable(table))
        return;
    const std::string stem(stemOf(table));
    sourceStream().writeNarrow("\t" + std::string(toolframe::runtime::kNamePrefix) + stem + " = " + stem + ";\n");
    closeAssignments(table);
}

void CppEmitter::assignReference(Table table, bool present, std::optional<int> size)
{
    const std::string stem(stemOf(table));
    const std::string member = std::string(toolframe::runtime::kNamePrefix) + stem;
    sourceStream().writeNarrow("\t" + member + "ptr = " + (present ? stem : "NULL") + ";\n");
    if (size)
        sourceStream().writeFormatted("\t%s_size = %d;\n", member.c_str(), *size);
    closeAssignments(table);
}

void CppEmitter::closeAssignments(Table table)
{
    // After these yytables() or its debugging conditional closes.
    static constexpr Table kClosingTables[] = {Table::Rule, Table::TokenDestructorBase,
                                               Table::CompactTokenDestructor};
    if (std::find(std::begin(kClosingTables), std::end(kClosingTables), table) == std::end(kClosingTables))
        sourceStream().writeCharacter('\n');
}

} // namespace brannock
