#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "brannock/Driver.h"
#include "brannock/Messages.h"
#include "toolframe/testing/TemporaryDirectory.h"

// The tables each emitter writes: declarations, rows with the comma before
// every row after the first, sizes, pointers and the forms of absent
// destructor tables, for C in each model and width, C++ and Java.
namespace {

using brannock::ActionKind;
using brannock::TokenOperand;
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

// One emitter writing its source into a fresh directory.
class TableOutput {
public:
    explicit TableOutput(const brannock::ToolOptions& options)
        : options_(options),
          diagnostics_('Y', brannock::messageCatalog()),
          stamp_{"01/01/70", "00:00:00"},
          emitter_(brannock::createEmitter({options_, codePage_, stamp_, diagnostics_}))
    {
        emitter_->sourceStream().open(directory_ / "g.out", {"g.out", "g.y"});
    }

    brannock::TargetEmitter& operator*() { return *emitter_; }

    std::string text()
    {
        emitter_->sourceStream().close();
        return directory_.read("g.out");
    }

private:
    toolframe::testing::TemporaryDirectory directory_;
    brannock::ToolOptions options_;
    toolframe::CodePage codePage_;
    toolframe::Diagnostics diagnostics_;
    toolframe::DateTimeStamp stamp_;
    std::unique_ptr<brannock::TargetEmitter> emitter_;
};

const TokenOperand kEnd{TokenOperand::Kind::EndOfInput, "$end"};
const TokenOperand kError{TokenOperand::Kind::Error, "error"};
const TokenOperand kNumber{TokenOperand::Kind::Named, "NUMBER"};
const TokenOperand kPlus{TokenOperand::Kind::Literal, "'+'"};

// The end of input and NUMBER are numbered; '+' stands for its own value.
void writeDebugTables(brannock::Emitter& e)
{
    e.beginDebugTables();
    e.beginSymbolTable();
    e.symbolRow(0, "$end", 0);
    e.symbolRow(1, "'+'", std::nullopt);
    e.symbolRow(2, "NUMBER", 257);
    e.endSymbolTable();
    e.beginRuleTable();
    e.ruleRow(0, "$accept: expr");
    e.ruleRow(1, "expr: expr '+' NUMBER");
    e.endRuleTable();
    e.endDebugTables();
}

void writeReductions(brannock::Emitter& e)
{
    e.beginReductionTable();
    e.reductionRow(0, 0, 1, -1);
    e.reductionRow(1, 1, 3, 0);
    e.reductionRow(2, 1, 1, -1);
    e.endReductionTable();
}

void writeFastActionsAndGotos(brannock::Emitter& e)
{
    e.beginTokenActionTable(3);
    e.tokenActionRow(0, 1, ActionKind::Shift, 2);
    e.tokenActionRow(1, -1, ActionKind::Error, 0);
    e.tokenActionRow(2, 0, ActionKind::Accept, 0);
    e.endTokenActionTable();
    e.beginStateActionTable();
    e.stateActionRow(0, 0, true, ActionKind::Reduce, 1);
    e.stateActionRow(1, -40, false, ActionKind::Default, 2);
    e.stateActionRow(2, 1, true, ActionKind::Error, 0);
    e.endStateActionTable();
    e.beginNonterminalGotoTable(2);
    e.nonterminalGotoRow(0, 0, 1);
    e.nonterminalGotoRow(1, 2, -1);
    e.endNonterminalGotoTable();
    e.beginStateGotoTable();
    e.stateGotoRow(0, 0, -1);
    e.stateGotoRow(1, -1, 3);
    e.endStateGotoTable();
}

// Every kind of token operand, and the run's closing row for all tokens.
void writeCompactActionsAndGotos(brannock::Emitter& e)
{
    e.beginCompactTokenActionTable();
    e.compactTokenActionRow(0, kEnd, ActionKind::Accept, 0);
    e.compactTokenActionRow(1, kError, ActionKind::Shift, 3);
    e.compactTokenActionRow(2, kNumber, ActionKind::Shift, 4);
    e.compactTokenActionRow(3, kPlus, ActionKind::Reduce, 2);
    e.compactTokenActionRow(4, std::nullopt, ActionKind::Default, 1);
    e.endCompactTokenActionTable();
    e.beginCompactStateActionTable();
    e.compactStateActionRow(0, 0);
    e.compactStateActionRow(1, 4);
    e.endCompactStateActionTable();
    e.beginCompactNonterminalGotoTable();
    e.compactNonterminalGotoRow(0, 1, 2);
    e.compactNonterminalGotoRow(1, -1, -1);
    e.endCompactNonterminalGotoTable();
    e.beginCompactStateGotoTable();
    e.compactStateGotoRow(0, 0);
    e.compactStateGotoRow(1, 1);
    e.endCompactStateGotoTable();
}

void writeStateDestructors(brannock::Emitter& e)
{
    e.beginStateDestructorTable();
    e.stateDestructorRow(0, -1);
    e.stateDestructorRow(1, 3);
    e.stateDestructorRow(2, -1);
    e.endStateDestructorTable();
}

// Two runs of token destructors.
void writeFastTokenDestructors(brannock::Emitter& e)
{
    e.beginTokenDestructorTable();
    e.tokenDestructorRow(0, 0, 3);
    e.tokenDestructorRow(1, -1, -1);
    e.tokenDestructorRow(2, 1, 4);
    e.endTokenDestructorTable(3);
    e.beginTokenDestructorBaseTable();
    e.tokenDestructorBaseRow(0, -257);
    e.tokenDestructorBaseRow(1, -2998);
    e.endTokenDestructorBaseTable(2);
}

void writeCompactTokenDestructors(brannock::Emitter& e)
{
    e.beginCompactTokenDestructorTable();
    e.compactTokenDestructorRow(0, kNumber, 3);
    e.compactTokenDestructorRow(1, kPlus, 4);
    e.compactTokenDestructorRow(2, std::nullopt, 0);
    e.endCompactTokenDestructorTable();
}

void writeNoDestructors(brannock::Emitter& e, bool compact)
{
    e.noStateDestructorTable();
    if (compact) {
        e.noCompactTokenDestructorTable();
        return;
    }
    e.noTokenDestructorTable();
    e.noTokenDestructorBaseTable();
}

// The whole table sequence as the table builder writes it.
void writeAllTables(brannock::Emitter& e, bool compact, bool destructors)
{
    e.beginTables();
    writeDebugTables(e);
    writeReductions(e);
    if (compact)
        writeCompactActionsAndGotos(e);
    else
        writeFastActionsAndGotos(e);
    if (!destructors) {
        writeNoDestructors(e, compact);
    } else {
        writeStateDestructors(e);
        if (compact)
            writeCompactTokenDestructors(e);
        else
            writeFastTokenDestructors(e);
    }
    e.endTables();
}

template <class Write>
std::string written(const brannock::ToolOptions& options, Write write)
{
    TableOutput output(options);
    write(*output);
    return output.text();
}

} // namespace

TEST(CEmitterTables, SingleModelFastTablesAreGlobalDefinitions)
{
    const std::string text = written(optionsFor(TargetLanguage::C), [](brannock::Emitter& e) {
        e.beginTables();
        writeDebugTables(e);
        writeReductions(e);
        writeFastActionsAndGotos(e);
        e.endTables();
    });
    EXPECT_EQ(text, "#ifdef YYDEBUG\n"
                    "YYCONST yysymbol_t YYNEARFAR YYBASED_CODE YYDCDECL yysymbol[] = {\n"
                    "\t{ \"$end\", 0 },\n"
                    "\t{ \"\\'+\\'\", '+' },\n"
                    "\t{ \"NUMBER\", 257 },\n"
                    "\t{ NULL, 0 }\n"
                    "};\n"
                    "\n"
                    "YYCONST char *YYCONST YYNEARFAR YYBASED_CODE YYDCDECL yyrule[] = {\n"
                    "\t\"$accept: expr\",\n"
                    "\t\"expr: expr \\'+\\' NUMBER\"\n"
                    "};\n"
                    "#endif\n"
                    "\n"
                    "YYCONST yyreduction_t YYNEARFAR YYBASED_CODE YYDCDECL yyreduction[] = {\n"
                    "\t{ 0, 1, -1 },\n"
                    "\t{ 1, 3, 0 },\n"
                    "\t{ 1, 1, -1 }\n"
                    "};\n"
                    "\n"
                    "int YYNEAR YYDCDECL yytokenaction_size = 3;\n"
                    "YYCONST yytokenaction_t YYNEARFAR YYBASED_CODE YYDCDECL yytokenaction[] = {\n"
                    "\t{ 1, YYAT_SHIFT, 2 },\n"
                    "\t{ -1, YYAT_ERROR, 0 },\n"
                    "\t{ 0, YYAT_ACCEPT, 0 }\n"
                    "};\n"
                    "\n"
                    "YYCONST yystateaction_t YYNEARFAR YYBASED_CODE YYDCDECL yystateaction[] = {\n"
                    "\t{ 0, 1, YYAT_REDUCE, 1 },\n"
                    "\t{ -40, 0, YYAT_DEFAULT, 2 },\n"
                    "\t{ 1, 1, YYAT_ERROR, 0 }\n"
                    "};\n"
                    "\n"
                    "int YYNEAR YYDCDECL yynontermgoto_size = 2;\n"
                    "YYCONST yynontermgoto_t YYNEARFAR YYBASED_CODE YYDCDECL yynontermgoto[] = {\n"
                    "\t{ 0, 1 },\n"
                    "\t{ 2, -1 }\n"
                    "};\n"
                    "\n"
                    "YYCONST yystategoto_t YYNEARFAR YYBASED_CODE YYDCDECL yystategoto[] = {\n"
                    "\t{ 0, -1 },\n"
                    "\t{ -1, 3 }\n"
                    "};\n"
                    "\n");
}

TEST(CEmitterTables, SingleModelCompactTablesNameTokensSymbolically)
{
    const std::string text = written(optionsFor(TargetLanguage::C, CodeModel::Single, false, true),
                                     [](brannock::Emitter& e) { writeCompactActionsAndGotos(e); });
    EXPECT_EQ(text, "YYCONST yyctokenaction_t YYNEARFAR YYBASED_CODE YYDCDECL yyctokenaction[] = {\n"
                    "\t{ 0, YYAT_ACCEPT, 0 },\n"
                    "\t{ YYTK_ERROR, YYAT_SHIFT, 3 },\n"
                    "\t{ NUMBER, YYAT_SHIFT, 4 },\n"
                    "\t{ '+', YYAT_REDUCE, 2 },\n"
                    "\t{ YYTK_ALL, YYAT_DEFAULT, 1 }\n"
                    "};\n"
                    "\n"
                    "YYCONST yycstateaction_t YYNEARFAR YYBASED_CODE YYDCDECL yycstateaction[] = {\n"
                    "\t0,\n"
                    "\t4\n"
                    "};\n"
                    "\n"
                    "YYCONST yycnontermgoto_t YYNEARFAR YYBASED_CODE YYDCDECL yycnontermgoto[] = {\n"
                    "\t{ 1, 2 },\n"
                    "\t{ -1, -1 }\n"
                    "};\n"
                    "\n"
                    "YYCONST yycstategoto_t YYNEARFAR YYBASED_CODE YYDCDECL yycstategoto[] = {\n"
                    "\t0,\n"
                    "\t1\n"
                    "};\n"
                    "\n");
}

TEST(CEmitterTables, SingleModelDestructorTablesAreStaticBehindPointers)
{
    const std::string fast = written(optionsFor(TargetLanguage::C), [](brannock::Emitter& e) {
        writeStateDestructors(e);
        writeFastTokenDestructors(e);
    });
    EXPECT_EQ(fast, "static YYCONST yydestructor_t YYNEARFAR YYBASED_CODE yydestructor[] = {\n"
                    "\t-1,\n"
                    "\t3,\n"
                    "\t-1\n"
                    "};\n"
                    "YYCONST yydestructor_t YYNEARFAR *YYNEAR YYDCDECL yydestructorptr = yydestructor;\n"
                    "\n"
                    "static YYCONST yytokendest_t YYNEARFAR YYBASED_CODE yytokendest[] = {\n"
                    "\t{ 0, 3 },\n"
                    "\t{ -1, -1 },\n"
                    "\t{ 1, 4 }\n"
                    "};\n"
                    "YYCONST yytokendest_t YYNEARFAR *YYNEAR YYDCDECL yytokendestptr = yytokendest;\n"
                    "int YYNEAR YYDCDECL yytokendest_size = 3;\n"
                    "\n"
                    "static YYCONST yytokendestbase_t YYNEARFAR YYBASED_CODE yytokendestbase[] = {\n"
                    "\t-257,\n"
                    "\t-2998\n"
                    "};\n"
                    "YYCONST yytokendestbase_t YYNEARFAR *YYNEAR YYDCDECL yytokendestbaseptr = yytokendestbase;\n"
                    "int YYNEAR YYDCDECL yytokendestbase_size = 2;\n"
                    "\n");

    const std::string compact = written(optionsFor(TargetLanguage::C, CodeModel::Single, false, true),
                                        [](brannock::Emitter& e) { writeCompactTokenDestructors(e); });
    EXPECT_EQ(compact, "static YYCONST yyctokendest_t YYNEARFAR YYBASED_CODE yyctokendest[] = {\n"
                       "\t{ NUMBER, 3 },\n"
                       "\t{ '+', 4 },\n"
                       "\t{ -1, 0 }\n"
                       "};\n"
                       "YYCONST yyctokendest_t YYNEARFAR *YYNEAR YYDCDECL yyctokendestptr = yyctokendest;\n"
                       "\n");
}

TEST(CEmitterTables, SingleModelAbsentDestructorTablesAreNullPointers)
{
    const std::string fast =
        written(optionsFor(TargetLanguage::C), [](brannock::Emitter& e) { writeNoDestructors(e, false); });
    EXPECT_EQ(fast, "YYCONST yydestructor_t YYNEARFAR *YYNEAR YYDCDECL yydestructorptr = NULL;\n"
                    "\n"
                    "YYCONST yytokendest_t YYNEARFAR *YYNEAR YYDCDECL yytokendestptr = NULL;\n"
                    "int YYNEAR YYDCDECL yytokendest_size = 0;\n"
                    "\n"
                    "YYCONST yytokendestbase_t YYNEARFAR *YYNEAR YYDCDECL yytokendestbaseptr = NULL;\n"
                    "int YYNEAR YYDCDECL yytokendestbase_size = 0;\n"
                    "\n");
    const std::string compact = written(optionsFor(TargetLanguage::C, CodeModel::Single, false, true),
                                        [](brannock::Emitter& e) { writeNoDestructors(e, true); });
    EXPECT_EQ(compact, "YYCONST yydestructor_t YYNEARFAR *YYNEAR YYDCDECL yydestructorptr = NULL;\n"
                       "\n"
                       "YYCONST yyctokendest_t YYNEARFAR *YYNEAR YYDCDECL yyctokendestptr = NULL;\n"
                       "\n");
}

TEST(CEmitterTables, MultipleModelsDeclareStaticTablesAndMacros)
{
    // The two multiple models write the tables alike.
    for (CodeModel model : {CodeModel::Multiple, CodeModel::MultipleInstance}) {
        const std::string fast = written(optionsFor(TargetLanguage::C, model), [](brannock::Emitter& e) {
            writeDebugTables(e);
            writeFastActionsAndGotos(e);
            writeStateDestructors(e);
            writeFastTokenDestructors(e);
        });
        EXPECT_EQ(fast, "#ifdef YYDEBUG\n"
                        "static YYCONST yymsymbol_t YYNEARFAR YYBASED_CODE yysymbol[] = {\n"
                        "\t{ \"$end\", 0 },\n"
                        "\t{ \"\\'+\\'\", '+' },\n"
                        "\t{ \"NUMBER\", 257 },\n"
                        "\t{ NULL, 0 }\n"
                        "};\n"
                        "\n"
                        "static YYCONST char *YYCONST YYNEARFAR YYBASED_CODE yyrule[] = {\n"
                        "\t\"$accept: expr\",\n"
                        "\t\"expr: expr \\'+\\' NUMBER\"\n"
                        "};\n"
                        "#endif\n"
                        "\n"
                        "#define YYTOKENACTION_SIZE 3\n"
                        "static YYCONST yymtokenaction_t YYNEARFAR YYBASED_CODE yytokenaction[] = {\n"
                        "\t{ 1, YYAT_SHIFT, 2 },\n"
                        "\t{ -1, YYAT_ERROR, 0 },\n"
                        "\t{ 0, YYAT_ACCEPT, 0 }\n"
                        "};\n"
                        "\n"
                        "static YYCONST yymstateaction_t YYNEARFAR YYBASED_CODE yystateaction[] = {\n"
                        "\t{ 0, 1, YYAT_REDUCE, 1 },\n"
                        "\t{ -40, 0, YYAT_DEFAULT, 2 },\n"
                        "\t{ 1, 1, YYAT_ERROR, 0 }\n"
                        "};\n"
                        "\n"
                        "#define YYNONTERMGOTO_SIZE 2\n"
                        "static YYCONST yymnontermgoto_t YYNEARFAR YYBASED_CODE yynontermgoto[] = {\n"
                        "\t{ 0, 1 },\n"
                        "\t{ 2, -1 }\n"
                        "};\n"
                        "\n"
                        "static YYCONST yymstategoto_t YYNEARFAR YYBASED_CODE yystategoto[] = {\n"
                        "\t{ 0, -1 },\n"
                        "\t{ -1, 3 }\n"
                        "};\n"
                        "\n"
                        "static YYCONST yydestructor_t YYNEARFAR YYBASED_CODE yydestructor[] = {\n"
                        "\t-1,\n"
                        "\t3,\n"
                        "\t-1\n"
                        "};\n"
                        "#define YYDESTRUCTORPTR yydestructor\n"
                        "\n"
                        "static YYCONST yymtokendest_t YYNEARFAR YYBASED_CODE yytokendest[] = {\n"
                        "\t{ 0, 3 },\n"
                        "\t{ -1, -1 },\n"
                        "\t{ 1, 4 }\n"
                        "};\n"
                        "#define YYTOKENDESTPTR yytokendest\n"
                        "#define YYTOKENDEST_SIZE 3\n"
                        "\n"
                        "static YYCONST yytokendestbase_t YYNEARFAR YYBASED_CODE yytokendestbase[] = {\n"
                        "\t-257,\n"
                        "\t-2998\n"
                        "};\n"
                        "#define YYTOKENDESTBASEPTR yytokendestbase\n"
                        "#define YYTOKENDESTBASE_SIZE 2\n"
                        "\n")
            << static_cast<int>(model);

        const std::string compact = written(optionsFor(TargetLanguage::C, model, false, true),
                                            [](brannock::Emitter& e) {
                                                writeCompactActionsAndGotos(e);
                                                writeCompactTokenDestructors(e);
                                            });
        EXPECT_EQ(compact, "static YYCONST yymctokenaction_t YYNEARFAR YYBASED_CODE yyctokenaction[] = {\n"
                           "\t{ 0, YYAT_ACCEPT, 0 },\n"
                           "\t{ YYTK_ERROR, YYAT_SHIFT, 3 },\n"
                           "\t{ NUMBER, YYAT_SHIFT, 4 },\n"
                           "\t{ '+', YYAT_REDUCE, 2 },\n"
                           "\t{ YYTK_ALL, YYAT_DEFAULT, 1 }\n"
                           "};\n"
                           "\n"
                           "static YYCONST yycstateaction_t YYNEARFAR YYBASED_CODE yycstateaction[] = {\n"
                           "\t0,\n"
                           "\t4\n"
                           "};\n"
                           "\n"
                           "static YYCONST yymcnontermgoto_t YYNEARFAR YYBASED_CODE yycnontermgoto[] = {\n"
                           "\t{ 1, 2 },\n"
                           "\t{ -1, -1 }\n"
                           "};\n"
                           "\n"
                           "static YYCONST yycstategoto_t YYNEARFAR YYBASED_CODE yycstategoto[] = {\n"
                           "\t0,\n"
                           "\t1\n"
                           "};\n"
                           "\n"
                           "static YYCONST yymctokendest_t YYNEARFAR YYBASED_CODE yyctokendest[] = {\n"
                           "\t{ NUMBER, 3 },\n"
                           "\t{ '+', 4 },\n"
                           "\t{ -1, 0 }\n"
                           "};\n"
                           "#define YYCTOKENDESTPTR yyctokendest\n"
                           "\n")
            << static_cast<int>(model);
    }
}

TEST(CEmitterTables, MultipleModelsDefineNullMacrosForAbsentTables)
{
    const std::string fast = written(optionsFor(TargetLanguage::C, CodeModel::Multiple),
                                     [](brannock::Emitter& e) { writeNoDestructors(e, false); });
    EXPECT_EQ(fast, "#define YYDESTRUCTORPTR NULL\n"
                    "\n"
                    "#define YYTOKENDESTPTR NULL\n"
                    "#define YYTOKENDEST_SIZE 0\n"
                    "\n"
                    "#define YYTOKENDESTBASEPTR NULL\n"
                    "#define YYTOKENDESTBASE_SIZE 0\n"
                    "\n");
    const std::string compact = written(optionsFor(TargetLanguage::C, CodeModel::MultipleInstance, false, true),
                                        [](brannock::Emitter& e) { writeNoDestructors(e, true); });
    EXPECT_EQ(compact, "#define YYDESTRUCTORPTR NULL\n"
                       "\n"
                       "#define YYCTOKENDESTPTR NULL\n"
                       "\n");
}

// The parser object reads the tables through these names; every one of
// them must be defined by the tables before it.
TEST(CEmitterTables, MultipleModelsDefineWhatTheParserObjectReads)
{
    for (bool compact : {false, true}) {
        const std::string text =
            written(optionsFor(TargetLanguage::C, CodeModel::Multiple, false, compact), [compact](brannock::Emitter& e) {
                writeAllTables(e, compact, true);
                e.endSourceFile(false);
            });
        const std::string parserObject = text.substr(text.find("YYPARSERNAME = {"));
        const char* const fastNames[] = {"yystateaction",   "yytokenaction",        "YYTOKENACTION_SIZE",
                                         "yystategoto",     "yynontermgoto",        "YYNONTERMGOTO_SIZE",
                                         "YYTOKENDESTPTR",  "YYTOKENDEST_SIZE",     "YYTOKENDESTBASEPTR",
                                         "YYTOKENDESTBASE_SIZE"};
        const char* const compactNames[] = {"yycstateaction", "yyctokenaction", "yycstategoto", "yycnontermgoto",
                                            "YYCTOKENDESTPTR"};
        // A table by its name, or a macro.
        auto defined = [&text](const std::string& name) {
            return text.find("#define " + name + " ") != std::string::npos ||
                   text.find(" " + name + "[] = {") != std::string::npos;
        };
        for (const char* name : fastNames) {
            EXPECT_NE(parserObject.find(name), std::string::npos) << name;
            EXPECT_TRUE(compact || defined(name)) << name;
        }
        for (const char* name : compactNames) {
            EXPECT_NE(parserObject.find(name), std::string::npos) << name;
            EXPECT_TRUE(!compact || defined(name)) << name;
        }
        EXPECT_NE(text.find("#define YYDESTRUCTORPTR yydestructor\n"), std::string::npos);
    }
}

TEST(CEmitterTables, UnicodeTakesTheWideNamesAndLiterals)
{
    const std::string single = written(optionsFor(TargetLanguage::C, CodeModel::Single, true, true),
                                       [](brannock::Emitter& e) {
                                           writeDebugTables(e);
                                           e.beginCompactTokenActionTable();
                                           e.compactTokenActionRow(0, kError, ActionKind::Shift, 3);
                                           e.compactTokenActionRow(1, kPlus, ActionKind::Reduce, 2);
                                           e.compactTokenActionRow(2, std::nullopt, ActionKind::Error, 0);
                                           e.endCompactTokenActionTable();
                                           writeCompactTokenDestructors(e);
                                           e.noStateDestructorTable();
                                       });
    EXPECT_EQ(single, "#ifdef YYDEBUG\n"
                      "YYCONST yywsymbol_t YYNEARFAR YYBASED_CODE YYDCDECL yywsymbol[] = {\n"
                      "\t{ L\"$end\", 0 },\n"
                      "\t{ L\"\\'+\\'\", L'+' },\n"
                      "\t{ L\"NUMBER\", 257 },\n"
                      "\t{ NULL, 0 }\n"
                      "};\n"
                      "\n"
                      "YYCONST wchar_t *YYCONST YYNEARFAR YYBASED_CODE YYDCDECL yywrule[] = {\n"
                      "\tL\"$accept: expr\",\n"
                      "\tL\"expr: expr \\'+\\' NUMBER\"\n"
                      "};\n"
                      "#endif\n"
                      "\n"
                      "YYCONST yywctokenaction_t YYNEARFAR YYBASED_CODE YYDCDECL yywctokenaction[] = {\n"
                      "\t{ YYWTK_ERROR, YYAT_SHIFT, 3 },\n"
                      "\t{ L'+', YYAT_REDUCE, 2 },\n"
                      "\t{ YYWTK_ALL, YYAT_ERROR, 0 }\n"
                      "};\n"
                      "\n"
                      "static YYCONST yywctokendest_t YYNEARFAR YYBASED_CODE yywctokendest[] = {\n"
                      "\t{ NUMBER, 3 },\n"
                      "\t{ L'+', 4 },\n"
                      "\t{ -1, 0 }\n"
                      "};\n"
                      "YYCONST yywctokendest_t YYNEARFAR *YYNEAR YYDCDECL yywctokendestptr = yywctokendest;\n"
                      "\n"
                      "YYCONST yywdestructor_t YYNEARFAR *YYNEAR YYDCDECL yywdestructorptr = NULL;\n"
                      "\n");

    const std::string multiple = written(optionsFor(TargetLanguage::C, CodeModel::Multiple, true),
                                         [](brannock::Emitter& e) {
                                             e.beginTokenActionTable(1);
                                             e.tokenActionRow(0, 0, ActionKind::Accept, 0);
                                             e.endTokenActionTable();
                                             writeStateDestructors(e);
                                             e.noTokenDestructorTable();
                                             e.noTokenDestructorBaseTable();
                                         });
    EXPECT_EQ(multiple, "#define YYWTOKENACTION_SIZE 1\n"
                        "static YYCONST yywmtokenaction_t YYNEARFAR YYBASED_CODE yywtokenaction[] = {\n"
                        "\t{ 0, YYAT_ACCEPT, 0 }\n"
                        "};\n"
                        "\n"
                        "static YYCONST yywdestructor_t YYNEARFAR YYBASED_CODE yywdestructor[] = {\n"
                        "\t-1,\n"
                        "\t3,\n"
                        "\t-1\n"
                        "};\n"
                        "#define YYWDESTRUCTORPTR yywdestructor\n"
                        "\n"
                        "#define YYWTOKENDESTPTR NULL\n"
                        "#define YYWTOKENDEST_SIZE 0\n"
                        "\n"
                        "#define YYWTOKENDESTBASEPTR NULL\n"
                        "#define YYWTOKENDESTBASE_SIZE 0\n"
                        "\n");
}

TEST(CEmitterTables, StringTablesAreEscapedAndNotTakenForTemplates)
{
    // The rule text holds the characters the templates use as placeholders.
    const std::string text = written(optionsFor(TargetLanguage::C), [](brannock::Emitter& e) {
        e.beginSymbolTable();
        e.symbolRow(0, "'\\n'", 10);
        e.endSymbolTable();
        e.beginRuleTable();
        e.ruleRow(0, "a: '?' '\"' $$1 @x ^y");
        e.endRuleTable();
    });
    EXPECT_EQ(text, "YYCONST yysymbol_t YYNEARFAR YYBASED_CODE YYDCDECL yysymbol[] = {\n"
                    "\t{ \"\\'\\\\n\\'\", 10 },\n"
                    "\t{ NULL, 0 }\n"
                    "};\n"
                    "\n"
                    "YYCONST char *YYCONST YYNEARFAR YYBASED_CODE YYDCDECL yyrule[] = {\n"
                    "\t\"a: \\'\\?\\' \\'\\\"\\' $$1 @x ^y\"\n"
                    "};\n");
}

TEST(CEmitterTables, NoFrameAroundTheTables)
{
    EXPECT_EQ(written(optionsFor(TargetLanguage::C), [](brannock::Emitter& e) {
                  e.beginTables();
                  e.endTables();
              }),
              "");
}

namespace {

const char* const kCppTablesHead = "\nvoid YYPARSERNAME::yytables()\n"
                                   "{\n"
                                   "\tyyattribute_size = sizeof(YYSTYPE);\n"
                                   "\tyysstack_size = YYSTACK_SIZE;\n"
                                   "\tyystack_max = YYSTACK_MAX;\n";

} // namespace

TEST(CppEmitterTables, FastTablesAreLocalArraysAssignedToTheMembers)
{
    const std::string text = written(optionsFor(TargetLanguage::Cpp),
                                     [](brannock::Emitter& e) { writeAllTables(e, false, true); });
    EXPECT_EQ(text, std::string(kCppTablesHead) +
                        "\n#ifdef YYDEBUG\n"
                        "\tstatic const yysymbol_t YYNEARFAR YYBASED_CODE symbol[] = {\n"
                        "\t\t{ \"$end\", 0 },\n"
                        "\t\t{ \"\\'+\\'\", '+' },\n"
                        "\t\t{ \"NUMBER\", 257 },\n"
                        "\t\t{ NULL, 0 }\n"
                        "\t};\n"
                        "\tyysymbol = symbol;\n"
                        "\n"
                        "\tstatic const char* const YYNEARFAR YYBASED_CODE rule[] = {\n"
                        "\t\t\"$accept: expr\",\n"
                        "\t\t\"expr: expr \\'+\\' NUMBER\"\n"
                        "\t};\n"
                        "\tyyrule = rule;\n"
                        "#endif\n"
                        "\n"
                        "\tstatic const yyreduction_t YYNEARFAR YYBASED_CODE reduction[] = {\n"
                        "\t\t{ 0, 1, -1 },\n"
                        "\t\t{ 1, 3, 0 },\n"
                        "\t\t{ 1, 1, -1 }\n"
                        "\t};\n"
                        "\tyyreduction = reduction;\n"
                        "\n"
                        "\tyytokenaction_size = 3;\n"
                        "\n"
                        "\tstatic const yytokenaction_t YYNEARFAR YYBASED_CODE tokenaction[] = {\n"
                        "\t\t{ 1, YYAT_SHIFT, 2 },\n"
                        "\t\t{ -1, YYAT_ERROR, 0 },\n"
                        "\t\t{ 0, YYAT_ACCEPT, 0 }\n"
                        "\t};\n"
                        "\tyytokenaction = tokenaction;\n"
                        "\n"
                        "\tstatic const yystateaction_t YYNEARFAR YYBASED_CODE stateaction[] = {\n"
                        "\t\t{ 0, 1, YYAT_REDUCE, 1 },\n"
                        "\t\t{ -40, 0, YYAT_DEFAULT, 2 },\n"
                        "\t\t{ 1, 1, YYAT_ERROR, 0 }\n"
                        "\t};\n"
                        "\tyystateaction = stateaction;\n"
                        "\n"
                        "\tyynontermgoto_size = 2;\n"
                        "\n"
                        "\tstatic const yynontermgoto_t YYNEARFAR YYBASED_CODE nontermgoto[] = {\n"
                        "\t\t{ 0, 1 },\n"
                        "\t\t{ 2, -1 }\n"
                        "\t};\n"
                        "\tyynontermgoto = nontermgoto;\n"
                        "\n"
                        "\tstatic const yystategoto_t YYNEARFAR YYBASED_CODE stategoto[] = {\n"
                        "\t\t{ 0, -1 },\n"
                        "\t\t{ -1, 3 }\n"
                        "\t};\n"
                        "\tyystategoto = stategoto;\n"
                        "\n"
                        "\tstatic const yydestructor_t YYNEARFAR YYBASED_CODE destructor[] = {\n"
                        "\t\t-1,\n"
                        "\t\t3,\n"
                        "\t\t-1\n"
                        "\t};\n"
                        "\tyydestructorptr = destructor;\n"
                        "\n"
                        "\tstatic const yytokendest_t YYNEARFAR YYBASED_CODE tokendest[] = {\n"
                        "\t\t{ 0, 3 },\n"
                        "\t\t{ -1, -1 },\n"
                        "\t\t{ 1, 4 }\n"
                        "\t};\n"
                        "\tyytokendestptr = tokendest;\n"
                        "\tyytokendest_size = 3;\n"
                        "\n"
                        "\tstatic const yytokendestbase_t YYNEARFAR YYBASED_CODE tokendestbase[] = {\n"
                        "\t\t-257,\n"
                        "\t\t-2998\n"
                        "\t};\n"
                        "\tyytokendestbaseptr = tokendestbase;\n"
                        "\tyytokendestbase_size = 2;\n"
                        "}\n");
}

TEST(CppEmitterTables, UnicodeCompactTablesTakeTheWideRowTypes)
{
    const std::string text = written(optionsFor(TargetLanguage::Cpp, CodeModel::Single, true, true),
                                     [](brannock::Emitter& e) { writeAllTables(e, true, true); });
    EXPECT_EQ(text, std::string(kCppTablesHead) +
                        "\n#ifdef YYDEBUG\n"
                        "\tstatic const yywsymbol_t YYNEARFAR YYBASED_CODE symbol[] = {\n"
                        "\t\t{ L\"$end\", 0 },\n"
                        "\t\t{ L\"\\'+\\'\", L'+' },\n"
                        "\t\t{ L\"NUMBER\", 257 },\n"
                        "\t\t{ NULL, 0 }\n"
                        "\t};\n"
                        "\tyysymbol = symbol;\n"
                        "\n"
                        "\tstatic const wchar_t* const YYNEARFAR YYBASED_CODE rule[] = {\n"
                        "\t\tL\"$accept: expr\",\n"
                        "\t\tL\"expr: expr \\'+\\' NUMBER\"\n"
                        "\t};\n"
                        "\tyyrule = rule;\n"
                        "#endif\n"
                        "\n"
                        "\tstatic const yywreduction_t YYNEARFAR YYBASED_CODE reduction[] = {\n"
                        "\t\t{ 0, 1, -1 },\n"
                        "\t\t{ 1, 3, 0 },\n"
                        "\t\t{ 1, 1, -1 }\n"
                        "\t};\n"
                        "\tyyreduction = reduction;\n"
                        "\n"
                        "\tstatic const yywctokenaction_t YYNEARFAR YYBASED_CODE ctokenaction[] = {\n"
                        "\t\t{ 0, YYAT_ACCEPT, 0 },\n"
                        "\t\t{ YYWTK_ERROR, YYAT_SHIFT, 3 },\n"
                        "\t\t{ NUMBER, YYAT_SHIFT, 4 },\n"
                        "\t\t{ L'+', YYAT_REDUCE, 2 },\n"
                        "\t\t{ YYWTK_ALL, YYAT_DEFAULT, 1 }\n"
                        "\t};\n"
                        "\tyyctokenaction = ctokenaction;\n"
                        "\n"
                        "\tstatic const yywcstateaction_t YYNEARFAR YYBASED_CODE cstateaction[] = {\n"
                        "\t\t0,\n"
                        "\t\t4\n"
                        "\t};\n"
                        "\tyycstateaction = cstateaction;\n"
                        "\n"
                        "\tstatic const yywcnontermgoto_t YYNEARFAR YYBASED_CODE cnontermgoto[] = {\n"
                        "\t\t{ 1, 2 },\n"
                        "\t\t{ -1, -1 }\n"
                        "\t};\n"
                        "\tyycnontermgoto = cnontermgoto;\n"
                        "\n"
                        "\tstatic const yywcstategoto_t YYNEARFAR YYBASED_CODE cstategoto[] = {\n"
                        "\t\t0,\n"
                        "\t\t1\n"
                        "\t};\n"
                        "\tyycstategoto = cstategoto;\n"
                        "\n"
                        "\tstatic const yywdestructor_t YYNEARFAR YYBASED_CODE destructor[] = {\n"
                        "\t\t-1,\n"
                        "\t\t3,\n"
                        "\t\t-1\n"
                        "\t};\n"
                        "\tyydestructorptr = destructor;\n"
                        "\n"
                        "\tstatic const yywctokendest_t YYNEARFAR YYBASED_CODE ctokendest[] = {\n"
                        "\t\t{ NUMBER, 3 },\n"
                        "\t\t{ L'+', 4 },\n"
                        "\t\t{ -1, 0 }\n"
                        "\t};\n"
                        "\tyyctokendestptr = ctokendest;\n"
                        "}\n");
}

TEST(CppEmitterTables, ByteCompactTokensAndUnicodeFastRows)
{
    const std::string compact = written(optionsFor(TargetLanguage::Cpp, CodeModel::Single, false, true),
                                        [](brannock::Emitter& e) {
                                            e.beginCompactTokenActionTable();
                                            e.compactTokenActionRow(0, kError, ActionKind::Shift, 3);
                                            e.compactTokenActionRow(1, kPlus, ActionKind::Reduce, 2);
                                            e.compactTokenActionRow(2, std::nullopt, ActionKind::Error, 0);
                                            e.endCompactTokenActionTable();
                                        });
    EXPECT_EQ(compact, "\tstatic const yyctokenaction_t YYNEARFAR YYBASED_CODE ctokenaction[] = {\n"
                       "\t\t{ YYTK_ERROR, YYAT_SHIFT, 3 },\n"
                       "\t\t{ '+', YYAT_REDUCE, 2 },\n"
                       "\t\t{ YYTK_ALL, YYAT_ERROR, 0 }\n"
                       "\t};\n"
                       "\tyyctokenaction = ctokenaction;\n"
                       "\n");
    const std::string fast = written(optionsFor(TargetLanguage::Cpp, CodeModel::Single, true),
                                     [](brannock::Emitter& e) {
                                         e.beginNonterminalGotoTable(1);
                                         e.nonterminalGotoRow(0, 0, 1);
                                         e.endNonterminalGotoTable();
                                     });
    EXPECT_EQ(fast, "\tyynontermgoto_size = 1;\n"
                    "\n"
                    "\tstatic const yywnontermgoto_t YYNEARFAR YYBASED_CODE nontermgoto[] = {\n"
                    "\t\t{ 0, 1 }\n"
                    "\t};\n"
                    "\tyynontermgoto = nontermgoto;\n"
                    "\n");
}

TEST(CppEmitterTables, AbsentDestructorTablesAssignNull)
{
    const std::string fast = written(optionsFor(TargetLanguage::Cpp), [](brannock::Emitter& e) {
        writeNoDestructors(e, false);
        e.endTables();
    });
    EXPECT_EQ(fast, "\tyydestructorptr = NULL;\n"
                    "\n"
                    "\tyytokendestptr = NULL;\n"
                    "\tyytokendest_size = 0;\n"
                    "\n"
                    "\tyytokendestbaseptr = NULL;\n"
                    "\tyytokendestbase_size = 0;\n"
                    "}\n");
    const std::string compact = written(optionsFor(TargetLanguage::Cpp, CodeModel::Single, false, true),
                                        [](brannock::Emitter& e) {
                                            writeNoDestructors(e, true);
                                            e.endTables();
                                        });
    EXPECT_EQ(compact, "\tyydestructorptr = NULL;\n"
                       "\n"
                       "\tyyctokendestptr = NULL;\n"
                       "}\n");
}

TEST(JavaEmitterTables, FastTablesFillTheSharedHolder)
{
    const std::string text = written(optionsFor(TargetLanguage::Java),
                                     [](brannock::Emitter& e) { writeAllTables(e, false, true); });
    EXPECT_EQ(text, "\n\tprotected final void yytables() {\n"
                    "\t\tyysstack_size = 100;\n"
                    "\t\tyystack_max = 0;\n"
                    "\n"
                    "\t\tyycreatetables();\n"
                    "\t\tyysymbol = yytables.yysymbol;\n"
                    "\t\tyyrule = yytables.yyrule;\n"
                    "\t\tyyreduction = yytables.yyreduction;\n"
                    "\t\tyytokenaction = yytables.yytokenaction;\n"
                    "\t\tyystateaction = yytables.yystateaction;\n"
                    "\t\tyynontermgoto = yytables.yynontermgoto;\n"
                    "\t\tyystategoto = yytables.yystategoto;\n"
                    "\t\tyydestructorref = yytables.yydestructorref;\n"
                    "\t\tyytokendestref = yytables.yytokendestref;\n"
                    "\t\tyytokendestbaseref = yytables.yytokendestbaseref;\n"
                    "\t}\n"
                    "\n"
                    "\tpublic static synchronized final void yycreatetables() {\n"
                    "\t\tif (yytables == null) {\n"
                    "\t\t\tyytables = new yyftables();\n"
                    "\n"
                    "\t\t\tif (YYDEBUG) {\n"
                    "\t\t\t\tfinal yysymbol symbol[] = {\n"
                    "\t\t\t\t\tnew yysymbol(\"$end\", 0),\n"
                    "\t\t\t\t\tnew yysymbol(\"\\'+\\'\", '+'),\n"
                    "\t\t\t\t\tnew yysymbol(\"NUMBER\", 257),\n"
                    "\t\t\t\t\tnew yysymbol(null, 0)\n"
                    "\t\t\t\t};\n"
                    "\t\t\t\tyytables.yysymbol = symbol;\n"
                    "\n"
                    "\t\t\t\tfinal String rule[] = {\n"
                    "\t\t\t\t\t\"$accept: expr\",\n"
                    "\t\t\t\t\t\"expr: expr \\'+\\' NUMBER\"\n"
                    "\t\t\t\t};\n"
                    "\t\t\t\tyytables.yyrule = rule;\n"
                    "\t\t\t}\n"
                    "\n"
                    "\t\t\tfinal yyreduction reduction[] = {\n"
                    "\t\t\t\tnew yyreduction(0, 1, -1),\n"
                    "\t\t\t\tnew yyreduction(1, 3, 0),\n"
                    "\t\t\t\tnew yyreduction(1, 1, -1)\n"
                    "\t\t\t};\n"
                    "\t\t\tyytables.yyreduction = reduction;\n"
                    "\n"
                    "\t\t\tfinal yytokenaction tokenaction[] = {\n"
                    "\t\t\t\tnew yytokenaction(1, YYAT_SHIFT, 2),\n"
                    "\t\t\t\tnew yytokenaction(-1, YYAT_ERROR, 0),\n"
                    "\t\t\t\tnew yytokenaction(0, YYAT_ACCEPT, 0)\n"
                    "\t\t\t};\n"
                    "\t\t\tyytables.yytokenaction = tokenaction;\n"
                    "\n"
                    "\t\t\tfinal yystateaction stateaction[] = {\n"
                    "\t\t\t\tnew yystateaction(0, true, YYAT_REDUCE, 1),\n"
                    "\t\t\t\tnew yystateaction(-40, false, YYAT_DEFAULT, 2),\n"
                    "\t\t\t\tnew yystateaction(1, true, YYAT_ERROR, 0)\n"
                    "\t\t\t};\n"
                    "\t\t\tyytables.yystateaction = stateaction;\n"
                    "\n"
                    "\t\t\tfinal yynontermgoto nontermgoto[] = {\n"
                    "\t\t\t\tnew yynontermgoto(0, 1),\n"
                    "\t\t\t\tnew yynontermgoto(2, -1)\n"
                    "\t\t\t};\n"
                    "\t\t\tyytables.yynontermgoto = nontermgoto;\n"
                    "\n"
                    "\t\t\tfinal yystategoto stategoto[] = {\n"
                    "\t\t\t\tnew yystategoto(0, -1),\n"
                    "\t\t\t\tnew yystategoto(-1, 3)\n"
                    "\t\t\t};\n"
                    "\t\t\tyytables.yystategoto = stategoto;\n"
                    "\n"
                    "\t\t\tfinal short destructor[] = {\n"
                    "\t\t\t\t-1,\n"
                    "\t\t\t\t3,\n"
                    "\t\t\t\t-1\n"
                    "\t\t\t};\n"
                    "\t\t\tyytables.yydestructorref = destructor;\n"
                    "\n"
                    "\t\t\tfinal yytokendest tokendest[] = {\n"
                    "\t\t\t\tnew yytokendest(0, 3),\n"
                    "\t\t\t\tnew yytokendest(-1, -1),\n"
                    "\t\t\t\tnew yytokendest(1, 4)\n"
                    "\t\t\t};\n"
                    "\t\t\tyytables.yytokendestref = tokendest;\n"
                    "\n"
                    "\t\t\tfinal int tokendestbase[] = {\n"
                    "\t\t\t\t-257,\n"
                    "\t\t\t\t-2998\n"
                    "\t\t\t};\n"
                    "\t\t\tyytables.yytokendestbaseref = tokendestbase;\n"
                    "\n"
                    "\t\t}\n"
                    "\t}\n");
}

TEST(JavaEmitterTables, CompactTablesKeepThePlainTokenNames)
{
    const std::string text = written(optionsFor(TargetLanguage::Java, CodeModel::Single, true, true),
                                     [](brannock::Emitter& e) {
                                         e.beginTables();
                                         writeCompactActionsAndGotos(e);
                                         writeCompactTokenDestructors(e);
                                         e.endTables();
                                     });
    EXPECT_EQ(text, "\n\tprotected final void yytables() {\n"
                    "\t\tyysstack_size = 100;\n"
                    "\t\tyystack_max = 0;\n"
                    "\n"
                    "\t\tyycreatetables();\n"
                    "\t\tyysymbol = yytables.yysymbol;\n"
                    "\t\tyyrule = yytables.yyrule;\n"
                    "\t\tyyreduction = yytables.yyreduction;\n"
                    "\t\tyyctokenaction = yytables.yyctokenaction;\n"
                    "\t\tyycstateaction = yytables.yycstateaction;\n"
                    "\t\tyycnontermgoto = yytables.yycnontermgoto;\n"
                    "\t\tyycstategoto = yytables.yycstategoto;\n"
                    "\t\tyydestructorref = yytables.yydestructorref;\n"
                    "\t\tyyctokendestref = yytables.yyctokendestref;\n"
                    "\t}\n"
                    "\n"
                    "\tpublic static synchronized final void yycreatetables() {\n"
                    "\t\tif (yytables == null) {\n"
                    "\t\t\tyytables = new yyctables();\n"
                    "\n"
                    "\t\t\tfinal yyctokenaction ctokenaction[] = {\n"
                    "\t\t\t\tnew yyctokenaction(0, YYAT_ACCEPT, 0),\n"
                    "\t\t\t\tnew yyctokenaction(YYTK_ERROR, YYAT_SHIFT, 3),\n"
                    "\t\t\t\tnew yyctokenaction(NUMBER, YYAT_SHIFT, 4),\n"
                    "\t\t\t\tnew yyctokenaction('+', YYAT_REDUCE, 2),\n"
                    "\t\t\t\tnew yyctokenaction(YYTK_ALL, YYAT_DEFAULT, 1)\n"
                    "\t\t\t};\n"
                    "\t\t\tyytables.yyctokenaction = ctokenaction;\n"
                    "\n"
                    "\t\t\tfinal short cstateaction[] = {\n"
                    "\t\t\t\t0,\n"
                    "\t\t\t\t4\n"
                    "\t\t\t};\n"
                    "\t\t\tyytables.yycstateaction = cstateaction;\n"
                    "\n"
                    "\t\t\tfinal yycnontermgoto cnontermgoto[] = {\n"
                    "\t\t\t\tnew yycnontermgoto(1, 2),\n"
                    "\t\t\t\tnew yycnontermgoto(-1, -1)\n"
                    "\t\t\t};\n"
                    "\t\t\tyytables.yycnontermgoto = cnontermgoto;\n"
                    "\n"
                    "\t\t\tfinal short cstategoto[] = {\n"
                    "\t\t\t\t0,\n"
                    "\t\t\t\t1\n"
                    "\t\t\t};\n"
                    "\t\t\tyytables.yycstategoto = cstategoto;\n"
                    "\n"
                    "\t\t\tfinal yyctokendest ctokendest[] = {\n"
                    "\t\t\t\tnew yyctokendest(NUMBER, 3),\n"
                    "\t\t\t\tnew yyctokendest('+', 4),\n"
                    "\t\t\t\tnew yyctokendest(-1, 0)\n"
                    "\t\t\t};\n"
                    "\t\t\tyytables.yyctokendestref = ctokendest;\n"
                    "\n"
                    "\t\t}\n"
                    "\t}\n");
}

TEST(JavaEmitterTables, AbsentDestructorTablesAreNullAndEscapingIsJava)
{
    const std::string fast = written(optionsFor(TargetLanguage::Java),
                                     [](brannock::Emitter& e) { writeNoDestructors(e, false); });
    EXPECT_EQ(fast, "\t\t\tyytables.yydestructorref = null;\n"
                    "\n"
                    "\t\t\tyytables.yytokendestref = null;\n"
                    "\n"
                    "\t\t\tyytables.yytokendestbaseref = null;\n"
                    "\n");
    const std::string compact = written(optionsFor(TargetLanguage::Java, CodeModel::Single, true, true),
                                        [](brannock::Emitter& e) { writeNoDestructors(e, true); });
    EXPECT_EQ(compact, "\t\t\tyytables.yydestructorref = null;\n"
                       "\n"
                       "\t\t\tyytables.yyctokendestref = null;\n"
                       "\n");
    // Java leaves the question mark as it is.
    const std::string rule = written(optionsFor(TargetLanguage::Java), [](brannock::Emitter& e) {
        e.beginRuleTable();
        e.ruleRow(0, "a: '?'");
        e.endRuleTable();
    });
    EXPECT_EQ(rule, "\t\t\t\tfinal String rule[] = {\n"
                    "\t\t\t\t\t\"a: \\'?\\'\"\n"
                    "\t\t\t\t};\n"
                    "\t\t\t\tyytables.yyrule = rule;\n");
}

// The JVM holds a method to 64 KB of code, so rows beyond a budget go on in
// a method that the full one calls last: inside the debugging conditional,
// which closes before the call and opens again; at a table's head; and in
// the middle of a table, whose parts the holder joins.
TEST(JavaEmitterTables, RowsBeyondAMethodsBudgetGoOnInTheNextMethod)
{
    const std::string text = written(optionsFor(TargetLanguage::Java), [](brannock::Emitter& e) {
        e.beginTables();
        e.beginDebugTables();
        e.beginSymbolTable();
        e.symbolRow(0, "$end", 0);
        e.endSymbolTable();
        e.beginRuleTable();
        for (int i = 0; i < 2000; ++i)
            e.ruleRow(i, "r" + std::to_string(i));
        e.endRuleTable();
        e.endDebugTables();
        e.beginReductionTable();
        for (int i = 0; i < 1999; ++i)
            e.reductionRow(i, i, 1, -1);
        e.endReductionTable();
        e.beginStateDestructorTable();
        for (int i = 0; i < 2001; ++i)
            e.stateDestructorRow(i, i);
        e.endStateDestructorTable();
        e.noTokenDestructorTable();
        e.endTables();
    });
    EXPECT_NE(text.find("\t\t\t\t\t\"r1998\"\n"
                        "\t\t\t\t};\n"
                        "\t\t\t\tyytables.yyrule = rule;\n"
                        "\t\t\t}\n"
                        "\t\t\tyycreatetables1();\n"
                        "\t\t}\n"
                        "\t}\n"
                        "\n"
                        "\tprivate static void yycreatetables1() {\n"
                        "\t\tif (YYDEBUG) {\n"
                        "\t\t\tfinal String rule[] = {\n"
                        "\t\t\t\t\"r1999\"\n"
                        "\t\t\t};\n"
                        "\t\t\tyytables.yyrule = yyparsertables.yyjoin(yytables.yyrule, rule);\n"
                        "\t\t}\n"
                        "\n"
                        "\t\tfinal yyreduction reduction[] = {\n"
                        "\t\t\tnew yyreduction(0, 1, -1),\n"),
              std::string::npos)
        << text.substr(0, 400);
    EXPECT_NE(text.find("\t\t\tnew yyreduction(1998, 1, -1)\n"
                        "\t\t};\n"
                        "\t\tyytables.yyreduction = reduction;\n"
                        "\n"
                        "\t\tyycreatetables2();\n"
                        "\t}\n"
                        "\n"
                        "\tprivate static void yycreatetables2() {\n"
                        "\t\tfinal short destructor[] = {\n"
                        "\t\t\t0,\n"),
              std::string::npos);
    const std::string last = "\t\t\t1999\n"
                             "\t\t};\n"
                             "\t\tyytables.yydestructorref = destructor;\n"
                             "\t\tyycreatetables3();\n"
                             "\t}\n"
                             "\n"
                             "\tprivate static void yycreatetables3() {\n"
                             "\t\tfinal short destructor[] = {\n"
                             "\t\t\t2000\n"
                             "\t\t};\n"
                             "\t\tyytables.yydestructorref = yyparsertables.yyjoin(yytables.yydestructorref, destructor);\n"
                             "\n"
                             "\t\tyytables.yytokendestref = null;\n"
                             "\n"
                             "\t}\n";
    ASSERT_GE(text.size(), last.size());
    EXPECT_EQ(text.substr(text.size() - last.size()), last);
    // Every row is written once, in order.
    size_t at = 0;
    for (int i = 0; i < 2000 && at != std::string::npos; ++i)
        at = text.find("\"r" + std::to_string(i) + "\"", at);
    EXPECT_NE(at, std::string::npos);
    EXPECT_EQ(text.find("yycreatetables4"), std::string::npos);
}
