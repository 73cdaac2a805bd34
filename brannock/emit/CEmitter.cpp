#include "brannock/emit/CEmitter.h"

#include <iterator>
#include <string>

#include <vector>

#include "toolframe/emit/CDefinitions.h"
#include "toolframe/emit/ObjectInitialiser.h"
#include "toolframe/emit/RuntimeNames.h"
#include "toolframe/emit/WarningBracket.h"
#include "toolframe/emit/TemplateText.h"

namespace brannock {

namespace {

// Templates of generated text name things through placeholders, so that one
// text serves every model and width: @ is the name prefix (yy, or yyw in
// Unicode) and ^ the macro prefix (YY or YYW); $s and $t stand for where the
// model keeps the attribute stack and its top, and $a for the argument that
// passes the parser to the attribute functions, where the model needs one.

// The stacks that the single and the multiple model provide; a stack size
// of 0 leaves them to the library.
constexpr std::string_view kStaticStacks =
    "/* stacks */\n"
    "#if (YYSTACK_SIZE) != 0\n"
    "static @stack_t YYNEAR @stack[(YYSTACK_SIZE)];\n"
    "static YYSTYPE YYNEAR @attributestack[(YYSTACK_SIZE)];\n"
    "#define ^STACKINIT @stack\n"
    "#define ^ATTRIBUTESTACKINIT @attributestack\n"
    "#else\n"
    "#define ^STACKINIT NULL\n"
    "#define ^ATTRIBUTESTACKINIT NULL\n"
    "#endif\n";

// The single model's variables, which the library reads.
constexpr std::string_view kLibraryVariables =
    "@stack_t YYFAR *YYNEAR YYDCDECL @sstackptr = ^STACKINIT;\n"
    "@stack_t YYFAR *YYNEAR YYDCDECL @stackptr = ^STACKINIT;\n"
    "#ifdef YYPROTOTYPE\n"
    "void YYFAR *YYNEAR YYDCDECL @sattributestackptr = ^ATTRIBUTESTACKINIT;\n"
    "void YYFAR *YYNEAR YYDCDECL @attributestackptr = ^ATTRIBUTESTACKINIT;\n"
    "#else\n"
    "char YYFAR *YYNEAR YYDCDECL @sattributestackptr = (char YYFAR *) ^ATTRIBUTESTACKINIT;\n"
    "char YYFAR *YYNEAR YYDCDECL @attributestackptr = (char YYFAR *) ^ATTRIBUTESTACKINIT;\n"
    "#endif\n"
    "int YYNEAR YYDCDECL @sstack_size = (YYSTACK_SIZE);\n"
    "int YYNEAR YYDCDECL @stack_size = (YYSTACK_SIZE);\n"
    "int YYNEAR YYDCDECL @stack_max = (YYSTACK_MAX);\n"
    "\n"
    "/* attributes */\n"
    "YYSTYPE YYNEAR @val;\n"
    "YYSTYPE YYNEAR @lval;\n"
    "#ifdef YYPROTOTYPE\n"
    "void YYFAR *YYNEAR YYDCDECL @valptr = &@val;\n"
    "void YYFAR *YYNEAR YYDCDECL @lvalptr = &@lval;\n"
    "#else\n"
    "char YYFAR *YYNEAR YYDCDECL @valptr = (char YYFAR *) &@val;\n"
    "char YYFAR *YYNEAR YYDCDECL @lvalptr = (char YYFAR *) &@lval;\n"
    "#endif\n"
    "size_t YYNEAR YYDCDECL @attribute_size = sizeof(YYSTYPE);\n"
    "\n";

// The multiple model's attributes, which its parser object points at.
constexpr std::string_view kStaticAttributes =
    "\n"
    "/* attributes */\n"
    "static YYSTYPE YYNEAR @val;\n"
    "static YYSTYPE YYNEAR @lval;\n"
    "\n";

// The hooks of the parser object, which the user may set beforehand.
constexpr MacroDefault kHookDefaults[] = {
    {"YYMPARSERERR", "stderr", "#ifndef YYNINITSTREAM", "NULL"},
    {"YYMPARSERDEBUGOUT", "stdout", "#ifndef YYNINITSTREAM", "NULL"},
    {"YYMPARSERERROR", "YYMERROR", "#ifdef YYMERROR", "@mparsererror"},
    {"YYMGETTOKEN", "@mgettoken"},
    {"YYMDISCARD", "@mdiscard"},
    {"YYMSYNTAXERROR", "@msyntaxerror"},
    {"YYMSTACKOVERFLOW", "@mstackoverflow"},
    {"YYMLEXERPTR", "NULL"},
    {"YYMPARSERDATA", "NULL"},
};

// What sets the models apart, indexed by the model.
struct ModelForms {
    std::string_view stacks;
    std::string_view variables;
    std::string_view attributeStack;
    std::string_view top;
    std::string_view result;
    // The type of the parser object, empty in the single model.
    std::string_view objectType;
    // The multiple instance model: the attribute functions take the parser.
    bool attributesTakeParser;
};

constexpr ModelForms kModelForms[] = {
    {kStaticStacks, kLibraryVariables, "@attributestackptr", "@top", "@val", "", false},
    {kStaticStacks, kStaticAttributes, "(YYPARSERNAME).yymattributestackptr", "(YYPARSERNAME).yymtop", "@val",
     "YYMEXPPARSER(_YL @mparser_t) YYNEAR ", false},
    // Each instance brings its own storage.
    {"", "", "yy->yymattributestackptr", "yy->yymtop", "(*(YYSTYPE YYFAR *) yy->yymvalptr)",
     "YYMEXPPARSER(YYCONST _YL @mparser_t) YYNEAR ", true},
};

// The members of the parser object; the multiple instance model leaves the
// storage members to each instance.
using Initialiser = toolframe::MemberValue;

constexpr Initialiser kStateInitialisers[] = {
    {"yymlookahead", "YYFALSE"},
    {"yymstackgrow", "YYTRUE"},
    {"yymexitflg", "YYFALSE"},
    {"yymretireflg", "YYFALSE"},
    {"yymerrorflg", "YYFALSE"},
    {"yympopflg", "YYFALSE"},
    {"yymwipeflg", "YYTRUE"},
    {"yymtop", "-1"},
    {"yymchar", "-1"},
    {"yymskip", "0"},
    {"yymerrorcount", "0"},
    {"yymexitcode", "0"},
    {"yymretirecode", "0"},
    {"yymerrorpop", "0"},
    {"yymerr", "YYMPARSERERR"},
    {"yymstackptr", "^STACKINIT", true},
    {"yymsstackptr", "^STACKINIT", true},
    {"yymstack_size", "YYSTACK_SIZE"},
    {"yymsstack_size", "YYSTACK_SIZE"},
    {"yymstack_max", "YYSTACK_MAX"},
    {"yymattribute_size", "sizeof(YYSTYPE)"},
    {"yymvalptr", "&@val", true},
    {"yymlvalptr", "&@lval", true},
    {"yymattributestackptr", "^ATTRIBUTESTACKINIT", true},
    {"yymsattributestackptr", "^ATTRIBUTESTACKINIT", true},
    {"yymgettoken", "YYMGETTOKEN"},
    {"yymdiscard", "YYMDISCARD"},
    {"yymsyntaxerror", "YYMSYNTAXERROR"},
    {"yymstackoverflow", "YYMSTACKOVERFLOW"},
    {"yymerror", "YYMPARSERERROR"},
    {"yymaction", "@parseraction"},
};

// The members of both table forms: the source holds one form's tables only.
using TableInitialiser = toolframe::TableMemberValue;

constexpr TableInitialiser kTableInitialisers[] = {
    {"yymstateaction", "@stateaction", "NULL"},
    {"yymtokenaction", "@tokenaction", "NULL"},
    {"yymtokenaction_size", "^TOKENACTION_SIZE", "0"},
    {"yymstategoto", "@stategoto", "NULL"},
    {"yymnontermgoto", "@nontermgoto", "NULL"},
    {"yymnontermgoto_size", "^NONTERMGOTO_SIZE", "0"},
    {"yymtokendestptr", "^TOKENDESTPTR", "NULL"},
    {"yymtokendest_size", "^TOKENDEST_SIZE", "0"},
    {"yymtokendestbaseptr", "^TOKENDESTBASEPTR", "NULL"},
    {"yymtokendestbase_size", "^TOKENDESTBASE_SIZE", "0"},
    {"yymcstateaction", "NULL", "@cstateaction"},
    {"yymctokenaction", "NULL", "@ctokenaction"},
    {"yymcstategoto", "NULL", "@cstategoto"},
    {"yymcnontermgoto", "NULL", "@cnontermgoto"},
    {"yymctokendestptr", "NULL", "^CTOKENDESTPTR"},
};

constexpr Initialiser kLinkInitialisers[] = {
    {"yymreduction", "@reduction"},
    {"yymdestructorptr", "^DESTRUCTORPTR"},
    {"yymlexerptr", "YYMLEXERPTR"},
    {"yymdata", "YYMPARSERDATA"},
};

constexpr Initialiser kDebugInitialisers[] = {
    {"yymdebug", "YYFALSE"},
    {"yymdebugstack", "YYFALSE"},
    {"yymdebugflush", "YYFALSE"},
    {"yymdebugout", "YYMPARSERDEBUGOUT"},
    {"yymsymbol", "@symbol"},
    {"yymrule", "@rule"},
};

// The C tables that the multiple models declare with their own (yym) row
// type, in table order; the tables of plain numbers and the rule table of
// strings keep the common one.
constexpr bool kMultipleRowTypes[] = {
    true,  // symbol
    false, // rule
    true,  // reduction
    true,  // tokenaction
    true,  // stateaction
    true,  // ctokenaction
    false, // cstateaction
    true,  // nontermgoto
    true,  // stategoto
    true,  // cnontermgoto
    false, // cstategoto
    false, // destructor
    true,  // tokendest
    false, // tokendestbase
    true,  // ctokendest
};
static_assert(std::size(kMultipleRowTypes) == toolframe::runtime::kParserTableStems.size());

const ModelForms& formsOf(toolframe::CodeModel model) { return kModelForms[static_cast<int>(model)]; }

// What $s, $t and $a stand for.
std::string_view modelPlaceholder(const ModelForms& forms, char name)
{
    switch (name) {
    case 's':
        return forms.attributeStack;
    case 't':
        return forms.top;
    default:
        return forms.attributesTakeParser ? "yy, " : "";
    }
}

} // namespace

CEmitter::CEmitter(const EmitterContext& context)
    : TargetEmitter(context, toolframe::LineDirectiveForm::C, {toolframe::LiteralDialect::C, context.options.unicode})
{
}

void CEmitter::beginIncludeFile(std::string_view includePath)
{
    writeIncludeFilePrologue("C header file", includePath);
}

void CEmitter::beginSourceFile(bool repeated)
{
    writeSourceFilePrologue(repeated, "C source file", "/* repeated because of possible precompiled header */\n",
                            true);
    const std::string_view tables = options().compactTables ? toolframe::runtime::kCompactParserMacro
                                                            : toolframe::runtime::kFastParserMacro;
    sourceStream().writeFormatted("#define %.*s\n\n", static_cast<int>(tables.size()), tables.data());
}

void CEmitter::unionBlock(bool begin)
{
    TargetEmitter::unionBlock(begin);
    // The single model's lexer sees the token value through the header.
    if (!begin && !hasParserObject() && includeStream().isOpen())
        includeStream().writeNarrow(expand("extern YYSTYPE YYNEAR @lval;\n\n"));
}

void CEmitter::beginActionFunction()
{
    const ModelForms& forms = formsOf(options().model);
    writeValueDefaults();
    write(forms.stacks);
    write(forms.variables);
    if (hasParserObject()) {
        write("/* parser object defaults */\n");
        write(toolframe::macroDefaults(kHookDefaults));
        write("\n");
    }
    writeAttributeAccess();
    writeFunctionHead(hasParserObject() ? "static void YYCDECL @parseraction" : "void YYCDECL @parseraction",
                      {"int action"}, hasParserObject());
}

void CEmitter::beginActionCase(int number, std::optional<int> attributeCount)
{
    writeActionCase(number, attributeCount, "YYSTYPE YYFAR *", expand("@initdebug($a"));
}

void CEmitter::resultAttribute() { write(formsOf(options().model).result); }

void CEmitter::positionalAttribute(int n, int length)
{
    write("@attribute($a");
    sourceStream().writeFormatted("%d - %d)", n, length);
}

void CEmitter::endActionFunction() { write(hasParserObject() ? "}\n\n" : "}\n"); }

void CEmitter::endSourceFile(bool)
{
    if (hasParserObject())
        writeParserObject();
}

void CEmitter::beginDebugTables() { write("#ifdef YYDEBUG\n"); }

void CEmitter::endDebugTables() { write("#endif\n\n"); }

void CEmitter::parserName(bool begin, std::string_view name)
{
    if (!begin || !hasParserObject())
        return;
    toolframe::OutputStream& out = includeOrSourceStream();
    out.writeNarrow("#ifndef YYMEXPPARSER\n#define YYMEXPPARSER(x) x\n#endif\n\n"
                    "#ifdef __cplusplus\nextern \"C\" {\n#endif\nextern ");
    out.writeNarrow(expand(formsOf(options().model).objectType));
    out.writeNarrow(name);
    out.writeNarrow(";\n#ifdef __cplusplus\n};\n#endif\n\n");
    writeParserNameMacro(out, name);
}

bool CEmitter::hasParserObject() const { return !formsOf(options().model).objectType.empty(); }

std::string CEmitter::expand(std::string_view text) const
{
    return toolframe::expandTemplate(text, options().unicode, [this](char name) {
        return expand(modelPlaceholder(formsOf(options().model), name));
    });
}

void CEmitter::write(std::string_view text) { sourceStream().writeNarrow(expand(text)); }

void CEmitter::writeFunctionHead(std::string_view head, std::initializer_list<std::string_view> parameters,
                                 bool takesParser)
{
    std::vector<std::string> all;
    if (takesParser)
        all.emplace_back("@mparser_t YYFAR *yy");
    all.insert(all.end(), parameters.begin(), parameters.end());
    write(toolframe::cFunctionHead(head, all));
}

void CEmitter::writeAttributeAccess()
{
    const bool takesParser = formsOf(options().model).attributesTakeParser;
    write("/* attribute access */\n#ifdef YYDEBUG\n");
    // Only actions that use $n call these.
    write(toolframe::warningsOff({"-Wunused-function"}));
    writeFunctionHead("static YYSTYPE YYFAR *@attribute1", {"int index"}, takesParser);
    write("\tYYSTYPE YYFAR *p = &((YYSTYPE YYFAR *) $s)[$t + index];\n"
          "\treturn p;\n"
          "}\n"
          "#define @attribute($aindex) (*@attribute1($aindex))\n"
          "\n");
    writeFunctionHead("static void @initdebug", {"YYSTYPE YYFAR **p", "int count"}, takesParser);
    write("\tint i;\n"
          "\tyyassert(p != NULL);\n"
          "\tyyassert(count >= 1);\n"
          "\n"
          "\tfor (i = 0; i < count; i++) {\n"
          "\t\tp[i] = &((YYSTYPE YYFAR *) $s)[$t + i - (count - 1)];\n"
          "\t}\n"
          "}\n");
    write(toolframe::warningsOn());
    write("#else\n"
          "#define @attribute($aindex) (((YYSTYPE YYFAR *) $s)[$t + (index)])\n"
          "#endif\n"
          "\n");
}

void CEmitter::writeParserObject()
{
    const ModelForms& forms = formsOf(options().model);
    writeMissingNameNote();
    write(std::string(forms.objectType) + "YYPARSERNAME = {\n");
    // Without file-scope storage every instance points at its own.
    sourceStream().writeNarrow(toolframe::objectInitialiser(
        {kStateInitialisers, kTableInitialisers, kLinkInitialisers, kDebugInitialisers}, "YYCOMPACTPARSER",
        forms.stacks.empty(), [this](std::string_view value) { return expand(value); }));
}

void CEmitter::writeTableHead(Table table, std::optional<int> size)
{
    if (size)
        write(sizeDeclaration(table, *size));
    const std::string_view stem = stemOf(table);
    // The library reads the single model's tables by name, except the
    // destructor tables, which it reaches through their pointers as the
    // multiple models' parser object reaches every table.
    const bool local = isDestructorTable(table) || hasParserObject();
    const bool ownRowType = hasParserObject() && kMultipleRowTypes[static_cast<int>(table)];
    std::string head(local ? "static YYCONST " : "YYCONST ");
    if (table == Table::Rule)
        head.append(characterType()).append(" *YYCONST");
    else
        head.append(ownRowType ? "@m" : "@").append(stem).append("_t");
    head.append(" YYNEARFAR YYBASED_CODE ").append(local ? "@" : "YYDCDECL @").append(stem).append("[] = {");
    write(head);
}

toolframe::RowSyntax CEmitter::rowSyntax(Table) const { return cFamilyRowSyntax("\n\t"); }

void CEmitter::writeTableEnd(Table table, std::optional<int> size)
{
    // The rule table closes the debugging tables; a destructor table's
    // pointer follows it.
    const bool followed = table == Table::Rule || isDestructorTable(table);
    write(followed ? "\n};\n" : "\n};\n\n");
    if (isDestructorTable(table))
        writeReference(table, true, size);
}

void CEmitter::absentTable(Table table, std::optional<int> size) { writeReference(table, false, size); }

std::string CEmitter::sizeDeclaration(Table table, int size) const
{
    const std::string value = std::to_string(size);
    if (hasParserObject())
        return "#define ^" + macroStemOf(table) + "_SIZE " + value + "\n";
    return "int YYNEAR YYDCDECL @" + std::string(stemOf(table)) + "_size = " + value + ";\n";
}

void CEmitter::writeReference(Table table, bool present, std::optional<int> size)
{
    const std::string stem(stemOf(table));
    const std::string target = present ? "@" + stem : "NULL";
    if (hasParserObject())
        write("#define ^" + macroStemOf(table) + "PTR " + target + "\n");
    else
        write("YYCONST @" + stem + "_t YYNEARFAR *YYNEAR YYDCDECL @" + stem + "ptr = " + target + ";\n");
    if (size)
        write(sizeDeclaration(table, *size));
    write("\n");
}

} // namespace brannock
