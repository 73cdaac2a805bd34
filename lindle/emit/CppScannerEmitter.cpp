#include "lindle/emit/CppScannerEmitter.h"

#include <cstddef>
#include <string>

#include "toolframe/emit/CppClassHead.h"
#include "toolframe/emit/MacroDefaults.h"
#include "toolframe/emit/RuntimeNames.h"
#include "toolframe/output/BannerBox.h"

namespace lindle {

namespace {

// A lex program may define input, output and unput as macros of its own:
// the class then reads and writes through them; otherwise the names reach
// the class's hooks.
constexpr std::string_view kCompatibilityMembers = "#ifdef input\n"
                                                   "\tvirtual int yyinput();\n"
                                                   "#endif\n"
                                                   "#ifdef output\n"
                                                   "\tvirtual void yyoutput(int ch);\n"
                                                   "#endif\n"
                                                   "#ifdef unput\n"
                                                   "\tvirtual void yyunput(int ch);\n"
                                                   "#endif\n"
                                                   "\tvirtual int yylibraryhooks() const;\n"
                                                   "\n";

constexpr std::string_view kCompatibilityDefinitions = "// input, output and unput\n"
                                                       "#ifdef input\n"
                                                       "int YYLEXERNAME::yyinput()\n{\n\treturn input();\n}\n"
                                                       "#else\n"
                                                       "#define input() yyinput()\n"
                                                       "#endif\n"
                                                       "#ifdef output\n"
                                                       "void YYLEXERNAME::yyoutput(int ch)\n{\n\toutput(ch);\n}\n"
                                                       "#else\n"
                                                       "#define output(ch) yyoutput(ch)\n"
                                                       "#endif\n"
                                                       "#ifdef unput\n"
                                                       "void YYLEXERNAME::yyunput(int ch)\n{\n\tunput(ch);\n}\n"
                                                       "#else\n"
                                                       "#define unput(ch) yyunput(ch)\n"
                                                       "#endif\n"
                                                       "\n";

// The scan reads around the input hooks only where the class keeps the
// library's: only the class itself can tell.
constexpr std::string_view kLibraryHooks = "// whether the class keeps the library's input hooks\n"
                                           "int YYLEXERNAME::yylibraryhooks() const\n"
                                           "{\n"
                                           "\treturn yyinherited(&YYLEXERNAME::yygetchar) && "
                                           "yyinherited(&YYLEXERNAME::yyinput)\n"
                                           "\t\t&& yyinherited(&YYLEXERNAME::yyunput);\n"
                                           "}\n"
                                           "\n";

// A scanner that serves a parser fills the parser's value of the token,
// under the yacc name, once the parser's YYSTYPE is known.
constexpr std::string_view kTokenValue = "// the value of the token for the parser\n"
                                         "#if defined(YYSTYPE) && !defined(yylval)\n"
                                         "#define yylval (*(YYSTYPE YYFAR*)yylvalue())\n"
                                         "#endif\n"
                                         "\n";

// Each table's assignment to its member after the array; the last one
// closes yytables() and takes no empty line.
constexpr std::string_view kAssignments[] = {
    "\tyymatch = match;\n\n",
    "\tyybackup = backup;\n",
    "\tyystate = state;\n\n",
    "\tyytransition = transition;\n\n",
    "\tyyctransition = ctransition;\n\n",
};

std::string_view stemOf(ScannerEmitter::Table table)
{
    return toolframe::runtime::kLexerTableStems[static_cast<std::size_t>(table)];
}

} // namespace

void CppScannerEmitter::beginSource(bool repeat)
{
    toolframe::writeSourcePrologue(sourceStream(), prologue("C++ source file", sourceStream()), repeat,
                                   "// repeated because of possible precompiled header\n", false);
}

void CppScannerEmitter::beginActionFunction()
{
    writeInitialCondition();
    writeSizeDefaults();
    writeMissingNameNote();
    toolframe::OutputStream& source = sourceStream();
    source.writeNarrow(kCompatibilityDefinitions);
    source.writeNarrow(kLibraryHooks);
    source.writeNarrow(kTokenValue);
    writeWarningsOff({"-Wimplicit-fallthrough", "-Wunused-parameter"});
    source.writeNarrow(actionType());
    source.writeNarrow(" YYLEXERNAME::yyaction(int action)\n{\n");
}

void CppScannerEmitter::openActionSwitch()
{
    sourceStream().writeNarrow("\tyyreturnflg = yytrue;\n\tswitch (action) {\n");
}

void CppScannerEmitter::closeActionFunction()
{
    sourceStream().writeNarrow("\tyyreturnflg = yyfalse;\n\treturn 0;\n}\n");
    writeWarningsOn();
    sourceStream().writeNarrow("\n");
}

void CppScannerEmitter::beginTables()
{
    sourceStream().writeNarrow("\nvoid YYLEXERNAME::yytables()\n{\n"
                               "\tyystext_size = YYTEXT_SIZE;\n"
                               "\tyysunput_size = YYUNPUT_SIZE;\n"
                               "\tyytext_max = YYTEXT_MAX;\n"
                               "\tyyunput_max = YYUNPUT_MAX;\n\n");
}

void CppScannerEmitter::endTables() { sourceStream().writeNarrow("}\n"); }

void CppScannerEmitter::tableHead(Table table, int maximum)
{
    toolframe::OutputStream& source = sourceStream();
    if (table == Table::Transition)
        source.writeFormatted("\tyytransitionmax = %d;\n", maximum);
    const std::string stem(stemOf(table));
    source.writeNarrow("\tstatic const " + toolframe::runtime::name(stem + "_t", options().unicode) +
                       " YYNEARFAR YYBASED_CODE " + stem + "[] = {");
    startRows("\n\t\t");
}

void CppScannerEmitter::tableEnd(Table table)
{
    endRows();
    sourceStream().writeNarrow("\n\t};\n");
    sourceStream().writeNarrow(kAssignments[static_cast<std::size_t>(table)]);
}

void CppScannerEmitter::namePart(NamePart part, std::string_view name, bool open)
{
    if (part == NamePart::Declaration) {
        toolframe::OutputStream& out = declarationStream();
        if (open) {
            writeClassHead(name);
            return;
        }
        // The user's first block has added members after the final label.
        out.writeNarrow("};\n\n");
        out.writeNarrow(toolframe::nameMacro("YYLEXERNAME", name));
        return;
    }
    toolframe::OutputStream& source = sourceStream();
    if (!open) {
        source.writeNarrow("}\n\n");
        return;
    }
    const bool constructor = part == NamePart::Constructor;
    toolframe::writeSeparatorHeading(source, constructor ? "constructor" : "destructor");
    source.writeNarrow(constructor ? "YYLEXERNAME::YYLEXERNAME()\n{\n\tyytables();\n"
                                   : "YYLEXERNAME::~YYLEXERNAME()\n{\n");
}

void CppScannerEmitter::writeClassHead(std::string_view name)
{
    toolframe::OutputStream& out = declarationStream();
    toolframe::writeCppClassHead(out, "YYEXPLEXER", name,
                                 toolframe::runtime::cppLexerBaseClass(options().compactTables, options().unicode));
    out.writeNarrow(kCompatibilityMembers);
    out.writeNarrow("protected:\n\tvoid yytables();\n\tvirtual ");
    out.writeNarrow(options().unicode ? "_YL yywint_t" : "int");
    out.writeNarrow(" yyaction(int action);\n\npublic:\n");
}

std::string_view CppScannerEmitter::actionType() const { return options().unicode ? "yywint_t" : "int"; }

} // namespace lindle
