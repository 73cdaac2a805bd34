#include "lindle/emit/CScannerEmitter.h"

#include <array>
#include <cstddef>
#include <vector>

#include "toolframe/emit/CDefinitions.h"
#include "toolframe/emit/MacroDefaults.h"
#include "toolframe/emit/ObjectInitialiser.h"
#include "toolframe/emit/RuntimeNames.h"
#include "toolframe/emit/TemplateText.h"
#include "toolframe/output/BannerBox.h"

namespace lindle {

namespace {

constexpr std::string_view kToolName = "Lindle";
constexpr std::string_view kVersion = "2.07";

// In the templates (the frame's placeholders), $c stands for the element
// type of the text, $i for the type an action returns, and $r for where the
// model keeps the flag that says an action returned.

constexpr toolframe::MacroDefault kSizeDefaults[] = {
    {"YYTEXT_SIZE", "100"},
    {"YYUNPUT_SIZE", "YYTEXT_SIZE"},
    {"YYTEXT_MAX", "0"},
    {"YYUNPUT_MAX", "YYTEXT_MAX"},
};

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
    "static int YYCDECL @input(@mlexer_t YYFAR *yy)\n{\n\treturn input();\n}\n"
    "#ifndef YYMINPUT\n#define YYMINPUT @input\n#endif\n"
    "#else\n"
    "#define input() (yy->yyminput(yy))\n"
    "#endif\n"
    "#ifdef output\n"
    "static void YYCDECL @output(@mlexer_t YYFAR *yy, int ch)\n{\n\toutput(ch);\n}\n"
    "#ifndef YYMOUTPUT\n#define YYMOUTPUT @output\n#endif\n"
    "#else\n"
    "#define output(ch) (yy->yymoutput(yy, (ch)))\n"
    "#endif\n"
    "#ifdef unput\n"
    "static void YYCDECL @unput(@mlexer_t YYFAR *yy, int ch)\n{\n\tunput(ch);\n}\n"
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

// Actions fall through to the next case under %return, as the user meant.
constexpr std::string_view kWarningsOff = "#ifdef __GNUC__\n"
                                          "#pragma GCC diagnostic push\n"
                                          "#pragma GCC diagnostic ignored \"-Wimplicit-fallthrough\"\n"
                                          "#endif\n";
constexpr std::string_view kWarningsOn = "#ifdef __GNUC__\n"
                                         "#pragma GCC diagnostic pop\n"
                                         "#endif\n";

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
    : TargetScannerEmitter(options, diagnostics, codePage), stamp_(stamp)
{
}

void CScannerEmitter::beginIncludeFile()
{
    toolframe::writeIncludePrologue(includeStream(), prologue("C header file", includeStream()),
                                    includeStream().path());
}

void CScannerEmitter::endIncludeFile() { includeStream().writeNarrow("#endif\n"); }

void CScannerEmitter::beginSource(bool repeat)
{
    toolframe::writeSourcePrologue(sourceStream(), prologue("C source file", sourceStream()), repeat,
                                   "/* repeated because of possible precompiled header */\n", true);
    const std::string_view tables = options().compactTables ? toolframe::runtime::kCompactLexerMacro
                                                            : toolframe::runtime::kFastLexerMacro;
    sourceStream().writeFormatted("#define %.*s\n\n", static_cast<int>(tables.size()), tables.data());
}

void CScannerEmitter::includeGeneratedHeader(std::string_view relativePath)
{
    sourceStream().writeNarrow("#include \"");
    sourceStream().writeNarrow(relativePath);
    sourceStream().writeNarrow("\"\n\n");
}

void CScannerEmitter::startConditionDeclared(std::string_view name, int value)
{
    declarationStream().writeFormatted("#define %.*s %d\n", static_cast<int>(name.size()), name.data(), value);
}

void CScannerEmitter::beginActionFunction()
{
    declarationStream().writeNarrow("#ifndef INITIAL\n#define INITIAL 0\n#endif\n\n");
    write(toolframe::macroDefaults(kSizeDefaults));
    write("\n");
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
    write(kWarningsOff);
    std::vector<std::string> parameters;
    if (hasLexerObject())
        parameters.emplace_back("@mlexer_t YYFAR *yy");
    parameters.emplace_back("int action");
    write(toolframe::cFunctionHead(hasLexerObject() ? "static $i YYCDECL @lexeraction" : "$i YYCDECL @lexeraction",
                                   parameters));
}

void CScannerEmitter::openActionSwitch() { write("\t$r = YYTRUE;\n\tswitch (action) {\n"); }

void CScannerEmitter::caseLabel(int actionNumber) { sourceStream().writeFormatted("\tcase %d:\n", actionNumber); }

void CScannerEmitter::beginAction(int line)
{
    sourceStream().writeNarrow("\t\t{\n");
    sourceStream().setGrammarLine(line);
}

void CScannerEmitter::endAction(bool semicolon)
{
    if (semicolon)
        sourceStream().writeCharacter(';');
    sourceStream().writeCharacter('\n');
    sourceStream().requestResync();
    sourceStream().writeNarrow("\t\t}\n");
}

void CScannerEmitter::breakAfterAction() { sourceStream().writeNarrow("\t\tbreak;\n"); }

void CScannerEmitter::closeActionSwitch() { write("\tdefault:\n\t\tyyassert(0);\n\t\tbreak;\n\t}\n"); }

void CScannerEmitter::closeActionFunction()
{
    write("\t$r = YYFALSE;\n\treturn 0;\n}\n");
    write(kWarningsOn);
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
    rows_.emplace(sourceStream(), toolframe::cFamilyRowSyntax("\n\t"));
    rowIndex_ = 0;
}

void CScannerEmitter::tableRow(Table table, int first, int second, int third)
{
    const std::string values[] = {std::to_string(first), std::to_string(second), std::to_string(third)};
    const std::size_t count = table == Table::State || table == Table::CompactTransition ? 3
                              : table == Table::Transition                              ? 2
                                                                                        : 1;
    rows_->row(rowIndex_++, std::span<const std::string>(values, count));
}

void CScannerEmitter::tableEnd(Table)
{
    rows_.reset();
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

toolframe::FilePrologue CScannerEmitter::prologue(std::string_view kind, const toolframe::OutputStream& stream) const
{
    return toolframe::FilePrologue{
        toolframe::BannerText{stream.path(), kind, options().sourceFile, kToolName, kVersion, &stamp_},
        toolframe::runtime::lexerHeader(options().targetLanguage, options().model, options().unicode),
        options().quotedLibraryIncludes};
}

void CScannerEmitter::writeMissingNameNote()
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

void CScannerEmitter::writeLexerObject()
{
    const bool instance = options().model == toolframe::CodeModel::MultipleInstance;
    writeMissingNameNote();
    write(instance ? "YYMEXPLEXER(YYCONST _YL @mlexer_t) YYNEAR YYLEXERNAME = {\n"
                   : "YYMEXPLEXER(_YL @mlexer_t) YYNEAR YYLEXERNAME = {\n");
    // Without file-scope buffers every instance points at its own.
    sourceStream().writeNarrow(toolframe::objectInitialiser(
        {kStateInitialisers, kTableInitialisers, kLinkInitialisers, kDebugInitialisers}, "YYCOMPACTLEXER", instance,
        [this](std::string_view value) { return expand(value); }));
}

} // namespace lindle
