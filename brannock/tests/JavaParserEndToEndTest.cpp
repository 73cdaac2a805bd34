#include <gtest/gtest.h>

#include <regex>
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
using brannock::testing::runWithInput;
using brannock::testing::shell;

// Generated Java parsers compiled with javac against the yl package and run
// beside the C parser of the same calculator: both must print the same,
// errors included.
namespace {

void generate(const TemporaryDirectory& dir, const std::string& grammar, const std::vector<std::string>& switches)
{
    std::vector<std::string> arguments = {grammar, "-$"};
    arguments.insert(arguments.end(), switches.begin(), switches.end());
    ProcessSetup setup;
    setup.workingDirectory = dir.path();
    const ProcessResult generated = runProcess(BRANNOCK_PROGRAM, arguments, setup);
    ASSERT_EQ(generated.exitStatus, 0) << generated.out << generated.err;
}

// Compiles the generated Java sources of dir into dir/classes.
void compileJava(const TemporaryDirectory& dir, const std::string& sources)
{
    const std::string command = "javac -Xlint:all -Werror -cp " YL_JAR " -d classes " + sources;
    const ProcessResult compiled = shell(command, dir.path());
    ASSERT_EQ(compiled.exitStatus, 0) << command << "\n" << compiled.out << compiled.err;
}

ProcessResult runJava(const TemporaryDirectory& dir, const std::string& mainClass, const std::string& input)
{
    return runWithInput(dir, "java -cp " YL_JAR ":classes " + mainClass, input);
}

class JavaParserEndToEnd : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        if (shell("command -v javac && command -v java && command -v gcc && test -f " YL_JAR, "/").exitStatus != 0)
            GTEST_SKIP() << "a JDK, gcc and yl.jar are needed";
    }

    std::vector<std::string> switches() const
    {
        return std::string(GetParam()).empty() ? std::vector<std::string>{} : std::vector<std::string>{GetParam()};
    }

    // Writes class.y, generates class.java in this form and compiles it
    // with the other sources of dir_ named.
    void buildJava(const std::string& className, const std::string& grammar, const std::string& otherSources = "")
    {
        dir_.write(className + ".y", grammar);
        std::vector<std::string> java = switches();
        java.push_back("-Tj");
        ASSERT_NO_FATAL_FAILURE(generate(dir_, className + ".y", java));
        ASSERT_NO_FATAL_FAILURE(compileJava(dir_, className + ".java " + otherSources));
    }

    TemporaryDirectory dir_;
};

// Several inputs in one run of each program: the JVM takes long to start.
TEST_P(JavaParserEndToEnd, CalculatorAgreesWithTheCParser)
{
    ASSERT_NO_FATAL_FAILURE(buildJava("Calc", readFile(PROGRAMS_DIR "/Calc.y")));
    dir_.write("calc.y", readFile(CALCULATOR_GRAMMAR));
    ASSERT_NO_FATAL_FAILURE(generate(dir_, "calc.y", switches()));
    const ProcessResult built = shell("gcc -Wall -Werror -I" YL_INCLUDE_DIR " -I" YL_COMMON_INCLUDE_DIR " calc.c " YL_LIBRARY " -o calc_c", dir_.path());
    ASSERT_EQ(built.exitStatus, 0) << built.err;
    const std::vector<std::string> inputs = {"1+2*3\n(4-1)/2\n-5\n1.25*4\n", "1+\n2*3\n1 2 3\n)\n\n-(2-5)\n", "4\n1+",
                                             std::string(300, '(') + "2" + std::string(300, ')') + "\n"};
    for (const std::string& input : inputs) {
        const ProcessResult c = runProgram(dir_, "calc_c", input);
        const ProcessResult j = runJava(dir_, "Calc", input);
        EXPECT_EQ(j.out, c.out) << "on " << input;
        EXPECT_EQ(j.err, c.err) << "on " << input;
        EXPECT_EQ(j.exitStatus, c.exitStatus) << "on " << input;
    }
}

// Each value is counted when the lexer makes it and when a rule or the
// destructor frees it: "live 0" shows that recovery and the end of the
// parse freed each exactly once. With the debug tables on, the trace names
// the tokens and rules.
const char* const kDestructorGrammar = R"(%name Values
{
	static int live;
	static int made;
	static boolean clearing;
	static final boolean YYDEBUG = true;
	private final java.io.InputStream in = System.in;
}

%union {
	public Integer p;
}

%token <p> ITEM
%type <p> item list kept

%%

~ <p> : { live--; }

input : /* empty */
	| input line
	;

line : list ';'		{ live--; System.out.println("ok"); }
	| error ';'		{ yyerrok(); System.out.println("recovered"); }
	;

list : item
	| list ',' item		{ live--; }
	;

item : ITEM
	;

line : '=' item ';'		{ live--; System.out.println("plain " + $2); }
	| '=' kept item ';'	{ live -= 2; System.out.println("kept " + $2 + " " + $3); }
	;

kept : item		{ $$ = $1; clearing = true; yyclearin(); clearing = false; }
	;

%%

	public int yygettoken() {
		try {
			int c;
			while ((c = in.read()) == ' ' || c == '\n')
				;
			if (c == '!') {
				yydebug = true;
				return yygettoken();
			}
			if (c == 'a') {
				((YYSTYPE) yylvalref).p = Integer.valueOf(++made);
				live++;
				return ITEM;
			}
			return c < 0 ? 0 : c;
		} catch (java.io.IOException e) {
			return 0;
		}
	}

	public void yyerror(String text) {
		System.out.println(text);
	}

	public void yydiscard(int token) {
		if (clearing)
			System.out.println("discarded " + (token == ITEM && ((YYSTYPE) yylvalref).p == made ? "the lookahead" : "another value"));
	}

	public static void main(String args[]) {
		int result = new Values().yyparse();
		System.out.println("live " + live);
		System.exit(result);
	}
}
)";

TEST_P(JavaParserEndToEnd, DestructorsDiscardEveryValueOnce)
{
    ASSERT_NO_FATAL_FAILURE(buildJava("Values", kDestructorGrammar));
    const ProcessResult recovered = runJava(dir_, "Values", "a,a;a a;a,;a,a;");
    EXPECT_EQ(recovered.exitStatus, 0) << recovered.err;
    EXPECT_EQ(recovered.out, "ok\nsyntax error\nrecovered\nsyntax error\nrecovered\nok\nlive 0\n");
    const ProcessResult aborted = runJava(dir_, "Values", "a;a,a,a");
    EXPECT_EQ(aborted.exitStatus, 1);
    EXPECT_EQ(aborted.out, "ok\nsyntax error\nlive 0\n");
    // yyclearin runs inside the action of kept, after it has set $$, and
    // the lookahead's destructor reads the token's value as $$ too: the
    // value the action set must come out of it unchanged, and the discard
    // hook that follows must see the token's own value.
    const ProcessResult cleared = runJava(dir_, "Values", "=aaa;=a;");
    EXPECT_EQ(cleared.exitStatus, 0) << cleared.err;
    EXPECT_EQ(cleared.out, "discarded the lookahead\nkept 1 3\nplain 4\nlive 0\n");
    const ProcessResult traced = runJava(dir_, "Values", "a,a; ! a,a;");
    EXPECT_EQ(traced.exitStatus, 0) << traced.err;
    EXPECT_EQ(traced.out.rfind("ok\nread token ITEM (", 0), 0U) << traced.out;
    EXPECT_NE(traced.out.find("reduce rule (6) list: list ',' item\n"), std::string::npos) << traced.out;
    EXPECT_NE(traced.out.find("accept\nlive 0\n"), std::string::npos) << traced.out;
}

// The value an empty rule's action made, when the state its goto leads to
// finds no room on the stack, is discarded with the values under it, after
// a lookahead with a value of its own, each once.
TEST_P(JavaParserEndToEnd, StackOverflowDiscardsTheValueAnEmptyRuleMade)
{
    ASSERT_NO_FATAL_FAILURE(buildJava("Deep", R"(%name Deep
{
	static int live;
	static int made;
	private final java.io.InputStream in = System.in;
}
{
	yysstack_size = 3;
	yystack_max = 5;
}

%union {
	public Integer p;
}

%token <p> ITEM STOP
%type <p> list

%%

~ <p> : { System.out.println("destroy " + $$); live--; }

top : list		{ live--; }
	| list STOP		{ live -= 2; }
	;

list : /* empty */	{ $$ = 0; live++; System.out.println("made"); }
	| ITEM list		{ $$ = $2; live--; }
	;

%%

	public int yygettoken() {
		try {
			int c = in.read();
			if (c == 'a' || c == 'z') {
				((YYSTYPE) yylvalref).p = Integer.valueOf(++made);
				live++;
				return c == 'a' ? ITEM : STOP;
			}
			return c < 0 || c == '\n' ? 0 : c;
		} catch (java.io.IOException e) {
			return 0;
		}
	}

	public void yyerror(String text) {
		System.out.println(text);
	}

	public static void main(String args[]) {
		int result = new Deep().yyparse();
		System.out.println("result " + result + " live " + live);
	}
}
)"));
    const ProcessResult fits = runJava(dir_, "Deep", "aaa");
    EXPECT_EQ(fits.out, "made\nresult 0 live 0\n") << fits.err;
    const ProcessResult overflows = runJava(dir_, "Deep", "aaaa");
    EXPECT_EQ(overflows.out, "made\nyacc stack overflow\ndestroy 0\ndestroy 4\ndestroy 3\ndestroy 2\ndestroy 1\n"
                             "result 1 live 0\n")
        << overflows.err;
    EXPECT_EQ(runJava(dir_, "Deep", "aaaz").out, "made\nresult 0 live 0\n");
    const ProcessResult stopped = runJava(dir_, "Deep", "aaaaz");
    EXPECT_EQ(stopped.out, "made\nyacc stack overflow\ndestroy 5\ndestroy 0\ndestroy 4\ndestroy 3\ndestroy 2\n"
                           "destroy 1\nresult 1 live 0\n")
        << stopped.err;
}

// Each parse starts on stacks of the first size, as a C parse starts on
// its static ones: limits set between parses hold for the next, a
// maximum below the first size leaves that first stack whole, and a first
// size changed after a parse that did not grow is the next parse's.
TEST_P(JavaParserEndToEnd, EachParseStartsOnTheFirstStacksUnderTheLimitsItIsGiven)
{
    ASSERT_NO_FATAL_FAILURE(buildJava("Limits", R"(%name Limits
{
	int n, p;
	public int yygettoken() { if (p < n) { p++; return 'a'; } return 0; }
	public void yyerror(String s) { System.out.println(s); }
	int parse(int tokens) { n = tokens; p = 0; return yyparse(); }
}
%%
l : 'a' l | 'a' ;
%%
	public static void main(String[] args) {
		Limits g = new Limits();
		System.out.println(g.parse(500));
		g.yystack_max = 120;
		System.out.println(g.parse(300));
		g.yystack_max = 0;
		g.yystackgrow = false;
		System.out.println(g.parse(300));
		g.yystackgrow = true;
		g.yystack_max = 50;
		System.out.println(g.parse(60));
		System.out.println(g.parse(500));
		g.yystack_max = 0;
		g.yysstack_size = 10;
		System.out.println(g.parse(5));
		g.yysstack_size = 500;
		g.yystackgrow = false;
		System.out.println(g.parse(300));
	}
}
)"));
    const ProcessResult run = runJava(dir_, "Limits", "");
    EXPECT_EQ(run.out, "0\nyacc stack overflow\n1\nyacc stack overflow\n1\n0\nyacc stack overflow\n1\n0\n0\n") << run.err;
}

// Tracing switched on mid-parse, by the token source ('!', off with '?')
// or by an action ('@', and 'e', which raises an error), traces the same
// steps in Java as in C, error recovery included: from the token the
// source gives, from the next token read after the action, and from the
// recovery after the error. The state and token numbers of the two
// languages differ and are left out.
TEST_P(JavaParserEndToEnd, TracingSwitchedOnMidParseTracesWhatTheCParserTraces)
{
    const std::string rules = "%%\nlines : | lines line ;\nline : expr ';' { SAY($1); } | '@' ';' { ON; } | 'e' ';' { ON; RAISE; } | error ';' ;\n"
                              "expr : NUM | expr '+' NUM { $$ = $1 + $3; } ;\n%%\n";
    std::string java = "%name Trace\n{\n\tstatic final boolean YYDEBUG = true;\n}\n%union {\n\tpublic int n;\n}\n"
                       "%token <n> NUM\n%type <n> expr\n" +
                       rules +
                       "\tpublic int yygettoken() {\n\t\ttry {\n\t\t\tint c;\n"
                       "\t\t\twhile ((c = System.in.read()) == ' ' || c == '\\n')\n\t\t\t\t;\n"
                       "\t\t\tif (c == '!' || c == '?') {\n\t\t\t\tyydebug = c == '!';\n\t\t\t\treturn yygettoken();\n\t\t\t}\n"
                       "\t\t\tif (c >= '0' && c <= '9') {\n\t\t\t\t((YYSTYPE) yylvalref).n = c - '0';\n"
                       "\t\t\t\treturn NUM;\n\t\t\t}\n\t\t\treturn c < 0 ? 0 : c;\n"
                       "\t\t} catch (java.io.IOException e) {\n\t\t\treturn 0;\n\t\t}\n\t}\n\n"
                       "\tpublic void yyerror(String text) {\n\t\tSystem.out.println(text);\n\t}\n\n"
                       "\tpublic static void main(String[] args) {\n\t\tSystem.exit(new Trace().yyparse());\n\t}\n}\n";
    std::string c = "%{\n#include <stdio.h>\n#include <ctype.h>\n%}\n%token NUM\n" + rules +
                    "int yylex(void)\n{\n\tint c;\n\twhile ((c = getchar()) == ' ' || c == '\\n')\n\t\t;\n"
                    "\tif (c == '!' || c == '?') {\n\t\tyydebug = c == '!';\n\t\treturn yylex();\n\t}\n"
                    "\tif (isdigit(c)) {\n\t\tyylval = c - '0';\n\t\treturn NUM;\n\t}\n\treturn c == EOF ? 0 : c;\n}\n"
                    "void yyerror(const char *text) { printf(\"%s\\n\", text); }\n"
                    "int main(void) { return yyparse(); }\n";
    const auto replaceAll = [](std::string text, const std::string& from, const std::string& to) {
        for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
            text.replace(at, from.size(), to);
        return text;
    };
    java = replaceAll(replaceAll(replaceAll(java, "SAY($1)", "System.out.println(\"= \" + $1)"), "ON;", "yydebug = true;"),
                      "RAISE;", "yyforceerror();");
    c = replaceAll(replaceAll(replaceAll(c, "SAY($1)", "printf(\"= %d\\n\", $1)"), "ON;", "yydebug = 1;"), "RAISE;",
                   "YYERROR;");
    ASSERT_NO_FATAL_FAILURE(buildJava("Trace", java));
    dir_.write("trace.y", c);
    ASSERT_NO_FATAL_FAILURE(generate(dir_, "trace.y", switches()));
    const ProcessResult built = shell("gcc -Wall -Werror -DYYDEBUG -I" YL_INCLUDE_DIR " -I" YL_COMMON_INCLUDE_DIR
                                      " trace.c " YL_LIBRARY " -o trace_c",
                                      dir_.path());
    ASSERT_EQ(built.exitStatus, 0) << built.err;
    const auto withoutNumbers = [](const std::string& trace) {
        return std::regex_replace(std::regex_replace(trace, std::regex("in state [0-9]+"), "in state"),
                                  std::regex("token (NUM|error) \\([0-9]+\\)"), "token $1");
    };
    for (const std::string input : {"1+2; ! 3+4;", "1+2; @; 3+4;", "@; 1+2+3;", "1+2; @; 3 + + 4; 5;", "! 1 + ; 2;", "e; 1;",
                                     "1; e; 2;", "!1; ?2; !3; ?4+5; !6;"}) {
        SCOPED_TRACE(input);
        const ProcessResult expected = runProgram(dir_, "trace_c", input);
        const ProcessResult run = runJava(dir_, "Trace", input);
        EXPECT_NE(expected.out.find("read token"), std::string::npos) << expected.out;
        EXPECT_EQ(withoutNumbers(run.out), withoutNumbers(expected.out));
        EXPECT_EQ(run.exitStatus, expected.exitStatus) << run.err;
    }
}

// Character tokens spelled with escapes Java has no form for (\x, \v, \a)
// and above 0x7F compile and keep their values in both table forms.
TEST_P(JavaParserEndToEnd, CharacterTokensSpelledInCEscapesCompile)
{
    ASSERT_NO_FATAL_FAILURE(buildJava("Esc", R"(%name Esc
{
	private String in = "";
	private int pos;
	Esc(String in) { this(); this.in = in; }
	public int yygettoken() { return pos < in.length() ? in.charAt(pos++) : 0; }
}
%union { public int v; }
%%
line : item line | ;
item : '\x7e'	{ System.out.println("tilde"); }
	| '\v'		{ System.out.println("vt"); }
	| '\a'		{ System.out.println("bel"); }
	| '\xe9'	{ System.out.println("e9"); }
	| 'a'		{ System.out.println("a"); }
	;
%%
	public static void main(String[] args) {
		System.out.println("result " + new Esc("~\u000b\u0007\u00e9a").yyparse());
	}
}
)"));
    const ProcessResult result = runJava(dir_, "Esc", "");
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out, "tilde\nvt\nbel\ne9\na\nresult 0\n");
}

// A grammar without %union gets the runtime's empty value class, as a C
// grammar gets int; a YYSTYPE of the program's own package hides it.
TEST_P(JavaParserEndToEnd, AGrammarWithoutUnionHasAValueClass)
{
    const std::string rules = R"y(
%%
top : s		{ System.out.println(pairs($1)); }
	;
s : '(' s ')' s	{ count($$, $2, $4); }
	|	{ count($$, null, null); }
	;
%%
	public static void main(String[] args) {
		for (String in : new String[] {"(()())()", "(()"}) {
			System.out.println("result " + new Pairs(in).yyparse());
		}
	}
}
)y";
    const std::string head = R"(%name Pairs
{
	private String in = "";
	private int pos;
	Pairs(String in) { this(); this.in = in; }
	public int yygettoken() { return pos < in.length() ? in.charAt(pos++) : 0; }
)";
    const std::string recognizer = head + R"(	static String pairs(YYSTYPE value) { return "matched"; }
	static void count(YYSTYPE result, YYSTYPE inner, YYSTYPE rest) { }
}
)" + rules;
    ASSERT_NO_FATAL_FAILURE(buildJava("Pairs", recognizer));
    const ProcessResult recognized = runJava(dir_, "Pairs", "");
    EXPECT_EQ(recognized.out, "matched\nresult 0\nresult 1\n") << recognized.err;

    dir_.write("YYSTYPE.java", "public class YYSTYPE extends yl.yyattribute {\n\tpublic int n;\n}\n");
    const std::string counter = head + R"(	static String pairs(YYSTYPE value) { return "pairs " + value.n; }
	static void count(YYSTYPE result, YYSTYPE inner, YYSTYPE rest) {
		result.n = inner == null ? 0 : inner.n + 1 + rest.n;
	}
}
)" + rules;
    ASSERT_NO_FATAL_FAILURE(buildJava("Pairs", counter, "YYSTYPE.java"));
    const ProcessResult counted = runJava(dir_, "Pairs", "");
    EXPECT_EQ(counted.out, "pairs 4\nresult 0\nresult 1\n") << counted.err;
}

INSTANTIATE_TEST_SUITE_P(Forms, JavaParserEndToEnd, ::testing::Values("", "-s"),
                         [](const ::testing::TestParamInfo<const char*>& param) {
                             return std::string(param.param).empty() ? std::string("fast") : std::string("compact");
                         });

} // namespace
