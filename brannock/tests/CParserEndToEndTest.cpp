#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "brannock/tests/ProgramRunning.h"
#include "toolframe/testing/ProcessRunner.h"
#include "toolframe/testing/TemporaryDirectory.h"

using toolframe::testing::ProcessResult;
using toolframe::testing::ProcessSetup;
using toolframe::testing::runProcess;
using toolframe::testing::TemporaryDirectory;
using brannock::testing::quoted;
using brannock::testing::readFile;
using brannock::testing::runProgram;
using brannock::testing::runProgramChecked;
using brannock::testing::shell;
using brannock::testing::withDefinitions;

// Generated C parsers built with gcc against the yl runtime and run: the
// only place where the tables, the action function and the engine are
// checked together.
namespace {

struct Variant {
    const char* name;
    std::vector<std::string> switches;
    bool unicode;
    bool asCpp;
};

const std::vector<Variant> kVariants = {
    {"fast_c", {}, false, false},
    {"compact_c", {"-s"}, false, false},
    {"fast_unicode_c", {"-W"}, true, false},
    {"compact_unicode_c", {"-W", "-s"}, true, false},
    {"fast_cpp", {}, false, true},
    {"compact_cpp", {"-s"}, false, true},
    {"fast_unicode_cpp", {"-W"}, true, true},
    {"compact_unicode_cpp", {"-W", "-s"}, true, true},
};

// Grammars that leave a name of the generated code unused: no action at
// all, an action that reads no value, and actions that read values only
// through $$ and $n. Each must compile without a warning under -Wall
// -Wextra, with and without YYDEBUG, whatever the model: users build with
// -Werror. Only the action function's parameters, whose names its fixed
// head gives, may go unused (the README says so).
void expectSparseGrammarsCompileCleanly(const TemporaryDirectory& dir, const Variant& variant, bool named)
{
    const std::string name = named ? "%name sparse\n" : "";
    const std::string grammars[] = {
        name + "%token A B\n%%\ns : A s B | ;\n",
        name + "%token A\n%%\ns : A { } A ;\n",
        name + "%token NUM\n%left '+'\n%%\ne : e '+' e { $$ = $1 + $3; } | NUM ;\n",
    };
    const std::string compiler = variant.asCpp ? "g++ -x c++" : "gcc -x c";
    for (const std::string& grammar : grammars) {
        dir.write("sparse.y", grammar);
        std::vector<std::string> arguments = {dir / "sparse.y", "-$", "-o", dir / "sparse.c"};
        arguments.insert(arguments.end(), variant.switches.begin(), variant.switches.end());
        const ProcessResult generated = runProcess(BRANNOCK_PROGRAM, arguments);
        ASSERT_EQ(generated.exitStatus, 0) << generated.out << generated.err;
        for (const std::string debug : {"", " -DYYDEBUG"}) {
            const std::string command = compiler + " -Wall -Wextra -Wno-unused-parameter -Werror" + debug +
                                        " -I" + quoted(YL_INCLUDE_DIR) +
                                        " -I" + quoted(YL_COMMON_INCLUDE_DIR) + " -c sparse.c -o sparse.o";
            const ProcessResult compiled = shell(command, dir.path());
            EXPECT_EQ(compiled.exitStatus, 0) << grammar << command << "\n" << compiled.out << compiled.err;
        }
    }
}

bool haveCompilers()
{
    return shell("command -v gcc && command -v g++", "/").exitStatus == 0;
}

// Generates the parser for grammar into dir and builds program from it;
// extra goes to the compiler (macros such as YYSTACK_SIZE).
void build(const TemporaryDirectory& dir, const std::string& grammar, const Variant& variant,
           const std::string& extra = {})
{
    std::vector<std::string> arguments = {grammar, "-$", "-i", "-o", dir / "parser.c"};
    arguments.insert(arguments.end(), variant.switches.begin(), variant.switches.end());
    const ProcessResult generated = runProcess(BRANNOCK_PROGRAM, arguments);
    ASSERT_EQ(generated.exitStatus, 0) << generated.out << generated.err;

    const std::string compiler = variant.asCpp ? "g++ -x c++" : "gcc -x c";
    const std::string library = variant.unicode ? YLW_LIBRARY : YL_LIBRARY;
    const std::string command = compiler + " -Wall -Wextra -Werror " + extra + " -I" + quoted(YL_INCLUDE_DIR) + " -I" + quoted(YL_COMMON_INCLUDE_DIR) +
                                " parser.c -x none " + quoted(library) + " -o program";
    const ProcessResult compiled = shell(command, dir.path());
    ASSERT_EQ(compiled.exitStatus, 0) << command << "\n" << compiled.out << compiled.err;
}

ProcessResult run(const TemporaryDirectory& dir, const std::string& input)
{
    return runProgram(dir, "program", input);
}

ProcessResult runChecked(const TemporaryDirectory& dir, const std::string& input)
{
    return runProgramChecked(dir, "program", input);
}

const std::string kCalculator = CALCULATOR_GRAMMAR;

// Values are malloc'ed by the lexer and freed by the rules or by the
// destructor, so "live 0" at the end shows that error recovery and the end
// of the parse discarded every value exactly once. Each value holds its
// token's place in the input. The rules for '=' come last, so that the
// rules before them keep their numbers.
const char* const kDestructorGrammar = R"(%{
#include <stdio.h>
#include <stdlib.h>
int yylex(void);
void yyerror(const char *text);
static int live;
static int made;
static int *last;
static int clearing;
%}

%union {
	int *p;
}

%token <p> ITEM
%type <p> item list kept

%%

~ <p> : { free($$); live--; }

input : /* empty */
	| input line
	;

line : list ';'		{ free($1); live--; printf("ok\n"); }
	| error ';'		{ yyerrok; printf("recovered\n"); }
	;

list : item
	| list ',' item		{ free($3); live--; }
	;

item : ITEM
	;

line : '=' item ';'		{ printf("plain %d\n", *$2); free($2); live--; }
	| '=' kept item ';'	{ printf("kept %d %d\n", *$2, *$3); free($2); free($3); live -= 2; }
	;

kept : item		{ $$ = $1; clearing = 1; yyclearin; clearing = 0; }
	;

%%

int yylex(void)
{
	int c;
	while ((c = getchar()) == ' ' || c == '\n')
		;
	if (c == 'a') {
		int *value = (int *) malloc(sizeof(int));
		*value = ++made;
		live++;
		last = value;
		yylval.p = value;
		return ITEM;
	}
	return c == EOF ? 0 : c;
}

void yyerror(const char *text)
{
	printf("%s\n", text);
}

int main(void)
{
	int result = yyparse();
	printf("live %d\n", live);
	return result;
}
)";

// The single model's discard hook (yywdiscard in Unicode), which a program
// may replace; it tells whether yylval holds the token read last when
// yyclearin throws it away.
std::string discardHook(const Variant& variant)
{
    return std::string("\nvoid ") + (variant.unicode ? "yywdiscard" : "yydiscard") +
           R"((int token)
{
	if (clearing)
		printf("discarded %s\n", token == ITEM && yylval.p == last ? "the lookahead" : "another value");
}
)";
}

class CParserEndToEnd : public ::testing::TestWithParam<Variant> {
protected:
    void SetUp() override
    {
        if (!haveCompilers()) {
            GTEST_SKIP() << "gcc and g++ are needed to build generated parsers";
        }
    }
};

TEST_P(CParserEndToEnd, CalculatorEvaluatesLines)
{
    TemporaryDirectory dir;
    ASSERT_NO_FATAL_FAILURE(build(dir, kCalculator, GetParam()));
    const ProcessResult result = run(dir, "1+2*3\n(4-1)/2\n-5\n");
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out, "7\n1.5\n-5\n");
    EXPECT_EQ(result.err, "");
}

TEST_P(CParserEndToEnd, CalculatorRecoversAfterSyntaxErrors)
{
    TemporaryDirectory dir;
    ASSERT_NO_FATAL_FAILURE(build(dir, kCalculator, GetParam()));
    const ProcessResult result = run(dir, "1+\n2*3\n1 2 3\n)\n\n-(2-5)\n");
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out, "6\n3\n");
    EXPECT_EQ(result.err, "syntax error\nsyntax error\nsyntax error\n");
}

TEST_P(CParserEndToEnd, CalculatorAbortsWhenRecoveryFindsNoLineEnd)
{
    TemporaryDirectory dir;
    ASSERT_NO_FATAL_FAILURE(build(dir, kCalculator, GetParam()));
    const ProcessResult result = run(dir, "4\n1+");
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, "4\n");
    EXPECT_EQ(result.err, "syntax error\n");
}

// The state after a list can shift error, and its default reduction is
// top : list. Taken on the bad token, as -Rd does by default, it leaves
// that state before the error shows, and nothing recovers; -N keeps the
// state without a default, and the list rule recovers, as in bison.
TEST_P(CParserEndToEnd, RecoveryInAStateThatShiftsErrorNeedsMinusN)
{
    const char* const grammar = R"(%{
#include <stdio.h>
int yylex(void);
void yyerror(const char *text);
%}
%%
top : list			{ puts("top"); } ;
list : /* empty */		{ puts("empty"); }
	| list 'a' ';'		{ puts("item"); }
	| list error ';'	{ puts("recovered"); yyerrok; }
	;
%%
int yylex(void)
{
	int c = getchar();
	return c == EOF || c == '\n' ? 0 : c;
}
void yyerror(const char *text)
{
	puts(text);
}
int main(void)
{
	return yyparse();
}
)";
    const std::string input = "x;a;\n";
    TemporaryDirectory byDefault;
    byDefault.write("list.y", grammar);
    ASSERT_NO_FATAL_FAILURE(build(byDefault, byDefault / "list.y", GetParam()));
    const ProcessResult failed = run(byDefault, input);
    EXPECT_EQ(failed.exitStatus, 1);
    EXPECT_EQ(failed.out, "empty\ntop\nsyntax error\n");

    TemporaryDirectory withN;
    withN.write("list.y", grammar);
    Variant variant = GetParam();
    variant.switches.push_back("-N");
    ASSERT_NO_FATAL_FAILURE(build(withN, withN / "list.y", variant));
    const ProcessResult recovered = run(withN, input);
    EXPECT_EQ(recovered.exitStatus, 0);
    EXPECT_EQ(recovered.out, "empty\nsyntax error\nrecovered\nitem\ntop\n");
}

TEST_P(CParserEndToEnd, StacksGrowFromNothing)
{
    TemporaryDirectory dir;
    ASSERT_NO_FATAL_FAILURE(build(dir, kCalculator, GetParam(), "-DYYSTACK_SIZE=0"));
    const std::string deep = std::string(300, '(') + "2" + std::string(300, ')') + "\n";
    const ProcessResult result = run(dir, deep + "1+2*3\n");
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out, "2\n7\n");
}

TEST_P(CParserEndToEnd, StackLimitStopsTheParse)
{
    TemporaryDirectory dir;
    ASSERT_NO_FATAL_FAILURE(build(dir, kCalculator, GetParam(), "-DYYSTACK_SIZE=4 -DYYSTACK_MAX=20"));
    const ProcessResult shallow = run(dir, "((1))\n");
    EXPECT_EQ(shallow.exitStatus, 0) << shallow.err;
    EXPECT_EQ(shallow.out, "1\n");
    const ProcessResult deep = run(dir, std::string(40, '(') + "1" + std::string(40, ')') + "\n");
    EXPECT_EQ(deep.exitStatus, 1);
    EXPECT_EQ(deep.err, "yacc stack overflow\n");
}

// Empty rules, with and without an action, reduced just as the stack
// must grow: each pushes the state its goto leads to, so every level's
// values stay where the rules read them.
TEST_P(CParserEndToEnd, EmptyRulesReducedAsTheStackGrowsPushTheirGoto)
{
    TemporaryDirectory dir;
    dir.write("nest.y", R"(%{
#include <stdio.h>
int yylex(void);
void yyerror(const char *text);
static int count;
%}
%%
line : nest			{ printf("%d\n", $1); } ;
nest : '(' bare nest counted ')'	{ $$ = $3 + $4; }
	| 'x'			{ $$ = 0; }
	;
bare : /* empty */ ;
counted : /* empty */		{ $$ = ++count; } ;
%%
int yylex(void)
{
	int c = getchar();
	return c == EOF || c == '\n' ? 0 : c;
}
void yyerror(const char *text)
{
	printf("%s\n", text);
}
int main(void)
{
	return yyparse();
}
)");
    ASSERT_NO_FATAL_FAILURE(build(dir, dir / "nest.y", GetParam(), "-DYYSTACK_SIZE=4"));
    for (int depth : {1, 2, 3, 40, 90}) {
        SCOPED_TRACE(depth);
        const ProcessResult result = run(dir, std::string(depth, '(') + "x" + std::string(depth, ')') + "\n");
        EXPECT_EQ(result.exitStatus, 0) << result.out;
        EXPECT_EQ(result.out, std::to_string(depth * (depth + 1) / 2) + "\n");
    }
}

// The value an empty rule's action made, when the state its goto leads to
// finds no room on the stack, is discarded with the values under it: by
// the fast loop, and by the stepping loop that tracing runs. A lookahead
// with a value of its own goes first, and each value goes once.
TEST_P(CParserEndToEnd, StackOverflowDiscardsTheValueAnEmptyRuleMade)
{
    TemporaryDirectory dir;
    dir.write("deep.y", R"(%{
#include <stdio.h>
#include <stdlib.h>
#define YYSTACK_SIZE 3
#define YYSTACK_MAX 5
int yylex(void);
void yyerror(const char *text);
static int live;
static int made;
%}
%union {
	int *p;
}
%token <p> ITEM STOP
%type <p> list
%%
~ <p> : { printf("> destroy %d\n", *$$); free($$); live--; }
top : list		{ free($1); live--; }
	| list STOP		{ free($1); free($2); live -= 2; }
	;
list : /* empty */	{ $$ = (int *) malloc(sizeof(int)); *$$ = 0; live++; printf("> made\n"); }
	| ITEM list		{ $$ = $2; free($1); live--; }
	;
%%
int yylex(void)
{
	int c = getchar();
	if (c == 'a' || c == 'z') {
		yylval.p = (int *) malloc(sizeof(int));
		*yylval.p = ++made;
		live++;
		return c == 'a' ? ITEM : STOP;
	}
	return c == EOF || c == '\n' ? 0 : c;
}
void yyerror(const char *text)
{
	printf("> %s\n", text);
}
int main(void)
{
	int result;
#ifdef YYDEBUG
	yydebug = 1;
#endif
	result = yyparse();
	printf("> result %d live %d\n", result, live);
	return 0;
}
)");
    // The program's own lines begin with "> ", the trace's do not.
    const auto own = [](const std::string& out) {
        std::string lines;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);)
            if (line.rfind("> ", 0) == 0)
                lines += line.substr(2) + "\n";
        return lines;
    };
    for (const char* flags : {"", "-DYYDEBUG"}) {
        SCOPED_TRACE(flags);
        ASSERT_NO_FATAL_FAILURE(build(dir, dir / "deep.y", GetParam(), flags));
        EXPECT_EQ(own(runChecked(dir, "aaa").out), "made\nresult 0 live 0\n");
        EXPECT_EQ(own(runChecked(dir, "aaaa").out),
                  "made\nyacc stack overflow\ndestroy 0\ndestroy 4\ndestroy 3\ndestroy 2\ndestroy 1\nresult 1 live 0\n");
        EXPECT_EQ(own(runChecked(dir, "aaaz").out), "made\nresult 0 live 0\n");
        EXPECT_EQ(own(runChecked(dir, "aaaaz").out), "made\nyacc stack overflow\ndestroy 5\ndestroy 0\ndestroy 4\n"
                                                    "destroy 3\ndestroy 2\ndestroy 1\nresult 1 live 0\n");
    }
}

// Character tokens above 0x7F and those spelled with \x or \v keep their
// values in every table form: a compact table that took '\377' as a signed
// char would read it as the end of a run.
TEST_P(CParserEndToEnd, CharacterTokensKeepTheirValuesInEveryForm)
{
    TemporaryDirectory dir;
    dir.write("chars.y", R"(%{
#include <stdio.h>
int yylex(void);
void yyerror(const char *text);
%}
%%
line : item line | ;
item : '\377'	{ puts("ff"); }
	| '\xe9'	{ puts("e9"); }
	| 'a'		{ puts("a"); }
	| '\x7e'	{ puts("tilde"); }
	| '\v'		{ puts("vt"); }
	;
%%
int yylex(void)
{
	int c = getchar();
	return c == EOF ? 0 : c;
}
void yyerror(const char *text)
{
	puts(text);
}
int main(void)
{
	return yyparse();
}
)");
    ASSERT_NO_FATAL_FAILURE(build(dir, dir / "chars.y", GetParam()));
    const ProcessResult result = run(dir, "a\xe9\xff~\va");
    EXPECT_EQ(result.exitStatus, 0) << result.out;
    EXPECT_EQ(result.out, "a\ne9\nff\ntilde\nvt\na\n");
}

// The limits a grammar defines in its own code block, yacc's YYMAXDEPTH
// among them, hold: they compile without a redefinition and stop the parse.
const char* const kStackLimitDefinitions[] = {
    "#define YYSTACK_SIZE 4\n#define YYSTACK_MAX 20\n",
    "#define YYSTACK_SIZE 4\n#define YYMAXDEPTH 20\n",
};

void expectStackLimitOfTwenty(const TemporaryDirectory& dir)
{
    const ProcessResult shallow = run(dir, "((1))\n");
    EXPECT_EQ(shallow.exitStatus, 0) << shallow.err;
    EXPECT_EQ(shallow.out, "1\n");
    const ProcessResult deep = run(dir, std::string(40, '(') + "1" + std::string(40, ')') + "\n");
    EXPECT_EQ(deep.exitStatus, 1);
    EXPECT_EQ(deep.err, "yacc stack overflow\n");
}

TEST_P(CParserEndToEnd, StackLimitsDefinedInTheGrammarHold)
{
    for (const char* definitions : kStackLimitDefinitions) {
        SCOPED_TRACE(definitions);
        TemporaryDirectory dir;
        dir.write("calc.y", withDefinitions(readFile(kCalculator), definitions));
        ASSERT_NO_FATAL_FAILURE(build(dir, dir / "calc.y", GetParam()));
        expectStackLimitOfTwenty(dir);
    }
}

TEST_P(CParserEndToEnd, DebugBuildTracesAndStillComputes)
{
    TemporaryDirectory dir;
    ASSERT_NO_FATAL_FAILURE(build(dir, kCalculator, GetParam(), "-DYYDEBUG"));
    const ProcessResult result = run(dir, "1+2*3\n");
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out, "7\n");
}

TEST_P(CParserEndToEnd, DestructorsDiscardEveryValueOnce)
{
    TemporaryDirectory dir;
    dir.write("values.y", kDestructorGrammar + discardHook(GetParam()));
    ASSERT_NO_FATAL_FAILURE(build(dir, dir / "values.y", GetParam()));
    const ProcessResult recovered = runChecked(dir, "a,a;a a;a,;a,a;");
    EXPECT_EQ(recovered.exitStatus, 0);
    EXPECT_EQ(recovered.out, "ok\nsyntax error\nrecovered\nsyntax error\nrecovered\nok\nlive 0\n");
    const ProcessResult aborted = runChecked(dir, "a;a,a,a");
    EXPECT_EQ(aborted.exitStatus, 1);
    EXPECT_EQ(aborted.out, "ok\nsyntax error\nlive 0\n");
    // yyclearin runs inside the action of kept, after it has set $$, and
    // the lookahead's destructor reads the token's value as $$ too: the
    // value the action set must come out of it unchanged, and the discard
    // hook that follows must see the token's own value.
    const ProcessResult cleared = runChecked(dir, "=aaa;=a;");
    EXPECT_EQ(cleared.exitStatus, 0);
    EXPECT_EQ(cleared.out, "discarded the lookahead\nkept 1 3\nplain 4\nlive 0\n");
}

// The lexer switches tracing on halfway through: the parse must carry on
// where it stands, tracing from then on, with every value still freed.
TEST_P(CParserEndToEnd, TracingSwitchedOnMidParseCarriesOn)
{
    TemporaryDirectory dir;
    std::string grammar = kDestructorGrammar;
    const std::string skipBlanks = "while ((c = getchar()) == ' ' || c == '\\n')\n\t\t;\n";
    const std::size_t at = grammar.find(skipBlanks);
    ASSERT_NE(at, std::string::npos);
    grammar.insert(at + skipBlanks.size(), "\tif (c == '!') {\n\t\tyydebug = 1;\n\t\treturn yylex();\n\t}\n");
    dir.write("values.y", grammar);
    ASSERT_NO_FATAL_FAILURE(build(dir, dir / "values.y", GetParam()));
    const ProcessResult result = run(dir, "a,a;a ! a;a,a;");
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    const std::string& out = result.out;
    // The first line ended before tracing began; the token after the
    // switch is read while tracing.
    EXPECT_EQ(out.rfind("ok\nread token ", 0), 0U) << out;
    EXPECT_NE(out.find("\nsyntax error\n"), std::string::npos) << out;
    EXPECT_NE(out.find("recovered\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\nok\n"), std::string::npos) << out;
    const std::string ending = "accept\nlive 0\n";
    ASSERT_GE(out.size(), ending.size());
    EXPECT_EQ(out.substr(out.size() - ending.size()), ending) << out;
}

// A grammar with more states times nonterminals than the engine lays out
// for its fast loop is parsed by the stepping loop: same answers.
TEST_P(CParserEndToEnd, GrammarsTooLargeToLayOutParseTheSame)
{
    TemporaryDirectory dir;
    const int depth = 1100;
    std::string grammar = "%{\n#include <stdio.h>\nint yylex(void);\nvoid yyerror(const char *text);\n%}\n"
                          "%token X Y\n%%\nline : n0 { printf(\"accepted\\n\"); } ;\n";
    for (int i = 0; i < depth; ++i)
        grammar += "n" + std::to_string(i) + " : n" + std::to_string(i + 1) + " X ;\n";
    grammar += "n" + std::to_string(depth) + " : Y ;\n%%\n"
               "int yylex(void)\n{\n\tint c;\n\twhile ((c = getchar()) == ' ' || c == '\\n')\n\t\t;\n"
               "\treturn c == 'x' ? X : c == 'y' ? Y : c == EOF ? 0 : c;\n}\n"
               "void yyerror(const char *text)\n{\n\tprintf(\"%s\\n\", text);\n}\n"
               "int main(void)\n{\n\treturn yyparse();\n}\n";
    dir.write("deep.y", grammar);
    ASSERT_NO_FATAL_FAILURE(build(dir, dir / "deep.y", GetParam()));
    const ProcessResult accepted = run(dir, "y" + std::string(depth, 'x'));
    EXPECT_EQ(accepted.exitStatus, 0);
    EXPECT_EQ(accepted.out, "accepted\n");
    const ProcessResult rejected = run(dir, "y" + std::string(depth - 1, 'x'));
    EXPECT_EQ(rejected.exitStatus, 1);
    EXPECT_EQ(rejected.out, "syntax error\n");
}

TEST_P(CParserEndToEnd, GrammarsWithoutValuesCompileWithoutWarnings)
{
    TemporaryDirectory dir;
    expectSparseGrammarsCompileCleanly(dir, GetParam(), false);
}

INSTANTIATE_TEST_SUITE_P(Forms, CParserEndToEnd, ::testing::ValuesIn(kVariants),
                         [](const ::testing::TestParamInfo<Variant>& param) { return std::string(param.param.name); });

// The multiple models keep the parser in an object named by %name: -mm
// defines it ready to use, -mi defines a constant template that each
// instance is created from.
struct ModelVariant {
    Variant variant;
    bool instance;
};

const std::vector<ModelVariant> kModelVariants = {
    {{"multiple_fast_c", {"-mm"}, false, false}, false},
    {{"multiple_compact_c", {"-mm", "-s"}, false, false}, false},
    {{"multiple_fast_unicode_c", {"-mm", "-W"}, true, false}, false},
    {{"multiple_compact_unicode_c", {"-mm", "-W", "-s"}, true, false}, false},
    {{"multiple_fast_cpp", {"-mm"}, false, true}, false},
    {{"multiple_compact_unicode_cpp", {"-mm", "-W", "-s"}, true, true}, false},
    {{"instance_fast_c", {"-mi"}, false, false}, true},
    {{"instance_compact_c", {"-mi", "-s"}, false, false}, true},
    {{"instance_fast_unicode_c", {"-mi", "-W"}, true, false}, true},
    {{"instance_compact_unicode_c", {"-mi", "-W", "-s"}, true, false}, true},
    {{"instance_fast_cpp", {"-mi"}, false, true}, true},
    {{"instance_compact_unicode_cpp", {"-mi", "-W", "-s"}, true, true}, true},
};

void replaceOnce(std::string& text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << "calc.y no longer holds: " << from;
    text.replace(at, from.size(), to);
}

// A single-model grammar moved to the model: named "calc", with yyparse()
// replaced by a function that parses with the object. Without an object
// the lexer cannot reach an instance's yylval, so for -mi it keeps the
// value (lexValue, a valueType, for the union member) aside and a token
// hook of the program's own stores it.
struct LexerValue {
    std::string reference; // how the grammar's lexer names yylval's member
    std::string replacement;
    std::string type;
    std::string member;
};

void writeModelGrammar(const TemporaryDirectory& dir, const std::string& file, std::string grammar,
                       const ModelVariant& model, const LexerValue& value)
{
    const std::string prefix = model.variant.unicode ? "yywm" : "yym";
    const std::string type = prefix + "parser_t";
    ASSERT_NO_FATAL_FAILURE(replaceOnce(grammar, "%union", "%name calc\n\n%union"));
    std::string helpers;
    if (model.instance) {
        ASSERT_NO_FATAL_FAILURE(replaceOnce(grammar, "int yylex(void);\n",
                                            "int yylex(void);\nstatic " + value.type +
                                                " lexvalue;\n#define YYMGETTOKEN calcgettoken\n"
                                                "static int calcgettoken(" + type + " *yy);\n"));
        ASSERT_NO_FATAL_FAILURE(replaceOnce(grammar, value.reference, value.replacement));
        helpers = "static int calcgettoken(" + type + " *yy)\n{\n\tint token = yylex();\n\t((YYSTYPE *) yy->yymlvalptr)->" +
                  value.member + " = lexvalue;\n\treturn token;\n}\n\n"
                  "static int runparser(void)\n{\n\t" + type + " parser;\n\tint result;\n\tif (!" + prefix +
                  "createparser(&parser, &calc))\n\t\treturn 2;\n#ifdef YYDEBUG\n\tparser.yymdebug = 1;\n#endif\n"
                  "\tresult = " + prefix + "parse(&parser);\n\t" + prefix + "destroyparser(&parser);\n\treturn result;\n}\n\n";
    }
    else {
        helpers = "static int runparser(void)\n{\n#ifdef YYDEBUG\n\tcalc.yymdebug = 1;\n#endif\n\treturn " + prefix +
                  "parse(&calc);\n}\n\n";
    }
    ASSERT_NO_FATAL_FAILURE(replaceOnce(grammar, "int main(void)\n", helpers + "int main(void)\n"));
    ASSERT_NO_FATAL_FAILURE(replaceOnce(grammar, "yyparse()", "runparser()"));
    dir.write(file, grammar);
}

void writeModelCalculator(const TemporaryDirectory& dir, const ModelVariant& model)
{
    ASSERT_NO_FATAL_FAILURE(writeModelGrammar(dir, "calc.y", readFile(kCalculator), model,
                                              {"&yylval.value", "&lexvalue", "double", "value"}));
}

class CParserModelEndToEnd : public ::testing::TestWithParam<ModelVariant> {
protected:
    void SetUp() override
    {
        if (!haveCompilers()) {
            GTEST_SKIP() << "gcc and g++ are needed to build generated parsers";
        }
    }

    void buildCalculator(const TemporaryDirectory& dir, const std::string& extra = {})
    {
        ASSERT_NO_FATAL_FAILURE(writeModelCalculator(dir, GetParam()));
        ASSERT_NO_FATAL_FAILURE(build(dir, dir / "calc.y", GetParam().variant, extra));
    }
};

TEST_P(CParserModelEndToEnd, CalculatorEvaluatesLines)
{
    TemporaryDirectory dir;
    ASSERT_NO_FATAL_FAILURE(buildCalculator(dir));
    const ProcessResult result = run(dir, "1+2*3\n(4-1)/2\n-5\n");
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out, "7\n1.5\n-5\n");
    EXPECT_EQ(result.err, "");
}

TEST_P(CParserModelEndToEnd, CalculatorRecoversAfterSyntaxErrors)
{
    TemporaryDirectory dir;
    ASSERT_NO_FATAL_FAILURE(buildCalculator(dir));
    const ProcessResult result = run(dir, "1+\n2*3\n1 2 3\n)\n\n-(2-5)\n");
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out, "6\n3\n");
    EXPECT_EQ(result.err, "syntax error\nsyntax error\nsyntax error\n");
}

TEST_P(CParserModelEndToEnd, CalculatorAbortsWhenRecoveryFindsNoLineEnd)
{
    TemporaryDirectory dir;
    ASSERT_NO_FATAL_FAILURE(buildCalculator(dir));
    const ProcessResult result = run(dir, "4\n1+");
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, "4\n");
    EXPECT_EQ(result.err, "syntax error\n");
}

TEST_P(CParserModelEndToEnd, StacksGrowFromNothing)
{
    TemporaryDirectory dir;
    ASSERT_NO_FATAL_FAILURE(buildCalculator(dir, "-DYYSTACK_SIZE=0"));
    const std::string deep = std::string(300, '(') + "2" + std::string(300, ')') + "\n";
    const ProcessResult result = run(dir, deep + "1+2*3\n");
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out, "2\n7\n");
}

TEST_P(CParserModelEndToEnd, StackLimitStopsTheParse)
{
    TemporaryDirectory dir;
    ASSERT_NO_FATAL_FAILURE(buildCalculator(dir, "-DYYSTACK_SIZE=4 -DYYSTACK_MAX=20"));
    const ProcessResult shallow = run(dir, "((1))\n");
    EXPECT_EQ(shallow.exitStatus, 0) << shallow.err;
    EXPECT_EQ(shallow.out, "1\n");
    const ProcessResult deep = run(dir, std::string(40, '(') + "1" + std::string(40, ')') + "\n");
    EXPECT_EQ(deep.exitStatus, 1);
    EXPECT_EQ(deep.err, "yacc stack overflow\n");
}

TEST_P(CParserModelEndToEnd, StackLimitsDefinedInTheGrammarHold)
{
    for (const char* definitions : kStackLimitDefinitions) {
        SCOPED_TRACE(definitions);
        TemporaryDirectory dir;
        ASSERT_NO_FATAL_FAILURE(writeModelCalculator(dir, GetParam()));
        dir.write("calc.y", withDefinitions(readFile(dir / "calc.y"), definitions));
        ASSERT_NO_FATAL_FAILURE(build(dir, dir / "calc.y", GetParam().variant));
        expectStackLimitOfTwenty(dir);
    }
}

// Under YYDEBUG the object is longer by its debug members and the
// program's main() sets yymdebug, so the trace goes to stdout with the
// results.
TEST_P(CParserModelEndToEnd, DebugBuildTracesAndStillComputes)
{
    TemporaryDirectory dir;
    ASSERT_NO_FATAL_FAILURE(buildCalculator(dir, "-DYYDEBUG"));
    const ProcessResult result = run(dir, "1+2*3\n");
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_NE(result.out.find("\n7\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("reduce rule (6) expr: expr '+' expr\n"), std::string::npos) << result.out;
    // Unicode numbers its tokens after the error token 65536.
    const std::string number = GetParam().variant.unicode ? "65537" : "257";
    EXPECT_NE(result.out.find("shift token NUMBER (" + number + ")\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("accept\n"), std::string::npos) << result.out;
}

TEST_P(CParserModelEndToEnd, DestructorsDiscardEveryValueOnce)
{
    TemporaryDirectory dir;
    ASSERT_NO_FATAL_FAILURE(
        writeModelGrammar(dir, "values.y", kDestructorGrammar, GetParam(), {"yylval.p", "lexvalue", "int *", "p"}));
    ASSERT_NO_FATAL_FAILURE(build(dir, dir / "values.y", GetParam().variant));
    // The object reports through its own error hook, which writes to
    // stderr, not through the grammar's yyerror.
    const ProcessResult recovered = runChecked(dir, "a,a;a a;a,;a,a;");
    EXPECT_EQ(recovered.exitStatus, 0);
    EXPECT_EQ(recovered.out, "ok\nrecovered\nrecovered\nok\nlive 0\n");
    EXPECT_EQ(recovered.err, "syntax error\nsyntax error\n");
    const ProcessResult aborted = runChecked(dir, "a;a,a,a");
    EXPECT_EQ(aborted.exitStatus, 1);
    EXPECT_EQ(aborted.out, "ok\nlive 0\n");
    EXPECT_EQ(aborted.err, "syntax error\n");
    // yyclearin runs inside the action of kept, after it has set $$, and
    // the lookahead's destructor reads the token's value as $$ too: the
    // value the action set must come out of it unchanged.
    const ProcessResult cleared = runChecked(dir, "=aaa;=a;");
    EXPECT_EQ(cleared.exitStatus, 0);
    EXPECT_EQ(cleared.out, "kept 1 3\nplain 4\nlive 0\n");
}

TEST_P(CParserModelEndToEnd, GrammarsWithoutValuesCompileWithoutWarnings)
{
    TemporaryDirectory dir;
    expectSparseGrammarsCompileCleanly(dir, GetParam().variant, true);
}

INSTANTIATE_TEST_SUITE_P(Models, CParserModelEndToEnd, ::testing::ValuesIn(kModelVariants),
                         [](const ::testing::TestParamInfo<ModelVariant>& param) {
                             return std::string(param.param.variant.name);
                         });

} // namespace
