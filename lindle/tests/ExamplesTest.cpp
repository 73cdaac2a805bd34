#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lindle/tests/CScannerRunning.h"

using lindle::testing::compiles;
using lindle::testing::kRuntimeIncludes;
using lindle::testing::runtimeLibrary;
using toolframe::testing::ProcessResult;
using toolframe::testing::readFile;
using toolframe::testing::runProgramChecked;
using toolframe::testing::runWithInput;
using toolframe::testing::shell;
using toolframe::testing::TemporaryDirectory;

// The examples as a user builds them, a parser and its scanner in one
// program: the calculator and Tally in C, in every model and both widths,
// in C++ and in Java, each program printing the same for the same input,
// syntax errors and their recovery included; the C and C++ programs under
// valgrind, which finds no leak.
namespace {

// One C build of an example: its sources, the switches that both tools
// get, and what the compiler is told.
struct CBuild {
    const char* grammar;
    const char* scanner;
    const char* switches;
    const char* flags;
};

// The single model and the multiple models, each in bytes and in Unicode.
// The multiple-model sources serve -mm and -mi; compiled with INSTANCES,
// the program works on copies of the -mi objects.
std::vector<CBuild> cBuilds(const char* grammar, const char* scanner, const char* objectGrammar,
                            const char* objectScanner)
{
    return {{grammar, scanner, "", ""},
            {grammar, scanner, " -W", ""},
            {objectGrammar, objectScanner, " -mm", ""},
            {objectGrammar, objectScanner, " -mm -W", ""},
            {objectGrammar, objectScanner, " -mi", " -DINSTANCES"},
            {objectGrammar, objectScanner, " -mi -W", " -DINSTANCES"}};
}

struct Example {
    const char* name;
    // The sources of each language, in the examples directory; the first C
    // build is the one every other program is compared with.
    std::vector<CBuild> c;
    const char* cppGrammar;
    const char* cppScanner;
    const char* javaGrammar;
    const char* javaScanner;
    // What the C sources include beside their generated headers.
    std::vector<std::string> cHeaders;
    std::vector<std::string> inputs;
};

const std::vector<Example> kExamples = {
    {"calc",
     cBuilds("calc.y", "calc.l", "calc_mm.y", "calc_mm.l"),
     "calc_cpp.y",
     "calc_cpp.l",
     "Calc.y",
     "CalcLexer.l",
     {},
     {"1+2*3\n(4-1)/2\n-5\n1.25*4\n", "1+\n2*3\n1 2 3\n)\n\n-(2-5)\n", "4\n1+", "((2))\n.5+.25\n7/0\n@\n3\n"}},
    {"tally",
     cBuilds("tally.y", "tally.l", "tally_mm.y", "tally_mm.l"),
     "tally_cpp.y",
     "tally_cpp.l",
     "Tally.y",
     "TallyLexer.l",
     {"tally_pool.h", "tally_text.h"},
     {"", "print 1;\n", "x = 1;\nprint x, \"\\n\", x + 1;\n/* open comment\n", "print \"open string\n;\n;;x=;print 2;",
      "a = 2; b = a * a; print a, b, \"!\";\n# comment\nprint (a + b) / (a - 2);\n"}},
};

std::string stem(const std::string& file) { return file.substr(0, file.rfind('.')); }

::testing::AssertionResult run(const TemporaryDirectory& dir, const std::string& tool,
                               const std::vector<std::string>& arguments)
{
    const ProcessResult result = toolframe::testing::runTool(tool, dir, arguments);
    if (result.exitStatus != 0)
        return ::testing::AssertionFailure() << tool << " " << arguments.front() << ": " << result.out << result.err;
    return ::testing::AssertionSuccess();
}

// Generates and compiles one C build as the program c_program_NUMBER;
// its name, or empty after a failure that the test reports.
std::string buildC(const TemporaryDirectory& dir, const CBuild& build, std::size_t number)
{
    const std::string program = "c_program_" + std::to_string(number);
    const std::string switches = build.switches;
    const std::string c = stem(build.grammar);
    const bool unicode = switches.find("-W") != std::string::npos;
    // The later builds of the same sources generate over the earlier ones,
    // which are compiled by then.
    const std::string command = toolframe::testing::quoted(BRANNOCK_PROGRAM) + " " + build.grammar + " -$ -i" +
                                switches + " && " + toolframe::testing::quoted(LINDLE_PROGRAM) + " " + build.scanner +
                                " -$ -i -o " + c + "_lex.c" + switches + " && gcc -Wall -Werror -g" + build.flags +
                                kRuntimeIncludes + " " + c + ".c " + c + "_lex.c " + runtimeLibrary(unicode) + " -o " +
                                program;
    const ProcessResult built = shell(command, dir.path());
    EXPECT_EQ(built.exitStatus, 0) << command << "\n" << built.out << built.err;
    return built.exitStatus == 0 ? program : std::string();
}

class Examples : public ::testing::TestWithParam<Example> {};

TEST_P(Examples, SameOutputInEveryLanguage)
{
    const Example& example = GetParam();
    TemporaryDirectory dir;
    std::vector<std::string> sources = example.cHeaders;
    sources.insert(sources.end(), {example.cppGrammar, example.cppScanner, example.javaGrammar, example.javaScanner});
    for (const CBuild& build : example.c)
        sources.insert(sources.end(), {build.grammar, build.scanner});
    for (const std::string& file : sources)
        dir.write(file, readFile(std::string(EXAMPLES_DIR) + "/" + file));
    std::vector<std::string> inputs = example.inputs;
    const std::string sample = std::string(EXAMPLES_DIR) + "/" + example.name + ".in";
    if (shell("test -f " + sample, "/").exitStatus == 0)
        inputs.push_back(readFile(sample));

    std::vector<std::string> cPrograms;
    for (const CBuild& build : example.c) {
        SCOPED_TRACE(build.grammar + std::string(build.switches));
        cPrograms.push_back(buildC(dir, build, cPrograms.size()));
        ASSERT_FALSE(cPrograms.back().empty());
    }

    const std::string cpp = stem(example.cppGrammar);
    ASSERT_TRUE(run(dir, BRANNOCK_PROGRAM, {example.cppGrammar, "-$", "-Tcpp", "-i"}));
    ASSERT_TRUE(run(dir, LINDLE_PROGRAM, {example.cppScanner, "-$", "-Tcpp", "-o", cpp + "_lex.cpp", "-i"}));
    ASSERT_TRUE(compiles(dir, "g++ -Wall -Werror -g" + kRuntimeIncludes + " " + cpp + ".cpp " + cpp + "_lex.cpp " +
                                 runtimeLibrary(false) + " -o cpp_program"));

    const bool java = shell("command -v javac", "/").exitStatus == 0;
    const std::string javaClass = stem(example.javaGrammar);
    if (java) {
        ASSERT_TRUE(run(dir, BRANNOCK_PROGRAM, {example.javaGrammar, "-$", "-Tj"}));
        ASSERT_TRUE(run(dir, LINDLE_PROGRAM, {example.javaScanner, "-$", "-Tj"}));
        ASSERT_TRUE(compiles(dir, "javac -Xlint:all -Werror -cp " YL_JAR " -d classes " + javaClass + ".java " +
                                     stem(example.javaScanner) + ".java"));
    }

    for (std::size_t i = 0; i < inputs.size(); ++i) {
        SCOPED_TRACE("input " + std::to_string(i));
        const ProcessResult fromC = runProgramChecked(dir, cPrograms.front(), inputs[i]);
        for (std::size_t p = 1; p < cPrograms.size(); ++p) {
            SCOPED_TRACE(example.c[p].grammar + std::string(example.c[p].switches));
            const ProcessResult fromModel = runProgramChecked(dir, cPrograms[p], inputs[i]);
            EXPECT_EQ(fromModel.out, fromC.out);
            EXPECT_EQ(fromModel.err, fromC.err);
            EXPECT_EQ(fromModel.exitStatus, fromC.exitStatus);
        }
        const ProcessResult fromCpp = runProgramChecked(dir, "cpp_program", inputs[i]);
        EXPECT_EQ(fromCpp.out, fromC.out);
        EXPECT_EQ(fromCpp.err, fromC.err);
        EXPECT_EQ(fromCpp.exitStatus, fromC.exitStatus);
        if (!java)
            continue;
        const ProcessResult fromJava = runWithInput(dir, "java -cp " YL_JAR ":classes " + javaClass, inputs[i]);
        EXPECT_EQ(fromJava.out, fromC.out);
        EXPECT_EQ(fromJava.err, fromC.err);
        EXPECT_EQ(fromJava.exitStatus, fromC.exitStatus);
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, Examples, ::testing::ValuesIn(kExamples),
                         [](const ::testing::TestParamInfo<Example>& param) { return std::string(param.param.name); });

} // namespace
