#include "brannock/emit/CppEmitter.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "toolframe/emit/CppClassHead.h"
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
    "\t\t((YYSTYPE YYFAR*)dest)[i] = ((YYSTYPE const YYFAR*)src)[i];\n"
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

CppEmitter::CppEmitter(const EmitterContext& context)
    : TargetEmitter(context, toolframe::LineDirectiveForm::Cpp, {toolframe::LiteralDialect::C, context.options.unicode})
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
    toolframe::writeCppClassHead(out, "YYEXPPARSER", name,
                                 toolframe::runtime::cppParserBaseClass(options().compactTables, options().unicode));
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

std::string CppEmitter::memberOf(Table table)
{
    return std::string(toolframe::runtime::kNamePrefix) + std::string(stemOf(table));
}

void CppEmitter::writeTableHead(Table table, std::optional<int> size)
{
    toolframe::OutputStream& source = sourceStream();
    if (size)
        source.writeFormatted("\t%s_size = %d;\n\n", memberOf(table).c_str(), *size);
    const std::string stem(stemOf(table));
    const std::string rowType = table == Table::Rule ? std::string(characterType()) + "* const"
                                                     : toolframe::runtime::name(stem + "_t", options().unicode);
    source.writeNarrow("\tstatic const " + rowType + " YYNEARFAR YYBASED_CODE " + stem + "[] = {");
}

toolframe::RowSyntax CppEmitter::rowSyntax(Table) const { return cFamilyRowSyntax("\n\t\t"); }

void CppEmitter::writeTableEnd(Table table, std::optional<int> size)
{
    toolframe::OutputStream& source = sourceStream();
    source.writeNarrow("\n\t};\n");
    if (isDestructorTable(table)) {
        assignReference(table, true, size);
        return;
    }
    source.writeFormatted("\t%s = %s;\n", memberOf(table).c_str(), std::string(stemOf(table)).c_str());
    closeAssignments(table);
}

void CppEmitter::absentTable(Table table, std::optional<int> size) { assignReference(table, false, size); }

void CppEmitter::assignReference(Table table, bool present, std::optional<int> size)
{
    toolframe::OutputStream& source = sourceStream();
    const std::string member = memberOf(table);
    source.writeFormatted("\t%sptr = %s;\n", member.c_str(), present ? std::string(stemOf(table)).c_str() : "NULL");
    if (size)
        source.writeFormatted("\t%s_size = %d;\n", member.c_str(), *size);
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
