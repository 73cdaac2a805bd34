#include "lindle/emit/CScannerEmitter.h"

#include <array>
#include <cstddef>
#include <vector>

#include "toolframe/emit/CDefinitions.h"
#include "toolframe/emit/MacroDefaults.h"
#include "toolframe/emit/ObjectInitialiser.h"
#include "toolframe/emit/RuntimeNames.h"
#include "toolframe/emit/TemplateText.h"

namespace lindle {

namespace {

// In the templates (the frame's placeholders), $c stands for the element
// type of the text, $i for the type an action returns, and $r for where the
// model keeps the flag that says an action returned.

// The buffers a scanner starts with; the library moves a buffer into the
// heap when it outgrows them.
constexpr std::string_view kStaticBuffers =
    "/* text and unput buffers */\n"
    "static $c YYNEAR @textstore[(YYTEXT_SIZE) + 1];\n"
    "static int YYNEAR @statestore[(YYTEXT_SIZE)];\n"
    "static int YYNEAR @unputstore[(YYUNPUT_SIZE)];\n";

// The single model's buffer variables, which the library reads.
constexpr std::string_view kLibraryVariables =
    "$c YYFAR *YYNEAR YYDCDECL @text = @textstore;\n"
    "$c YYFAR *YYNEAR YYDCDECL @stext = @textstore;\n"
    "int YYNEAR YYDCDECL @text_size = (YYTEXT_SIZE);\n"
    "int YYNEAR YYDCDECL @stext_size = (YYTEXT_SIZE);\n"
    "int YYNEAR YYDCDECL @text_max = (YYTEXT_MAX);\n"
    "int YYFAR *YYNEAR YYDCDECL @statebuf = @statestore;\n"
    "int YYFAR *YYNEAR YYDCDECL @sstatebuf = @statestore;\n"
    "int YYFAR *YYNEAR YYDCDECL @unputbufptr = @unputstore;\n"
    "int YYFAR *YYNEAR YYDCDECL @sunputbufptr = @unputstore;\n"
    "int YYNEAR YYDCDECL @unput_size = (YYUNPUT_SIZE);\n"
    "int YYNEAR YYDCDECL @sunput_size = (YYUNPUT_SIZE);\n"
    "int YYNEAR YYDCDECL @unput_max = (YYUNPUT_MAX);\n"
    "\n";

// A lex program may define input, output and unput as macros of its own,
// which the library then reads and writes through; otherwise the names
// reach the library's functions.
constexpr std::string_view kSingleCompatibility =
    "/* input, output and unput */\n"
    "#ifdef input\n"
    "int YYCDECL @input(void)\n{\n\treturn input();\n}\n"
    "#else\n"
    "#define input() @input()\n"
    "#endif\n"
    "#ifdef output\n"
    "void YYCDECL @output(int ch)\n{\n\toutput(ch);\n}\n"
    "#else\n"
    "#define output(ch) @output(ch)\n"
    "#endif\n"
    "#ifdef unput\n"
    "void YYCDECL @unput(int ch)\n{\n\tunput(ch);\n}\n"
    "#else\n"
    "#define unput(ch) @unput(ch)\n"
    "#endif\n"
    "\n";

constexpr std::string_view kMultipleCompatibility =
    "/* input, output and unput */\n"
    "#ifdef input\n"
    "static int YYCDECL @input(@mlexer_t YYFAR *yy)\n{\n\t(void) yy;\n\treturn input();\n}\n"
    "#ifndef YYMINPUT\n#define YYMINPUT @input\n#endif\n"
    "#else\n"
    "#define input() (yy->yyminput(yy))\n"
    "#endif\n"
    "#ifdef output\n"
    "static void YYCDECL @output(@mlexer_t YYFAR *yy, int ch)\n{\n\t(void) yy;\n\toutput(ch);\n}\n"
    "#ifndef YYMOUTPUT\n#define YYMOUTPUT @output\n#endif\n"
    "#else\n"
    "#define output(ch) (yy->yymoutput(yy, (ch)))\n"
    "#endif\n"
    "#ifdef unput\n"
    "static void YYCDECL @unput(@mlexer_t YYFAR *yy, int ch)\n{\n\t(void) yy;\n\tunput(ch);\n}\n"
    "#ifndef YYMUNPUT\n#define YYMUNPUT @unput\n#endif\n"
    "#else\n"
    "#define unput(ch) (yy->yymunput(yy, (ch)))\n"
    "#endif\n"
    "\n";

// The streams and hooks of the scanner object, which the user may set
// beforehand.
constexpr toolframe::MacroDefault kObjectDefaults[] = {
    {"YYMIN", "stdin", "#ifndef YYNINITSTREAM", "NULL"},
    {"YYMOUT", "stdout", "#ifndef YYNINITSTREAM", "NULL"},
    {"YYMLEXERERR", "stderr", "#ifndef YYNINITSTREAM", "NULL"},
    {"YYMLEXERDEBUGOUT", "stdout", "#ifndef YYNINITSTREAM", "NULL"},
    {"YYMGETCHAR", "@mgetchar"},
    {"YYMINPUT", "@minput"},
    {"YYMOUTPUT", "@moutput"},
    {"YYMUNPUT", "@munput"},
    {"YYMWRAP", "@mwrap"},
    {"YYMTEXTOVERFLOW", "@mtextoverflow"},
    {"YYMUNPUTOVERFLOW", "@munputoverflow"},
    {"YYMLEXERERROR", "@mlexererror"},
    {"YYMPARSERPTR", "NULL"},
    {"YYMLEXERDATA", "NULL"},
};

// The members of the scanner object; the multiple instance model leaves
// the buffers to each instance.
using Initialiser = toolframe::MemberValue;

constexpr Initialiser kStateInitialisers[] = {
    {"yymmoreflg", "YYFALSE"},
    {"yymrejectflg", "YYFALSE"},
    {"yymreturnflg", "YYFALSE"},
    {"yymtextgrow", "YYTRUE"},
    {"yymunputgrow", "YYTRUE"},
    {"yymeol", "YYTRUE"},
    {"yymoldeol", "YYTRUE"},
    {"yymstart", "0"},
    {"yymin", "YYMIN"},
    {"yymout", "YYMOUT"},
    {"yymerr", "YYMLEXERERR"},
    {"yymleng", "0"},
    {"yymlineno", "1"},
    {"yymunputindex", "0"},
    {"yymtext", "@textstore", true},
    {"yymstext", "@textstore", true},
    {"yymtext_size", "YYTEXT_SIZE"},
    {"yymstext_size", "YYTEXT_SIZE"},
    {"yymtext_max", "YYTEXT_MAX"},
    {"yymstatebuf", "@statestore", true},
    {"yymsstatebuf", "@statestore", true},
    {"yymunputbufptr", "@unputstore", true},
    {"yymsunputbufptr", "@unputstore", true},
    {"yymunput_size", "YYUNPUT_SIZE"},
    {"yymsunput_size", "YYUNPUT_SIZE"},
    {"yymunput_max", "YYUNPUT_MAX"},
    {"yymgetchar", "YYMGETCHAR"},
    {"yyminput", "YYMINPUT"},
    {"yymoutput", "YYMOUTPUT"},
    {"yymunput", "YYMUNPUT"},
    {"yymwrap", "YYMWRAP"},
    {"yymtextoverflow", "YYMTEXTOVERFLOW"},
    {"yymunputoverflow", "YYMUNPUTOVERFLOW"},
    {"yymerror", "YYMLEXERERROR"},
    {"yymaction", "@lexeraction"},
};

// The members of both table forms: the source holds one form's tables only.
using TableInitialiser = toolframe::TableMemberValue;

constexpr TableInitialiser kTableInitialisers[] = {
    {"yymtransition", "@transition", "NULL"},
    {"yymtransitionmax", "^TRANSITIONMAX", "0"},
    {"yymctransition", "NULL", "@ctransition"},
};

constexpr Initialiser kLinkInitialisers[] = {
    {"yymmatch", "@match"},
    {"yymstate", "@state"},
    {"yymbackup", "@backup"},
    {"yymparserptr", "YYMPARSERPTR"},
    {"yymdata", "YYMLEXERDATA"},
};

constexpr Initialiser kDebugInitialisers[] = {
    {"yymdebug", "YYFALSE"},
    {"yymdebugflush", "YYFALSE"},
    {"yymdebugout", "YYMLEXERDEBUGOUT"},
};

// The tables whose rows take the object prefix in the multiple models.
constexpr std::array<bool, 5> kObjectRowTypes = {false, false, true, true, true};
static_assert(kObjectRowTypes.size() == toolframe::runtime::kLexerTableStems.size());

std::string_view stemOf(ScannerEmitter::Table table)
{
    return toolframe::runtime::kLexerTableStems[static_cast<std::size_t>(table)];
}

} // namespace

CScannerEmitter::CScannerEmitter(const ToolOptions& options, toolframe::Diagnostics& diagnostics,
                                 const toolframe::CodePage& codePage, const toolframe::DateTimeStamp& stamp)
    : CFamilyScannerEmitter(options, diagnostics, codePage, stamp)
{
}

void CScannerEmitter::beginSource(bool repeat)
{
    toolframe::writeSourcePrologue(sourceStream(), prologue("C source file", sourceStream()), repeat,
                                   "/* repeated because of possible precompiled header */\n", true);
    const std::string_view tables = options().compactTables ? toolframe::runtime::kCompactLexerMacro
                                                            : toolframe::runtime::kFastLexerMacro;
    sourceStream().writeFormatted("#define %.*s\n\n", static_cast<int>(tables.size()), tables.data());
}

void CScannerEmitter::beginActionFunction()
{
    writeInitialCondition();
    writeSizeDefaults();
    if (options().model != toolframe::CodeModel::MultipleInstance)
        write(kStaticBuffers);
    if (hasLexerObject()) {
        // The wrappers name themselves as hooks before the defaults do.
        write("\n");
        write(kMultipleCompatibility);
        write("/* lexer object defaults */\n");
        write(toolframe::macroDefaults(kObjectDefaults));
        write("\n");
        writeMissingNameNote();
    } else {
        write(kLibraryVariables);
        write(kSingleCompatibility);
    }
    writeWarningsOff({"-Wimplicit-fallthrough", "-Wunused-parameter"});
    std::vector<std::string> parameters;
    if (hasLexerObject())
        parameters.emplace_back("@mlexer_t YYFAR *yy");
    parameters.emplace_back("int action");
    write(toolframe::cFunctionHead(hasLexerObject() ? "static $i YYCDECL @lexeraction" : "$i YYCDECL @lexeraction",
                                   parameters));
}

void CScannerEmitter::openActionSwitch() { write("\t$r = YYTRUE;\n\tswitch (action) {\n"); }

void CScannerEmitter::closeActionFunction()
{
    write("\t$r = YYFALSE;\n\treturn 0;\n}\n");
    writeWarningsOn();
    write("\n");
}

void CScannerEmitter::afterProgramCode(bool)
{
    if (hasLexerObject())
        writeLexerObject();
}

void CScannerEmitter::tableHead(Table table, int maximum)
{
    const std::string stem(stemOf(table));
    const bool object = hasLexerObject();
    if (table == Table::Transition) {
        if (object)
            sourceStream().writeFormatted("%s %d\n", expand("#define ^TRANSITIONMAX").c_str(), maximum);
        else
            sourceStream().writeFormatted("%s = %d;\n", expand(options().unicode ? "long YYNEAR YYDCDECL @transitionmax"
                                                                                  : "int YYNEAR YYDCDECL @transitionmax")
                                                            .c_str(),
                                          maximum);
    }
    const bool objectRow = object && kObjectRowTypes[static_cast<std::size_t>(table)];
    std::string head(object ? "static YYCONST " : "YYCONST ");
    head.append(objectRow ? "@m" : "@").append(stem).append("_t YYNEARFAR YYBASED_CODE ");
    head.append(object ? "@" : "YYDCDECL @").append(stem).append("[] = {");
    write(head);
    startRows("\n\t");
}

void CScannerEmitter::tableEnd(Table)
{
    endRows();
    write("\n};\n\n");
}

void CScannerEmitter::namePart(NamePart part, std::string_view name, bool open)
{
    if (part != NamePart::Declaration || !open || !hasLexerObject())
        return;
    toolframe::OutputStream& out = declarationStream();
    const bool instance = options().model == toolframe::CodeModel::MultipleInstance;
    out.writeNarrow("#ifndef YYMEXPLEXER\n#define YYMEXPLEXER(x) x\n#endif\n\n"
                    "#ifdef __cplusplus\nextern \"C\" {\n#endif\nextern YYMEXPLEXER(");
    out.writeNarrow(expand(instance ? "YYCONST _YL @mlexer_t) YYNEAR " : "_YL @mlexer_t) YYNEAR "));
    out.writeNarrow(name);
    out.writeNarrow(";\n#ifdef __cplusplus\n};\n#endif\n\n");
    out.writeNarrow(toolframe::nameMacro("YYLEXERNAME", name));
}

bool CScannerEmitter::hasLexerObject() const { return options().model != toolframe::CodeModel::Single; }

std::string CScannerEmitter::expand(std::string_view text) const
{
    const bool unicode = options().unicode;
    return toolframe::expandTemplate(text, unicode, [this, unicode](char name) -> std::string {
        if (name == 'c')
            return unicode ? "wchar_t" : "char";
        if (name == 'i')
            return unicode ? "yywint_t" : "int";
        return hasLexerObject() ? "yy->yymreturnflg" : expand("@returnflg");
    });
}

void CScannerEmitter::write(std::string_view text) { sourceStream().writeNarrow(expand(text)); }

void CScannerEmitter::writeLexerObject()
{
    const bool instance = options().model == toolframe::CodeModel::MultipleInstance;
    writeMissingNameNote();
    // The object closes with the library's own members, which static
    // storage starts at zero.
    writeWarningsOff({"-Wmissing-field-initializers"});
    write(instance ? "YYMEXPLEXER(YYCONST _YL @mlexer_t) YYNEAR YYLEXERNAME = {\n"
                   : "YYMEXPLEXER(_YL @mlexer_t) YYNEAR YYLEXERNAME = {\n");
    // Without file-scope buffers every instance points at its own.
    sourceStream().writeNarrow(toolframe::objectInitialiser(
        {kStateInitialisers, kTableInitialisers, kLinkInitialisers, kDebugInitialisers}, "YYCOMPACTLEXER", instance,
        [this](std::string_view value) { return expand(value); }));
    writeWarningsOn();
}

} // namespace lindle
