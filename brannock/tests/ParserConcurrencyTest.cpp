#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "brannock/tests/ProgramRunning.h"
#include "toolframe/testing/ProcessRunner.h"
#include "toolframe/testing/TemporaryDirectory.h"

using toolframe::testing::ProcessResult;
using toolframe::testing::runProcess;
using toolframe::testing::TemporaryDirectory;
using brannock::testing::quoted;
using brannock::testing::shell;

// Parsers that share a program: several threads parsing at once with one
// grammar, and two grammars in one program, in C (parser objects made from
// the grammar's template, -mi) and in C++ (one object of the generated
// class each). The engine keeps nothing of a parse outside the parser and
// the parse itself, so each parse must come out as it does alone. The
// inputs are long enough for every parse to start its memos.
namespace {

struct Variant {
    const char* name;
    std::vector<std::string> switches;
    bool cpp;
};

const std::vector<Variant> kVariants = {
    {"fast_c", {"-mi"}, false},
    {"compact_c", {"-mi", "-s"}, false},
    {"fast_cpp", {"-Tcpp"}, true},
    {"compact_cpp", {"-Tcpp", "-s"}, true},
};

// The parts of a grammar that differ between the languages: how the
// grammar's first block starts, what its %name declares, and how an action
// reaches the running parse's own data (JOB).
struct Language {
    std::string prologue;
    std::string name;
};

Language language(const std::string& name, bool cpp)
{
    if (cpp)
        return {"#include <stdio.h>\n#include <stdlib.h>\n#include <string.h>\n#define JOB this\n",
                "%name " + name + "\n{\npublic:\n\tconst char *input;\n\tsize_t at;\n\tunsigned long total;\n"
                "\tint errors;\n\tvirtual int yygettoken();\n\tvirtual void yysyntaxerror();\n}\n"};
    return {"#include <stdio.h>\n#include <stdlib.h>\n#include <string.h>\n"
            "struct job {\n\tconst char *input;\n\tsize_t at;\n\tunsigned long total;\n\tint errors;\n};\n"
            "#define JOB ((struct job *) yy->yymdata)\n"
            "#define YYMGETTOKEN jobgettoken\n#define YYMSYNTAXERROR jobsyntaxerror\n"
            "static int jobgettoken(yymparser_t *yy);\nstatic void jobsyntaxerror(yymparser_t *yy);\n",
            "%name " + name + "\n"};
}

// The token source and the parse of one text, as the grammar's program
// section: NAME_run(text, &errors) parses text with a parser of its own
// and returns the total its actions computed. tokens is the body of the
// token function, which reads JOB->input from JOB->at and sets value.
std::string programSection(const std::string& name, bool cpp, const std::string& tokens)
{
    std::string text = "%%\n\n";
    if (cpp) {
        text += "int " + name + "::yygettoken()\n{\n\tunsigned long value = 0;\n\tint token;\n" + tokens +
                "\t((YYSTYPE *) yylvalptr)->value = value;\n\treturn token;\n}\n\n"
                "void " + name + "::yysyntaxerror()\n{\n\terrors++;\n}\n\n"
                "unsigned long " + name + "_run(const char *text, int *errors)\n{\n\t" + name +
                " parser;\n\tparser.input = text;\n\tparser.at = 0;\n\tparser.total = 0;\n\tparser.errors = 0;\n"
                "\tif (!parser.yycreate() || parser.yyparse() != 0)\n\t\treturn 0;\n"
                "\t*errors = parser.errors;\n\treturn parser.total;\n}\n";
        return text;
    }
    text += "static int jobgettoken(yymparser_t *yy)\n{\n\tunsigned long value = 0;\n\tint token;\n" + tokens +
            "\t((YYSTYPE *) yy->yymlvalptr)->value = value;\n\treturn token;\n}\n\n"
            "static void jobsyntaxerror(yymparser_t *yy)\n{\n\tJOB->errors++;\n}\n\n"
            "unsigned long " + name + "_run(const char *text, int *errors)\n{\n\tstruct job job;\n"
            "\tyymparser_t parser;\n\tint result;\n\tjob.input = text;\n\tjob.at = 0;\n\tjob.total = 0;\n"
            "\tjob.errors = 0;\n\tif (!yymcreateparser(&parser, &" + name + "))\n\t\treturn 0;\n"
            "\tparser.yymdata = &job;\n\tresult = yymparse(&parser);\n\tyymdestroyparser(&parser);\n"
            "\tif (result != 0)\n\t\treturn 0;\n\t*errors = job.errors;\n\treturn job.total;\n}\n";
    return text;
}

// Sums and products of numbers, one expression a line, written as a ladder
// of nonterminals so that gotos run down chains of default states; a line
// in error is skipped up to its ';'.
std::string sumsGrammar(bool cpp)
{
    const Language l = language("sums", cpp);
    return "%{\n" + l.prologue + "%}\n\n" + l.name +
           "\n%union {\n\tunsigned long value;\n}\n\n%token <value> NUMBER\n%type <value> expr term factor\n\n%%\n\n"
           "input : /* empty */\n\t| input line\n\t;\n\n"
           "line : expr ';'\t\t{ JOB->total = JOB->total * 31 + $1; }\n\t| error ';'\t\t{ yyerrok; }\n\t;\n\n"
           "expr : expr '+' term\t{ $$ = $1 + $3; }\n\t| expr '-' term\t\t{ $$ = $1 - $3; }\n\t| term\n\t;\n\n"
           "term : term '*' factor\t{ $$ = $1 * $3; }\n\t| factor\n\t;\n\n"
           "factor : NUMBER\n\t| '(' expr ')'\t\t{ $$ = $2; }\n\t| '-' factor\t\t{ $$ = 0 - $2; }\n\t;\n\n" +
           programSection("sums", cpp,
                          "\twhile (JOB->input[JOB->at] == ' ' || JOB->input[JOB->at] == '\\n')\n\t\tJOB->at++;\n"
                          "\ttoken = JOB->input[JOB->at] == '\\0' ? 0 : JOB->input[JOB->at++];\n"
                          "\tif (token >= '0' && token <= '9') {\n\t\tvalue = (unsigned long) (token - '0');\n"
                          "\t\twhile (JOB->input[JOB->at] >= '0' && JOB->input[JOB->at] <= '9')\n"
                          "\t\t\tvalue = value * 10 + (unsigned long) (JOB->input[JOB->at++] - '0');\n"
                          "\t\ttoken = NUMBER;\n\t}\n");
}

// Nested lists of atoms (letters, worth 1 to 26).
std::string listsGrammar(bool cpp)
{
    const Language l = language("lists", cpp);
    return "%{\n" + l.prologue + "%}\n\n" + l.name +
           "\n%union {\n\tunsigned long value;\n}\n\n%token <value> ATOM\n%type <value> list items\n\n%%\n\n"
           "input : /* empty */\n\t| input list\t\t{ JOB->total = JOB->total * 7 + $2; }\n\t;\n\n"
           "list : '(' items ')'\t{ $$ = $2 * 3 + 1; }\n\t;\n\n"
           "items : /* empty */\t{ $$ = 0; }\n\t| items ATOM\t\t{ $$ = $1 + $2; }\n"
           "\t| items list\t\t{ $$ = $1 * 2 + $2; }\n\t;\n\n" +
           programSection("lists", cpp,
                          "\twhile (JOB->input[JOB->at] == ' ' || JOB->input[JOB->at] == '\\n')\n\t\tJOB->at++;\n"
                          "\ttoken = JOB->input[JOB->at] == '\\0' ? 0 : JOB->input[JOB->at++];\n"
                          "\tif (token >= 'a' && token <= 'z') {\n\t\tvalue = (unsigned long) (token - 'a' + 1);\n"
                          "\t\ttoken = ATOM;\n\t}\n");
}

// The program around the grammars: it writes each job's long input from a
// seed, parses every job alone for the expected result, then parses them
// all in threads at once, ROUNDS times over, and counts the parses that
// came out otherwise. A job parses with sums_run, or with lists_run when
// the program has both grammars (every other job). It also prints what
// two short texts parse to, worked out by hand in the tests.
const char* const kDriver = R"DRIVER(#include <pthread.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#ifdef __cplusplus
#define LINKAGE extern "C++"
#else
#define LINKAGE extern
#endif
LINKAGE unsigned long sums_run(const char *text, int *errors);
#ifdef BOTH
LINKAGE unsigned long lists_run(const char *text, int *errors);
#endif

#define JOBS 6
#define ROUNDS 3

struct job {
	int grammar;
	char *input;
	unsigned long expected;
	int errors;
	long mismatches;
};

static struct job jobs[JOBS];

struct text {
	char *data;
	size_t length;
	size_t size;
};

static void put(struct text *text, const char *s)
{
	size_t n = strlen(s);
	if (text->length + n + 1 > text->size) {
		text->size = 2 * (text->length + n + 1);
		text->data = (char *) realloc(text->data, text->size);
		if (text->data == NULL)
			exit(3);
	}
	memcpy(text->data + text->length, s, n + 1);
	text->length += n;
}

static unsigned next(unsigned *seed)
{
	*seed = *seed * 1103515245u + 12345u;
	return (*seed >> 16) & 0x7fff;
}

static void expression(struct text *text, unsigned *seed, int depth)
{
	char number[16];
	unsigned pick = next(seed) % 8;
	if (depth > 0 && pick == 0) {
		put(text, "(");
		expression(text, seed, depth - 1);
		put(text, ")");
	}
	else if (depth > 0 && pick == 1) {
		put(text, "-");
		expression(text, seed, depth - 1);
	}
	else {
		sprintf(number, "%u", next(seed) % 1000);
		put(text, number);
	}
	if (depth > 0 && next(seed) % 3 == 0) {
		put(text, next(seed) % 2 ? " + " : next(seed) % 2 ? " - " : " * ");
		expression(text, seed, depth - 1);
	}
}

static void list(struct text *text, unsigned *seed, int depth)
{
	char atom[3] = { ' ', 'a', '\0' };
	int n = (int) (next(seed) % 5);
	put(text, "(");
	while (n-- > 0) {
		if (depth > 0 && next(seed) % 3 == 0) {
			list(text, seed, depth - 1);
		}
		else {
			atom[1] = (char) ('a' + next(seed) % 26);
			put(text, atom);
		}
	}
	put(text, ")");
}

static char *input(int grammar, unsigned seed)
{
	struct text text = { NULL, 0, 0 };
	int line;
	put(&text, "");
	for (line = 0; line < 4000; line++) {
		if (grammar == 0) {
			if (line % 97 == 50)
				put(&text, "1 + ;\n");
			expression(&text, &seed, 4);
			put(&text, ";\n");
		}
		else {
			list(&text, &seed, 4);
			put(&text, "\n");
		}
	}
	return text.data;
}

static unsigned long parse(int grammar, const char *text, int *errors)
{
	*errors = 0;
#ifdef BOTH
	if (grammar == 1)
		return lists_run(text, errors);
#endif
	(void) grammar;
	return sums_run(text, errors);
}

static void *work(void *argument)
{
	struct job *job = (struct job *) argument;
	int round;
	for (round = 0; round < ROUNDS; round++) {
		int errors;
		if (parse(job->grammar, job->input, &errors) != job->expected || errors != job->errors)
			job->mismatches++;
	}
	return NULL;
}

int main(void)
{
	pthread_t threads[JOBS];
	long mismatches = 0;
	int errors;
	int i;
	unsigned long total = sums_run("1+2*3; (4-1)*2; 7 +; 5;", &errors);
	printf("sums %lu errors %d\n", total, errors);
#ifdef BOTH
	total = lists_run("(a b (c) ())", &errors);
	printf("lists %lu errors %d\n", total, errors);
#endif
	for (i = 0; i < JOBS; i++) {
#ifdef BOTH
		jobs[i].grammar = i % 2;
#endif
		jobs[i].input = input(jobs[i].grammar, (unsigned) i + 1);
		jobs[i].expected = parse(jobs[i].grammar, jobs[i].input, &jobs[i].errors);
		if (jobs[i].expected == 0) {
			printf("job %d does not parse alone\n", i);
			return 4;
		}
	}
	for (i = 0; i < JOBS; i++) {
		if (pthread_create(&threads[i], NULL, work, &jobs[i]) != 0)
			return 5;
	}
	for (i = 0; i < JOBS; i++) {
		pthread_join(threads[i], NULL);
		mismatches += jobs[i].mismatches;
		free(jobs[i].input);
	}
	printf("threads %d rounds %d mismatches %ld\n", JOBS, ROUNDS, mismatches);
	return mismatches == 0 ? 0 : 1;
}
)DRIVER";

bool haveCompilers()
{
    return shell("command -v gcc && command -v g++", "/").exitStatus == 0;
}

class ParserConcurrency : public ::testing::TestWithParam<Variant> {
protected:
    void SetUp() override
    {
        if (!haveCompilers())
            GTEST_SKIP() << "gcc and g++ are needed to build generated parsers";
    }

    // Generates the grammar into stem.c or stem.cpp and compiles it.
    void generate(const std::string& stem, const std::string& grammar, const std::vector<std::string>& switches)
    {
        const Variant& variant = GetParam();
        const std::string source = stem + (variant.cpp ? ".cpp" : ".c");
        dir_.write(stem + ".y", grammar);
        std::vector<std::string> arguments = {dir_ / (stem + ".y"), "-$", "-o", dir_ / source};
        arguments.insert(arguments.end(), switches.begin(), switches.end());
        const ProcessResult generated = runProcess(BRANNOCK_PROGRAM, arguments);
        ASSERT_EQ(generated.exitStatus, 0) << generated.out << generated.err;
        compile(source);
    }

    void compile(const std::string& source)
    {
        const std::string compiler = GetParam().cpp ? "g++ -x c++" : "gcc -x c";
        const std::string command = compiler + " -Wall -Wextra -Werror -pthread -I" + quoted(YL_INCLUDE_DIR) + " -I" + quoted(YL_COMMON_INCLUDE_DIR) +
                                    " -c " + source;
        const ProcessResult compiled = shell(command, dir_.path());
        ASSERT_EQ(compiled.exitStatus, 0) << command << "\n" << compiled.out << compiled.err;
    }

    // Links the objects with the driver into program and runs it.
    ProcessResult link(const std::string& objects, const std::string& definitions)
    {
        const std::string driver = GetParam().cpp ? "driver.cpp" : "driver.c";
        dir_.write(driver, kDriver);
        const std::string compiler = GetParam().cpp ? "g++" : "gcc";
        const std::string command = compiler + " -Wall -Wextra -Werror -pthread " + definitions + " " + driver + " " +
                                    objects + " " + quoted(YL_LIBRARY) + " -o program";
        const ProcessResult linked = shell(command, dir_.path());
        EXPECT_EQ(linked.exitStatus, 0) << command << "\n" << linked.out << linked.err;
        return shell("./program", dir_.path());
    }

    TemporaryDirectory dir_;
};

TEST_P(ParserConcurrency, SeveralThreadsParseWithOneGrammar)
{
    ASSERT_NO_FATAL_FAILURE(generate("sums", sumsGrammar(GetParam().cpp), GetParam().switches));
    const ProcessResult result = link("sums.o", "");
    EXPECT_EQ(result.exitStatus, 0) << result.out << result.err;
    // 7, then 7 * 31 + 6, a line in error, then 223 * 31 + 5.
    EXPECT_EQ(result.out, "sums 6918 errors 1\nthreads 6 rounds 3 mismatches 0\n");
}

// The second grammar takes the other table form, so that one program runs
// both forms of the engine, in threads at once.
TEST_P(ParserConcurrency, TwoGrammarsInOneProgram)
{
    std::vector<std::string> other = GetParam().switches;
    const auto compact = std::find(other.begin(), other.end(), "-s");
    if (compact != other.end())
        other.erase(compact);
    else
        other.push_back("-s");
    ASSERT_NO_FATAL_FAILURE(generate("sums", sumsGrammar(GetParam().cpp), GetParam().switches));
    ASSERT_NO_FATAL_FAILURE(generate("lists", listsGrammar(GetParam().cpp), other));
    const ProcessResult result = link("sums.o lists.o", "-DBOTH");
    EXPECT_EQ(result.exitStatus, 0) << result.out << result.err;
    // (a b (c) ()): the inner lists are worth 3 * 3 + 1 and 1, the items
    // ((1 + 2) * 2 + 10) * 2 + 1 = 33, the list 33 * 3 + 1.
    EXPECT_EQ(result.out, "sums 6918 errors 1\nlists 100 errors 0\nthreads 6 rounds 3 mismatches 0\n");
}

INSTANTIATE_TEST_SUITE_P(Forms, ParserConcurrency, ::testing::ValuesIn(kVariants),
                         [](const ::testing::TestParamInfo<Variant>& param) { return std::string(param.param.name); });

} // namespace
