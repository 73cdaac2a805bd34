#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "brannock/Driver.h"
#include "brannock/Messages.h"
#include "toolframe/testing/TemporaryDirectory.h"

// The text each emitter writes around the user's code: the union and token
// constants, the action function with its cases and attribute forms, and
// what %name and the blocks after it bring, for C in each model and width,
// C++ and Java.
namespace {

using toolframe::CodeModel;
using toolframe::TargetLanguage;

brannock::ToolOptions optionsFor(TargetLanguage language, CodeModel model = CodeModel::Single, bool unicode = false,
                                 bool compact = false)
{
    brannock::ToolOptions options;
    options.sourceFile = "g.y";
    options.targetLanguage = language;
    options.model = model;
    options.unicode = unicode || language == TargetLanguage::Java;
    options.compactTables = compact;
    return options;
}

// One emitter writing into a fresh directory: g.out always, g.h when asked.
class Emitted {
public:
    explicit Emitted(const brannock::ToolOptions& options, bool withInclude = false)
        : options_(options),
          diagnostics_('Y', brannock::messageCatalog()),
          stamp_{"01/01/70", "00:00:00"},
          emitter_(brannock::createEmitter({options_, codePage_, stamp_, diagnostics_}))
    {
        emitter_->sourceStream().open(directory_ / "g.out", {"g.out", "g.y"});
        if (withInclude)
            emitter_->includeStream().open(directory_ / "g.h", {"g.h", "g.y"});
    }

    brannock::TargetEmitter* operator->() { return emitter_.get(); }

    std::string source()
    {
        close();
        return directory_.read("g.out");
    }

    std::string include()
    {
        close();
        return directory_.exists("g.h") ? directory_.read("g.h") : std::string();
    }

private:
    void close()
    {
        emitter_->sourceStream().close();
        emitter_->includeStream().close();
    }

    toolframe::testing::TemporaryDirectory directory_;
    brannock::ToolOptions options_;
    toolframe::CodePage codePage_;
    toolframe::Diagnostics diagnostics_;
    toolframe::DateTimeStamp stamp_;
    std::unique_ptr<brannock::TargetEmitter> emitter_;
};

void expectContainsAll(const std::string& text, const std::vector<std::string>& parts, const std::string& label)
{
    for (const std::string& part : parts)
        EXPECT_NE(text.find(part), std::string::npos) << label << ": missing " << part;
}

void expectContainsNone(const std::string& text, const std::vector<std::string>& parts, const std::string& label)
{
    for (const std::string& part : parts)
        EXPECT_EQ(text.find(part), std::string::npos) << label << ": unexpected " << part;
}

const std::string kSeparator(77, '/');

const char* const kUnionHead = "#ifndef YYSTYPE\nunion tagYYSTYPE {\n";
const char* const kUnionTail = "};\n\n#define YYSTYPE union tagYYSTYPE\n#endif\n\n";
const char* const kValueDefaults = "#ifndef YYSTYPE\n#define YYSTYPE int\n#endif\n";
// A classic grammar limits its stack with yacc's YYMAXDEPTH.
const char* const kStackMaxDefault =
    "#ifndef YYSTACK_MAX\n#ifdef YYMAXDEPTH\n#define YYSTACK_MAX (YYMAXDEPTH)\n#else\n#define YYSTACK_MAX 0\n#endif\n#endif\n";

// The union with one member and three tokens, one of them a character
// token in single quotes and one in double quotes.
void declareUnionAndTokens(Emitted& emitted)
{
    emitted->unionBlock(true);
    emitted->includeOrSourceStream().writeNarrow("\tint ival;\n");
    emitted->unionBlock(false);
    emitted->tokenConstant("NUMBER", 257);
    emitted->tokenConstant("'IF'", 258);
    emitted->tokenConstant("\"ELSE\"", 259);
}

// "%name calc" and the three blocks after it, as the reader hands them on.
void declareName(Emitted& emitted, const std::string& members, const std::string& constructor,
                 const std::string& destructor)
{
    emitted->parserName(true, "calc");
    emitted->includeOrSourceStream().writeNarrow(members);
    emitted->parserName(false, "calc");
    emitted->constructorBlock(true, "calc");
    emitted->sourceStream().writeNarrow(constructor);
    emitted->constructorBlock(false, "calc");
    emitted->destructorBlock(true, "calc");
    emitted->sourceStream().writeNarrow(destructor);
    emitted->destructorBlock(false, "calc");
}

const char* const kCConstants = "#define NUMBER 257\n#define IF 258\n#define ELSE 259\n";

// An action "$$ = $1 + $3;" of a rule with three symbols on the right.
void writeSumAction(Emitted& emitted, int number)
{
    emitted->beginActionCase(number, 4);
    emitted->sourceStream().writeNarrow("\t");
    emitted->resultAttribute();
    emitted->attributeMember("ival");
    emitted->sourceStream().writeNarrow(" = ");
    emitted->positionalAttribute(1, 3);
    emitted->attributeMember("ival");
    emitted->sourceStream().writeNarrow(" + ");
    emitted->positionalAttribute(3, 3);
    emitted->attributeMember("ival");
    emitted->sourceStream().writeNarrow(";\n");
    emitted->endActionCase(true);
}

std::string prologueOf(const brannock::ToolOptions& options)
{
    Emitted emitted(options);
    emitted->beginActionFunction();
    return emitted.source();
}

} // namespace

TEST(CEmitterText, UnionAndTokenConstantsGoToTheHeaderOrElseTheSource)
{
    struct Case {
        CodeModel model;
        bool unicode;
        bool include;
        std::string lexerValue;
    };
    const Case cases[] = {
        {CodeModel::Single, false, true, "extern YYSTYPE YYNEAR yylval;\n\n"},
        {CodeModel::Single, true, true, "extern YYSTYPE YYNEAR yywlval;\n\n"},
        {CodeModel::Single, false, false, ""},
        {CodeModel::Multiple, false, true, ""},
        {CodeModel::MultipleInstance, true, true, ""},
    };
    for (const Case& c : cases) {
        Emitted emitted(optionsFor(TargetLanguage::C, c.model, c.unicode), c.include);
        declareUnionAndTokens(emitted);
        const std::string declarations =
            std::string(kUnionHead) + "\tint ival;\n" + kUnionTail + c.lexerValue + kCConstants;
        const std::string source = emitted.source();
        EXPECT_EQ(c.include ? emitted.include() : source, declarations);
        EXPECT_EQ(source.empty(), c.include);
    }
}

TEST(CEmitterText, PrologueTemplatesKeepTheirKeyLines)
{
    struct Case {
        std::string label;
        CodeModel model;
        bool unicode;
        std::vector<std::string> present;
        std::vector<std::string> absent;
    };
    const std::vector<std::string> multipleHooks = {
        "#ifndef YYMPARSERERR\n",     "#define YYMPARSERERR stderr\n", "#define YYMPARSERERR NULL\n",
        "#ifndef YYNINITSTREAM\n",    "#define YYMPARSERDEBUGOUT stdout\n", "#define YYMPARSERDEBUGOUT NULL\n",
        "#ifdef YYMERROR\n",          "#define YYMPARSERERROR YYMERROR\n", "#ifndef YYMLEXERPTR\n",
        "#define YYMLEXERPTR NULL\n", "#ifndef YYMPARSERDATA\n",      "#define YYMPARSERDATA NULL\n",
    };
    const Case cases[] = {
        {"-ms",
         CodeModel::Single,
         false,
         {"static yystack_t YYNEAR yystack[(YYSTACK_SIZE)];\n", "yysstackptr", "yystackptr",
          "static YYSTYPE YYNEAR yyattributestack[(YYSTACK_SIZE)];\n", "yysattributestackptr", "yyattributestackptr",
          "void YYFAR *", "char YYFAR *", "int YYNEAR YYDCDECL yysstack_size = (YYSTACK_SIZE);\n", "yystack_size",
          "int YYNEAR YYDCDECL yystack_max = (YYSTACK_MAX);\n", "YYSTYPE YYNEAR yyval;\n", "YYSTYPE YYNEAR yylval;\n",
          "yyvalptr", "yylvalptr", "size_t YYNEAR YYDCDECL yyattribute_size = sizeof(YYSTYPE);\n", "yyattribute1",
          "#define yyattribute(index) (*yyattribute1(index))\n",
          "#define yyattribute(index) (((YYSTYPE YYFAR *) yyattributestackptr)[yytop + (index)])\n",
          "yyinitdebug", "yytop + i - (count - 1)", "void YYCDECL yyparseraction(int action)\n"},
         {"static YYSTYPE YYNEAR yyval;", "YYMGETTOKEN", "yymparser_t"}},
        {"-ms -W",
         CodeModel::Single,
         true,
         {"static yywstack_t YYNEAR yywstack[(YYSTACK_SIZE)];\n", "yywsstackptr", "yywstackptr",
          "static YYSTYPE YYNEAR yywattributestack[(YYSTACK_SIZE)];\n", "yywsattributestackptr",
          "int YYNEAR YYDCDECL yywsstack_size = (YYSTACK_SIZE);\n", "int YYNEAR YYDCDECL yywstack_max = (YYSTACK_MAX);\n",
          "YYSTYPE YYNEAR yywval;\n", "YYSTYPE YYNEAR yywlval;\n",
          "size_t YYNEAR YYDCDECL yywattribute_size = sizeof(YYSTYPE);\n",
          "#define yywattribute(index) (*yywattribute1(index))\n",
          "#define yywattribute(index) (((YYSTYPE YYFAR *) yywattributestackptr)[yywtop + (index)])\n",
          "yywinitdebug", "void YYCDECL yywparseraction(int action)\n"},
         {}},
        {"-mm",
         CodeModel::Multiple,
         false,
         {"static yystack_t YYNEAR yystack[(YYSTACK_SIZE)];\n",
          "static YYSTYPE YYNEAR yyattributestack[(YYSTACK_SIZE)];\n", "static YYSTYPE YYNEAR yyval;\n",
          "static YYSTYPE YYNEAR yylval;\n", "(YYPARSERNAME).yymattributestackptr", "(YYPARSERNAME).yymtop",
          "#define yyattribute(index) (*yyattribute1(index))\n", "#define YYMPARSERERROR yymparsererror\n",
          "#define YYMGETTOKEN yymgettoken\n", "#define YYMDISCARD yymdiscard\n",
          "#define YYMSYNTAXERROR yymsyntaxerror\n", "#define YYMSTACKOVERFLOW yymstackoverflow\n",
          "static void YYCDECL yyparseraction(yymparser_t YYFAR *yy, int action)\n"},
         {"YYDCDECL yysstack_size", "YYDCDECL yystackptr", "YYSTYPE YYNEAR yyval;\nYYSTYPE", "yyattribute_size"}},
        {"-mi",
         CodeModel::MultipleInstance,
         false,
         {"#define yyattribute(yy, index) (((YYSTYPE YYFAR *) yy->yymattributestackptr)[yy->yymtop + (index)])\n",
          "#define yyattribute(yy, index) (*yyattribute1(yy, index))\n", "#define YYMGETTOKEN yymgettoken\n",
          "static void YYCDECL yyparseraction(yymparser_t YYFAR *yy, int action)\n"},
         {"yystack", "yyattributestack[", "yyval", "yylval", "YYPARSERNAME"}},
        {"-mi -W",
         CodeModel::MultipleInstance,
         true,
         {"#define yywattribute(yy, index) (((YYSTYPE YYFAR *) yy->yymattributestackptr)[yy->yymtop + (index)])\n",
          "yywinitdebug", "#define YYMPARSERERROR yywmparsererror\n", "#define YYMGETTOKEN yywmgettoken\n",
          "#define YYMDISCARD yywmdiscard\n", "#define YYMSYNTAXERROR yywmsyntaxerror\n",
          "#define YYMSTACKOVERFLOW yywmstackoverflow\n",
          "static void YYCDECL yywparseraction(yywmparser_t YYFAR *yy, int action)\n"},
         {"yymparser_t", "yymgettoken"}},
    };
    for (const Case& c : cases) {
        const std::string prologue = prologueOf(optionsFor(TargetLanguage::C, c.model, c.unicode));
        EXPECT_EQ(prologue.rfind(kValueDefaults, 0), 0u) << c.label;
        expectContainsAll(prologue,
                          {"#ifndef YYSTACK_SIZE\n#define YYSTACK_SIZE 100\n#endif\n",
                           kStackMaxDefault, "#ifdef YYDEBUG\n",
                           "#ifdef YYPROTOTYPE\n"},
                          c.label);
        expectContainsAll(prologue, c.present, c.label);
        expectContainsNone(prologue, c.absent, c.label);
        if (c.model != CodeModel::Single)
            expectContainsAll(prologue, multipleHooks, c.label);
        EXPECT_EQ(prologue.substr(prologue.size() - 9), "#endif\n{\n") << c.label;
    }
}

TEST(CEmitterText, UnicodeNamesTakeTheWideFormEverywhere)
{
    for (CodeModel model : {CodeModel::Single, CodeModel::Multiple, CodeModel::MultipleInstance}) {
        const std::string prologue = prologueOf(optionsFor(TargetLanguage::C, model, true));
        const std::regex name("\\byy[a-z_0-9]*");
        for (auto it = std::sregex_iterator(prologue.begin(), prologue.end(), name); it != std::sregex_iterator();
             ++it) {
            const std::string found = it->str();
            // The parser argument and its members keep their names.
            const bool kept = found == "yy" || found.rfind("yym", 0) == 0 || found == "yyassert";
            EXPECT_TRUE(kept || found.rfind("yyw", 0) == 0) << found;
        }
    }
}

namespace {

// The C texts that follow the model and the width, for the action "$$ = $1;"
// of the rule "a : b c".
struct CForms {
    CodeModel model;
    bool unicode;
    std::string result;
    std::string first;
    std::string initCall;
    std::string functionEnd;
};

const CForms kCForms[] = {
    {CodeModel::Single, false, "yyval", "yyattribute(1 - 2)", "yyinitdebug(yya, 3);", "}\n"},
    {CodeModel::Single, true, "yywval", "yywattribute(1 - 2)", "yywinitdebug(yya, 3);", "}\n"},
    {CodeModel::Multiple, false, "yyval", "yyattribute(1 - 2)", "yyinitdebug(yya, 3);", "}\n\n"},
    {CodeModel::Multiple, true, "yywval", "yywattribute(1 - 2)", "yywinitdebug(yya, 3);", "}\n\n"},
    {CodeModel::MultipleInstance, false, "(*(YYSTYPE YYFAR *) yy->yymvalptr)", "yyattribute(yy, 1 - 2)",
     "yyinitdebug(yy, yya, 3);", "}\n\n"},
    {CodeModel::MultipleInstance, true, "(*(YYSTYPE YYFAR *) yy->yymvalptr)", "yywattribute(yy, 1 - 2)",
     "yywinitdebug(yy, yya, 3);", "}\n\n"},
};

} // namespace

TEST(CEmitterText, AttributeFormsFollowModelAndWidth)
{
    for (const CForms& c : kCForms) {
        Emitted emitted(optionsFor(TargetLanguage::C, c.model, c.unicode));
        emitted->resultAttribute();
        emitted->attributeMember("ival");
        emitted->sourceStream().writeNarrow(" = ");
        emitted->positionalAttribute(1, 2);
        EXPECT_EQ(emitted.source(), c.result + ".ival = " + c.first);
    }
    Emitted signedIndex(optionsFor(TargetLanguage::C));
    signedIndex->positionalAttribute(-1, 0);
    EXPECT_EQ(signedIndex.source(), "yyattribute(-1 - 0)");
}

TEST(CEmitterText, ActionFunctionCasesAndDebugBlock)
{
    for (const CForms& c : kCForms) {
        Emitted emitted(optionsFor(TargetLanguage::C, c.model, c.unicode));
        emitted->beginActionSwitch();
        emitted->beginActionCase(0, 3);
        emitted->sourceStream().writeNarrow("\tstart();\n");
        emitted->endActionCase(true);
        // A destructor's action has no rule and so no debugging block.
        emitted->beginActionCase(1, std::nullopt);
        emitted->sourceStream().writeNarrow("\tfree(p);\n");
        emitted->endActionCase(false);
        emitted->endActionSwitch();
        emitted->endActionFunction();
        EXPECT_EQ(emitted.source(), "\tswitch (action) {\n"
                                    "\tcase 0:\n\t\t{\n"
                                    "#ifdef YYDEBUG\n\t\t\tYYSTYPE YYFAR *yya[3];\n\t\t\t" +
                                        c.initCall +
                                        "\n#endif\n\t\t\t{\n"
                                        "\tstart();\n"
                                        "\t\t\t}\n\t\t}\n\t\tbreak;\n"
                                        "\tcase 1:\n\t\t{\n\tfree(p);\n\t\t}\n\t\tbreak;\n"
                                        "\tdefault:\n\t\tyyassert(0);\n\t\tbreak;\n\t}\n" +
                                        c.functionEnd);
    }
}

TEST(CEmitterText, AGrammarWithoutActionsHasAnEmptyActionFunction)
{
    Emitted emitted(optionsFor(TargetLanguage::C));
    emitted->beginActionFunction();
    emitted->endActionFunction();
    const std::string source = emitted.source();
    const std::string end = "void YYCDECL yyparseraction(action)\nint action;\n#endif\n{\n}\n";
    EXPECT_EQ(source.substr(source.size() - end.size()), end);
    EXPECT_NE(source.find("#ifdef YYPROTOTYPE\nvoid YYCDECL yyparseraction(int action)\n#else\n"), std::string::npos);
}

TEST(CEmitterText, ParserDeclarationAtNameInTheMultipleModels)
{
    auto declaration = [](const std::string& type) {
        return "#ifndef YYMEXPPARSER\n#define YYMEXPPARSER(x) x\n#endif\n\n"
               "#ifdef __cplusplus\nextern \"C\" {\n#endif\n"
               "extern YYMEXPPARSER(" +
               type +
               ") YYNEAR calc;\n"
               "#ifdef __cplusplus\n};\n#endif\n\n"
               "#ifndef YYPARSERNAME\n#define YYPARSERNAME calc\n#endif\n\n";
    };
    struct Case {
        CodeModel model;
        bool unicode;
        bool include;
        std::string expected;
    };
    const Case cases[] = {
        {CodeModel::Multiple, false, true, declaration("_YL yymparser_t")},
        {CodeModel::Multiple, true, false, declaration("_YL yywmparser_t")},
        {CodeModel::MultipleInstance, false, true, declaration("YYCONST _YL yymparser_t")},
        {CodeModel::MultipleInstance, true, true, declaration("YYCONST _YL yywmparser_t")},
        {CodeModel::Single, false, true, ""},
    };
    for (const Case& c : cases) {
        Emitted emitted(optionsFor(TargetLanguage::C, c.model, c.unicode), c.include);
        declareName(emitted, "int calcvalue(void);\n", "/* constructor */\n", "/* destructor */\n");
        const std::string firstBlock = c.expected + "int calcvalue(void);\n";
        const std::string otherBlocks = "/* constructor */\n/* destructor */\n";
        const std::string source = emitted.source();
        if (c.include) {
            EXPECT_EQ(emitted.include(), firstBlock);
            EXPECT_EQ(source, otherBlocks);
        } else {
            EXPECT_EQ(source, firstBlock + otherBlocks);
        }
    }
}

TEST(CEmitterText, ParserObjectEndsTheSourceOfTheMultipleModels)
{
    // Member and initial value, in the order of the library's type.
    using Members = std::vector<std::pair<std::string, std::string>>;
    auto expectedMembers = [](bool instance, bool unicode) {
        const std::string w = unicode ? "yyw" : "yy";
        const std::string W = unicode ? "YYW" : "YY";
        // Where each instance brings its own storage, the template has none.
        auto storage = [instance](const std::string& value) { return instance ? std::string("NULL") : value; };
        const std::string stack = storage(W + "STACKINIT");
        const std::string attributes = storage(W + "ATTRIBUTESTACKINIT");
        Members members = {
            {"yymlookahead", "YYFALSE"}, {"yymstackgrow", "YYTRUE"}, {"yymexitflg", "YYFALSE"},
            {"yymretireflg", "YYFALSE"}, {"yymerrorflg", "YYFALSE"}, {"yympopflg", "YYFALSE"},
            {"yymwipeflg", "YYTRUE"}, {"yymtop", "-1"}, {"yymchar", "-1"}, {"yymskip", "0"},
            {"yymerrorcount", "0"}, {"yymexitcode", "0"}, {"yymretirecode", "0"}, {"yymerrorpop", "0"},
            {"yymerr", "YYMPARSERERR"}, {"yymstackptr", stack}, {"yymsstackptr", stack},
            {"yymstack_size", "YYSTACK_SIZE"}, {"yymsstack_size", "YYSTACK_SIZE"}, {"yymstack_max", "YYSTACK_MAX"},
            {"yymattribute_size", "sizeof(YYSTYPE)"}, {"yymvalptr", storage("&" + w + "val")},
            {"yymlvalptr", storage("&" + w + "lval")}, {"yymattributestackptr", attributes},
            {"yymsattributestackptr", attributes},
            {"yymgettoken", "YYMGETTOKEN"}, {"yymdiscard", "YYMDISCARD"}, {"yymsyntaxerror", "YYMSYNTAXERROR"},
            {"yymstackoverflow", "YYMSTACKOVERFLOW"}, {"yymerror", "YYMPARSERERROR"},
            {"yymaction", w + "parseraction"},
        };
        const Members fast = {
            {"yymstateaction", w + "stateaction"}, {"yymtokenaction", w + "tokenaction"},
            {"yymtokenaction_size", W + "TOKENACTION_SIZE"}, {"yymstategoto", w + "stategoto"},
            {"yymnontermgoto", w + "nontermgoto"}, {"yymnontermgoto_size", W + "NONTERMGOTO_SIZE"},
            {"yymtokendestptr", W + "TOKENDESTPTR"}, {"yymtokendest_size", W + "TOKENDEST_SIZE"},
            {"yymtokendestbaseptr", W + "TOKENDESTBASEPTR"}, {"yymtokendestbase_size", W + "TOKENDESTBASE_SIZE"},
            {"yymcstateaction", "NULL"}, {"yymctokenaction", "NULL"}, {"yymcstategoto", "NULL"},
            {"yymcnontermgoto", "NULL"}, {"yymctokendestptr", "NULL"},
        };
        const Members compact = {
            {"yymstateaction", "NULL"}, {"yymtokenaction", "NULL"}, {"yymtokenaction_size", "0"},
            {"yymstategoto", "NULL"}, {"yymnontermgoto", "NULL"}, {"yymnontermgoto_size", "0"},
            {"yymtokendestptr", "NULL"}, {"yymtokendest_size", "0"}, {"yymtokendestbaseptr", "NULL"},
            {"yymtokendestbase_size", "0"}, {"yymcstateaction", w + "cstateaction"},
            {"yymctokenaction", w + "ctokenaction"}, {"yymcstategoto", w + "cstategoto"},
            {"yymcnontermgoto", w + "cnontermgoto"}, {"yymctokendestptr", W + "CTOKENDESTPTR"},
        };
        const Members rest = {
            {"yymreduction", w + "reduction"}, {"yymdestructorptr", W + "DESTRUCTORPTR"},
            {"yymlexerptr", "YYMLEXERPTR"}, {"yymdata", "YYMPARSERDATA"},
            {"yymdebug", "YYFALSE"}, {"yymdebugstack", "YYFALSE"}, {"yymdebugflush", "YYFALSE"},
            {"yymdebugout", "YYMPARSERDEBUGOUT"}, {"yymsymbol", w + "symbol"}, {"yymrule", w + "rule"},
        };
        members.insert(members.end(), fast.begin(), fast.end());
        members.insert(members.end(), compact.begin(), compact.end());
        members.insert(members.end(), rest.begin(), rest.end());
        return members;
    };
    struct Case {
        CodeModel model;
        bool unicode;
        std::string head;
    };
    const Case cases[] = {
        {CodeModel::Multiple, false, "YYMEXPPARSER(_YL yymparser_t) YYNEAR YYPARSERNAME = {\n"},
        {CodeModel::Multiple, true, "YYMEXPPARSER(_YL yywmparser_t) YYNEAR YYPARSERNAME = {\n"},
        {CodeModel::MultipleInstance, false, "YYMEXPPARSER(YYCONST _YL yymparser_t) YYNEAR YYPARSERNAME = {\n"},
    };
    for (const Case& c : cases) {
        Emitted emitted(optionsFor(TargetLanguage::C, c.model, c.unicode));
        emitted->endSourceFile(false);
        const std::string source = emitted.source();
        // The comment box that explains a missing %name comes first.
        EXPECT_EQ(source.rfind("/****************************************************************************\n", 0), 0u);
        const std::size_t head = source.find(c.head);
        ASSERT_NE(head, std::string::npos) << c.head;
        EXPECT_NE(source.substr(0, head).find("%name"), std::string::npos);
        EXPECT_EQ(source.substr(source.size() - 10), "#endif\n};\n");

        Members found;
        const std::regex initialiser("\t(.*), */\\* (\\w+) \\*/");
        const std::string body = source.substr(head);
        for (auto it = std::sregex_iterator(body.begin(), body.end(), initialiser); it != std::sregex_iterator();
             ++it)
            found.emplace_back((*it)[2], (*it)[1]);
        EXPECT_EQ(found, expectedMembers(c.model == CodeModel::MultipleInstance, c.unicode));
        expectContainsAll(body, {"#ifndef YYCOMPACTPARSER\n", "#else\n", "#ifdef YYDEBUG\n"}, c.head);
    }

    Emitted single(optionsFor(TargetLanguage::C));
    single->endSourceFile(false);
    EXPECT_EQ(single.source(), "");
}

TEST(CppEmitterText, ClassDeclarationGoesToTheHeaderOrElseTheSource)
{
    struct Case {
        bool include;
        bool unicode;
        bool compact;
        std::string base;
    };
    const Case cases[] = {
        {true, false, false, "yyfparser"},
        {false, false, true, "yycparser"},
        {true, true, false, "yywfparser"},
        {false, true, true, "yywcparser"},
    };
    for (const Case& c : cases) {
        Emitted emitted(optionsFor(TargetLanguage::Cpp, CodeModel::Single, c.unicode, c.compact), c.include);
        emitted->parserName(true, "calc");
        emitted->includeOrSourceStream().writeNarrow("\tint extra;\n");
        emitted->parserName(false, "calc");
        const std::string source = emitted.source();
        const std::string declaration = c.include ? emitted.include() : source;
        EXPECT_EQ(source.empty(), c.include);
        const std::string head = kSeparator +
                                 "\n// calc\n\n"
                                 "#ifndef YYEXPPARSER\n#define YYEXPPARSER\n#endif\n\n"
                                 "class YYEXPPARSER YYFAR calc : public _YL " +
                                 c.base +
                                 " {\n"
                                 "public:\n\tcalc();\n\tvirtual ~calc();\n\n"
                                 "protected:\n\tvoid yytables();\n\tvirtual void yyaction(int action);\n";
        const std::string tail = "public:\n\tint extra;\n};\n\n#ifndef YYPARSERNAME\n#define YYPARSERNAME calc\n#endif\n\n";
        EXPECT_EQ(declaration.substr(0, head.size()), head);
        ASSERT_GE(declaration.size(), tail.size());
        EXPECT_EQ(declaration.substr(declaration.size() - tail.size()), tail);
        expectContainsAll(declaration,
                          {"#ifdef YYDEBUG\n", "\tvoid YYFAR* yyattribute1(int index) const;\n",
                           "\tvoid yyinitdebug(void YYFAR** p, int count) const;\n", "\t// attribute functions\n",
                           "virtual void yystacktoval(int index);", "virtual void yyvaltostack(int index);",
                           "virtual void yylvaltoval();", "virtual void yyvaltolval();",
                           "virtual void yylvaltostack(int index);", "virtual void YYFAR* yynewattribute(int count);",
                           "virtual void yydeleteattribute(void YYFAR* attribute);",
                           "virtual void yycopyattribute(void YYFAR* dest, const void YYFAR* src, int count);"},
                          c.base);
    }
}

TEST(CppEmitterText, ConstructorAndDestructorFrameTheUserBlocks)
{
    Emitted emitted(optionsFor(TargetLanguage::Cpp, CodeModel::Multiple), true);
    emitted->constructorBlock(true, "calc");
    emitted->sourceStream().writeNarrow("\tstart();\n");
    emitted->constructorBlock(false, "calc");
    emitted->destructorBlock(true, "calc");
    emitted->sourceStream().writeNarrow("\tstop();\n");
    emitted->destructorBlock(false, "calc");
    EXPECT_EQ(emitted.source(), kSeparator +
                                    "\n// constructor\n\nYYPARSERNAME::YYPARSERNAME()\n{\n\tyytables();\n"
                                    "\tstart();\n"
                                    "}\n\n" +
                                    kSeparator +
                                    "\n// destructor\n\nYYPARSERNAME::~YYPARSERNAME()\n{\n"
                                    "\t// allows virtual functions to be called properly for correct cleanup\n"
                                    "\tyydestroy();\n"
                                    "\tstop();\n"
                                    "}\n\n");
    EXPECT_EQ(emitted.include(), "");
}

TEST(CppEmitterText, UnionAndTokenConstantsWithoutTheLexerValue)
{
    Emitted emitted(optionsFor(TargetLanguage::Cpp), true);
    declareUnionAndTokens(emitted);
    EXPECT_EQ(emitted.include(), std::string(kUnionHead) + "\tint ival;\n" + kUnionTail + kCConstants);
}

TEST(CppEmitterText, ActionFunctionCasesAndAttributeForms)
{
    for (bool unicode : {false, true}) {
        Emitted emitted(optionsFor(TargetLanguage::Cpp, CodeModel::MultipleInstance, unicode));
        emitted->beginActionSwitch();
        writeSumAction(emitted, 2);
        emitted->endActionSwitch();
        emitted->endActionFunction();
        EXPECT_EQ(emitted.source(), "\tswitch (action) {\n"
                                    "\tcase 2:\n\t\t{\n"
                                    "#ifdef YYDEBUG\n\t\t\tYYSTYPE YYFAR* yya[4];\n"
                                    "\t\t\tyyinitdebug((void YYFAR**)yya, 4);\n#endif\n\t\t\t{\n"
                                    "\t(*(YYSTYPE YYFAR*)yyvalptr).ival = yyattribute(1 - 3).ival + "
                                    "yyattribute(3 - 3).ival;\n"
                                    "\t\t\t}\n\t\t}\n\t\tbreak;\n"
                                    "\tdefault:\n\t\tyyassert(0);\n\t\tbreak;\n\t}\n"
                                    "}\n");
    }
}

TEST(CppEmitterText, PrologueTemplateIsTheSameInEveryWidth)
{
    const std::string prologue = prologueOf(optionsFor(TargetLanguage::Cpp));
    EXPECT_EQ(prologueOf(optionsFor(TargetLanguage::Cpp, CodeModel::Multiple, true, true)), prologue);
    EXPECT_EQ(prologue.rfind(kValueDefaults, 0), 0u);
    const std::string head = "void YYPARSERNAME::yyaction(int action)\n{\n";
    EXPECT_EQ(prologue.substr(prologue.size() - head.size()), head);
    expectContainsAll(prologue,
                      {"#ifndef YYSTACK_SIZE\n#define YYSTACK_SIZE 100\n#endif\n",
                       kStackMaxDefault, "%name myparser",
                       "YYPARSERNAME::yyattribute1(int index) const",
                       "#define yyattribute(index) (*(YYSTYPE YYFAR*)yyattribute1(index))\n",
                       "#define yyattribute(index) (((YYSTYPE YYFAR*)yyattributestackptr)[yytop + (index)])\n",
                       "YYPARSERNAME::yystacktoval(int index)", "YYPARSERNAME::yyvaltostack(int index)",
                       "YYPARSERNAME::yylvaltoval()", "YYPARSERNAME::yyvaltolval()",
                       "YYPARSERNAME::yylvaltostack(int index)", "YYPARSERNAME::yynewattribute(int count)",
                       "new YYFAR YYSTYPE[count]", "YYPARSERNAME::yydeleteattribute(void YYFAR* attribute)",
                       "YYPARSERNAME::yycopyattribute(void YYFAR* dest, const void YYFAR* src, int count)",
                       "yyassert(index >= 0);", "yyassert(count >= 0);",
                       "YYPARSERNAME::yyinitdebug(void YYFAR** p, int count) const", "yyassert(p != NULL);",
                       "yyassert(count >= 1);", "yytop + i - (count - 1)"},
                      "C++");
}

TEST(JavaEmitterText, ClassHeadConstructorUnionAndConstants)
{
    for (bool compact : {false, true}) {
        Emitted emitted(optionsFor(TargetLanguage::Java, CodeModel::Single, true, compact));
        declareName(emitted, "\tint extra;\n", "\t\tstart();\n", "\tint more;\n");
        declareUnionAndTokens(emitted);
        EXPECT_EQ(emitted.source(), kSeparator + "\n// calc\n\npublic class calc extends " +
                                        (compact ? "yycparser" : "yyfparser") +
                                        " {\n"
                                        "\tint extra;\n"
                                        "\tpublic calc() {\n\t\tyytables();\n\t\tstart();\n\t}\n\n"
                                        "\tint more;\n"
                                        "\tpublic class YYSTYPE extends yyattribute {\n\tint ival;\n\t}\n\n"
                                        "\tpublic static final int NUMBER = 257;\n"
                                        "\tpublic static final int IF = 258;\n"
                                        "\tpublic static final int ELSE = 259;\n");
    }
}

TEST(JavaEmitterText, ActionMethodCasesAndAttributeForms)
{
    for (bool compact : {false, true}) {
        Emitted emitted(optionsFor(TargetLanguage::Java, CodeModel::Single, true, compact));
        emitted->beginActionFunction();
        emitted->beginActionSwitch();
        writeSumAction(emitted, 0);
        emitted->beginActionCase(1, std::nullopt);
        emitted->endActionCase(false);
        emitted->endActionSwitch();
        emitted->endActionFunction();
        const std::string source = emitted.source();
        const std::string methods =
            "\tprotected final YYSTYPE yyattribute(int index) {\n"
            "\t\tYYSTYPE attribute = (YYSTYPE)yyattributestackref[yytop + index];\n\t\treturn attribute;\n\t}\n\n"
            "\tprotected final yyattribute yynewattribute() {\n\t\treturn new YYSTYPE();\n\t}\n\n";
        EXPECT_EQ(source.substr(0, methods.size()), methods);
        expectContainsAll(source, {"yyinitdebug(int count)", "yytop + i - (count - 1)"}, "Java");
        const std::string function = std::string("\tprotected static ") + (compact ? "yyctables" : "yyftables") +
                                     " yytables = null;\n\n"
                                     "\tpublic final void yyaction(int action) {\n"
                                     "\t\tswitch (action) {\n"
                                     "\t\tcase 0:\n\t\t\t{\n"
                                     "\t\t\t\tYYSTYPE yya[];\n\t\t\t\tif (YYDEBUG) {\n"
                                     "\t\t\t\t\tyya = yyinitdebug(4);\n\t\t\t\t}\n"
                                     "\t((YYSTYPE)yyvalref).ival = yyattribute(1 - 3).ival + yyattribute(3 - 3).ival;\n"
                                     "\t\t\t}\n\t\t\tbreak;\n"
                                     "\t\tcase 1:\n\t\t\t{\n\t\t\t}\n\t\t\tbreak;\n"
                                     "\t\tdefault:\n\t\t\tbreak;\n\t\t}\n"
                                     "\t}\n";
        ASSERT_GE(source.size(), function.size());
        EXPECT_EQ(source.substr(source.size() - function.size()), function);
    }
}

// The JVM holds a method to 64 KB of code: past a budget of cases, or of
// lines of user code, the cases go on in a method that the default case
// calls.
TEST(JavaEmitterText, ActionCasesBeyondAMethodsBudgetGoOnInTheNextMethod)
{
    Emitted emitted(optionsFor(TargetLanguage::Java));
    emitted->beginActionFunction();
    emitted->beginActionSwitch();
    for (int number = 0; number < 501; ++number) {
        emitted->beginActionCase(number, std::nullopt);
        emitted->endActionCase(false);
    }
    // A long action fills the next method before its case budget does.
    emitted->beginActionCase(501, std::nullopt);
    for (int line = 0; line < 3000; ++line)
        emitted->sourceStream().writeNarrow("\tcount++;\n");
    emitted->endActionCase(false);
    emitted->beginActionCase(502, std::nullopt);
    emitted->endActionCase(false);
    emitted->endActionSwitch();
    emitted->endActionFunction();
    const std::string source = emitted.source();
    const std::string first = "\t\tcase 499:\n\t\t\t{\n\t\t\t}\n\t\t\tbreak;\n"
                              "\t\tdefault:\n\t\t\tyyaction1(action);\n\t\t\tbreak;\n\t\t}\n\t}\n\n"
                              "\tprivate void yyaction1(int action) {\n\t\tswitch (action) {\n"
                              "\t\tcase 500:\n";
    EXPECT_NE(source.find(first), std::string::npos);
    const std::string second = "\tcount++;\n\t\t\t}\n\t\t\tbreak;\n"
                               "\t\tdefault:\n\t\t\tyyaction2(action);\n\t\t\tbreak;\n\t\t}\n\t}\n\n"
                               "\tprivate void yyaction2(int action) {\n\t\tswitch (action) {\n"
                               "\t\tcase 502:\n\t\t\t{\n\t\t\t}\n\t\t\tbreak;\n"
                               "\t\tdefault:\n\t\t\tbreak;\n\t\t}\n\t}\n";
    ASSERT_GE(source.size(), second.size());
    EXPECT_EQ(source.substr(source.size() - second.size()), second);
}

TEST(JavaEmitterText, ClosesTheClassOnlyWithoutAProgramSection)
{
    Emitted without(optionsFor(TargetLanguage::Java));
    without->endSourceFile(false);
    EXPECT_EQ(without.source(), "}\n");
    Emitted with(optionsFor(TargetLanguage::Java));
    with->endSourceFile(true);
    EXPECT_EQ(with.source(), "");
}
