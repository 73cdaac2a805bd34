#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "brannock/tests/ProgramRunning.h"
#include "toolframe/testing/ProcessRunner.h"
#include "toolframe/testing/TemporaryDirectory.h"

using toolframe::testing::ProcessResult;
using toolframe::testing::ProcessSetup;
using toolframe::testing::runProcess;
using toolframe::testing::TemporaryDirectory;
using brannock::testing::readFile;
using brannock::testing::runProgram;
using brannock::testing::runProgramChecked;
using brannock::testing::shell;
using brannock::testing::withDefinitions;

// Generated C++ parsers built with g++ against the C++ classes of the yl
// runtime and run beside the C parser of the same calculator: both must
// print the same, errors included.
namespace {

struct Variant {
    const char* name;
    std::vector<std::string> switches;
    bool unicode;
};

const std::vector<Variant> kVariants = {
    {"fast", {}, false},
    {"compact", {"-s"}, false},
    {"fast_unicode", {"-W"}, true},
    {"compact_unicode", {"-W", "-s"}, true},
};

// Generates grammar (a file in dir) with the switches and builds program
// from it with compiler; extra goes to the compiler.
void build(const TemporaryDirectory& dir, const std::string& grammar, const std::vector<std::string>& switches,
           const std::string& compiler, const std::string& library, const std::string& program,
           const std::string& extra = {})
{
    std::vector<std::string> arguments = {grammar, "-$", "-i"};
    arguments.insert(arguments.end(), switches.begin(), switches.end());
    ProcessSetup setup;
    setup.workingDirectory = dir.path();
    const ProcessResult generated = runProcess(BRANNOCK_PROGRAM, arguments, setup);
    ASSERT_EQ(generated.exitStatus, 0) << generated.out << generated.err;
    const std::string stem = grammar.substr(0, grammar.rfind('.'));
    const std::string source = stem + (compiler == "gcc" ? ".c" : ".cpp");
    const std::string command = compiler + " -Wall -Werror " + extra + " -I" YL_INCLUDE_DIR " -I" YL_COMMON_INCLUDE_DIR " " + source + " " +
                                library + " -o " + program;
    const ProcessResult compiled = shell(command, dir.path());
    ASSERT_EQ(compiled.exitStatus, 0) << command << "\n" << compiled.out << compiled.err;
}

class CppParserEndToEnd : public ::testing::TestWithParam<Variant> {
protected:
    void SetUp() override
    {
        if (shell("command -v gcc && command -v g++", "/").exitStatus != 0)
            GTEST_SKIP() << "gcc and g++ are needed to build generated parsers";
    }

    // The C++ calculator and, for comparison, the C one.
    // definitions go into each grammar's first code block.
    void buildCalculators(const std::string& extra = {}, const std::string& definitions = {})
    {
        dir_.write("calc_cpp.y", withDefinitions(readFile(PROGRAMS_DIR "/calc_cpp.y"), definitions));
        dir_.write("calc.y", withDefinitions(readFile(CALCULATOR_GRAMMAR), definitions));
        const Variant& variant = GetParam();
        const std::string library = variant.unicode ? YLW_LIBRARY : YL_LIBRARY;
        std::vector<std::string> cpp = variant.switches;
        cpp.push_back("-Tcpp");
        ASSERT_NO_FATAL_FAILURE(build(dir_, "calc_cpp.y", cpp, "g++", library, "calc_cpp", extra));
        ASSERT_NO_FATAL_FAILURE(build(dir_, "calc.y", variant.switches, "gcc", library, "calc_c", extra));
    }

    // Builds program from grammar, a file in the directory, as a C++ parser
    // in the variant's form; extra goes to the compiler.
    void buildCppParser(const std::string& grammar, const std::string& program, const std::string& extra = {})
    {
        const Variant& variant = GetParam();
        std::vector<std::string> switches = variant.switches;
        switches.push_back("-Tcpp");
        build(dir_, grammar, switches, "g++", variant.unicode ? YLW_LIBRARY : YL_LIBRARY, program, extra);
    }

    // Runs both calculators on input; they must agree, and the C++ result
    // is returned for the test's own expectations.
    ProcessResult both(const std::string& input)
    {
        const ProcessResult c = runProgram(dir_, "calc_c", input);
        const ProcessResult cpp = runProgram(dir_, "calc_cpp", input);
        EXPECT_EQ(cpp.out, c.out) << "on " << input;
        EXPECT_EQ(cpp.err, c.err) << "on " << input;
        EXPECT_EQ(cpp.exitStatus, c.exitStatus) << "on " << input;
        return cpp;
    }

    TemporaryDirectory dir_;
};

TEST_P(CppParserEndToEnd, CalculatorAgreesWithTheCParser)
{
    ASSERT_NO_FATAL_FAILURE(buildCalculators());
    EXPECT_EQ(both("1+2*3\n(4-1)/2\n-5\n").out, "7\n1.5\n-5\n");
    const ProcessResult recovered = both("1+\n2*3\n1 2 3\n)\n\n-(2-5)\n");
    EXPECT_EQ(recovered.out, "6\n3\n");
    EXPECT_EQ(recovered.err, "syntax error\nsyntax error\nsyntax error\n");
    const ProcessResult aborted = both("4\n1+");
    EXPECT_EQ(aborted.exitStatus, 1);
    EXPECT_EQ(aborted.out, "4\n");
}

TEST_P(CppParserEndToEnd, StacksGrowFromNothing)
{
    ASSERT_NO_FATAL_FAILURE(buildCalculators("-DYYSTACK_SIZE=0"));
    const std::string deep = std::string(300, '(') + "2" + std::string(300, ')') + "\n";
    EXPECT_EQ(both(deep + "1+2*3\n").out, "2\n7\n");
}

TEST_P(CppParserEndToEnd, StackLimitStopsTheParse)
{
    ASSERT_NO_FATAL_FAILURE(buildCalculators("-DYYSTACK_SIZE=4 -DYYSTACK_MAX=20"));
    EXPECT_EQ(both("((1))\n").out, "1\n");
    const ProcessResult deep = both(std::string(40, '(') + "1" + std::string(40, ')') + "\n");
    EXPECT_EQ(deep.exitStatus, 1);
    EXPECT_EQ(deep.err, "yacc stack overflow\n");
}

// Limits defined in the grammar's code block, yacc's YYMAXDEPTH among them.
TEST_P(CppParserEndToEnd, StackLimitsDefinedInTheGrammarHold)
{
    for (const char* definitions :
         {"#define YYSTACK_SIZE 4\n#define YYSTACK_MAX 20\n", "#define YYSTACK_SIZE 4\n#define YYMAXDEPTH 20\n"}) {
        SCOPED_TRACE(definitions);
        ASSERT_NO_FATAL_FAILURE(buildCalculators({}, definitions));
        EXPECT_EQ(both("((1))\n").out, "1\n");
        const ProcessResult deep = both(std::string(40, '(') + "1" + std::string(40, ')') + "\n");
        EXPECT_EQ(deep.exitStatus, 1);
        EXPECT_EQ(deep.err, "yacc stack overflow\n");
    }
}

// The library's classes are in namespace yl, reached through _YL; the
// generated "using" directives must compile with and without the switches.
TEST_P(CppParserEndToEnd, NamespaceSwitchesKeepTheParserWorking)
{
    ASSERT_NO_FATAL_FAILURE(buildCalculators("-DYYNAMESPACE -DYYSTDCPPLIB"));
    EXPECT_EQ(both("1+2*3\n").out, "7\n");
}

// The debug tables change the class's yytables() but not its results;
// the trace itself is checked with the destructor grammar below.
TEST_P(CppParserEndToEnd, DebugBuildComputesTheSame)
{
    ASSERT_NO_FATAL_FAILURE(buildCalculators("-DYYDEBUG"));
    EXPECT_EQ(both("1+2*3\n1+\n").out, "7\n");
}

// Values are allocated by the lexer and freed by the rules or by the
// destructor; "live 0" shows that recovery and the end of the parse freed
// each exactly once, and valgrind that nothing leaked.
const char* const kDestructorGrammar = R"(%{
#include <stdio.h>
#include <stdlib.h>
static int live;
static int made;
static int *last;
static int clearing;
%}

%name values
{
	virtual int yygettoken();
	virtual void yyerror(const char *text);
	virtual void yydiscard(int token);
}

%union {
	int *p;
}

%token <p> ITEM
%type <p> item list kept

%%

~ <p> : { delete $$; live--; }

input : /* empty */
	| input line
	;

line : list ';'		{ delete $1; live--; printf("ok\n"); }
	| error ';'		{ yyerrok; printf("recovered\n"); }
	;

list : item
	| list ',' item		{ delete $3; live--; }
	;

item : ITEM
	;

line : '=' item ';'		{ printf("plain %d\n", *$2); delete $2; live--; }
	| '=' kept item ';'	{ printf("kept %d %d\n", *$2, *$3); delete $2; delete $3; live -= 2; }
	;

kept : item		{ $$ = $1; clearing = 1; yyclearin; clearing = 0; }
	;

%%

int values::yygettoken()
{
	int c;
	while ((c = getchar()) == ' ' || c == '\n')
		;
	if (c == '!') {
		yydebug = 1;
		yydebugout = stdout;
		return yygettoken();
	}
	if (c == 'a') {
		last = ((YYSTYPE *) yylvalptr)->p = new int(++made);
		live++;
		return ITEM;
	}
	return c == EOF ? 0 : c;
}

void values::yyerror(const char *text)
{
	printf("%s\n", text);
}

void values::yydiscard(int token)
{
	if (clearing)
		printf("discarded %s\n", token == ITEM && ((YYSTYPE *) yylvalptr)->p == last ? "the lookahead" : "another value");
}

int main()
{
	int result;
	{
		values parser;
		if (!parser.yycreate())
			return 2;
		result = parser.yyparse();
	}
	printf("live %d\n", live);
	return result;
}
)";

TEST_P(CppParserEndToEnd, DestructorsDiscardEveryValueOnce)
{
    dir_.write("values.y", kDestructorGrammar);
    ASSERT_NO_FATAL_FAILURE(buildCppParser("values.y", "values"));
    const ProcessResult recovered = runProgramChecked(dir_, "values", "a,a;a a;a,;a,a;");
    EXPECT_EQ(recovered.exitStatus, 0);
    EXPECT_EQ(recovered.out, "ok\nsyntax error\nrecovered\nsyntax error\nrecovered\nok\nlive 0\n");
    const ProcessResult aborted = runProgramChecked(dir_, "values", "a;a,a,a");
    EXPECT_EQ(aborted.exitStatus, 1);
    EXPECT_EQ(aborted.out, "ok\nsyntax error\nlive 0\n");
    // yyclearin runs inside the action of kept, after it has set $$, and
    // the lookahead's destructor reads the token's value as $$ too: the
    // value the action set must come out of it unchanged, and the discard
    // hook that follows must see the token's own value.
    const ProcessResult cleared = runProgramChecked(dir_, "values", "=aaa;=a;");
    EXPECT_EQ(cleared.exitStatus, 0);
    EXPECT_EQ(cleared.out, "discarded the lookahead\nkept 1 3\nplain 4\nlive 0\n");
    // Tracing switched on by the lexer halfway through, with the debug
    // tables compiled in.
    ASSERT_NO_FATAL_FAILURE(buildCppParser("values.y", "traced", "-DYYDEBUG"));
    const ProcessResult traced = runProgramChecked(dir_, "traced", "a,a; ! a,a;");
    EXPECT_EQ(traced.exitStatus, 0);
    EXPECT_EQ(traced.out.rfind("ok\nread token ITEM (", 0), 0U) << traced.out;
    EXPECT_NE(traced.out.find("reduce rule (6) list: list ',' item\n"), std::string::npos) << traced.out;
    EXPECT_NE(traced.out.find("accept\nlive 0\n"), std::string::npos) << traced.out;
}

// The value type defined the classic way, as a macro naming a pointer: the
// attribute functions must read through it with the pointer itself const,
// not what it points to.
const char* const kPointerMacroGrammar = R"(%{
#include <stdio.h>
#define YYSTYPE char *
%}

%name words
{
	virtual int yygettoken();
}

%token WORD

%%

text : WORD
	| text WORD	{ printf("%s %s\n", $1, $2); $$ = $2; }
	;

%%

static char names[][4] = { "one", "two", "six" };

int words::yygettoken()
{
	static int next;
	if (next == 3)
		return 0;
	*(YYSTYPE *) yylvalptr = names[next++];
	return WORD;
}

int main()
{
	words parser;
	return parser.yycreate() ? parser.yyparse() : 2;
}
)";

TEST_P(CppParserEndToEnd, AValueTypeMacroNamingAPointerCompiles)
{
    dir_.write("words.y", kPointerMacroGrammar);
    ASSERT_NO_FATAL_FAILURE(buildCppParser("words.y", "words"));
    const ProcessResult parsed = runProgramChecked(dir_, "words", "");
    EXPECT_EQ(parsed.exitStatus, 0);
    EXPECT_EQ(parsed.out, "one two\ntwo six\n");
}

// Without %name there is no class: the definitions the source makes for
// YYPARSERNAME do not compile, and the compiler's complaint names it, as
// the note in the source says it will.
TEST_P(CppParserEndToEnd, WithoutANameTheCompilerNamesTheMissingClass)
{
    dir_.write("unnamed.y", "%token NUM\n%%\nsum : sum '+' NUM { $$ = $1; } | NUM ;\n");
    std::vector<std::string> arguments = {"unnamed.y", "-$", "-Tcpp"};
    arguments.insert(arguments.end(), GetParam().switches.begin(), GetParam().switches.end());
    ProcessSetup setup;
    setup.workingDirectory = dir_.path();
    const ProcessResult generated = runProcess(BRANNOCK_PROGRAM, arguments, setup);
    ASSERT_EQ(generated.exitStatus, 0) << generated.out;
    const std::string source = dir_.read("unnamed.cpp");
    EXPECT_EQ(source.find("class YYEXPPARSER"), std::string::npos);
    EXPECT_NE(source.find("%name myparser"), std::string::npos);
    const ProcessResult compiled = shell("g++ -c -I" YL_INCLUDE_DIR " -I" YL_COMMON_INCLUDE_DIR " unnamed.cpp -o unnamed.o", dir_.path());
    EXPECT_NE(compiled.exitStatus, 0);
    EXPECT_NE(compiled.err.find("YYPARSERNAME"), std::string::npos) << compiled.err;
}

INSTANTIATE_TEST_SUITE_P(Forms, CppParserEndToEnd, ::testing::ValuesIn(kVariants),
                         [](const ::testing::TestParamInfo<Variant>& param) { return std::string(param.param.name); });

} // namespace
