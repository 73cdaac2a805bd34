#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lindle/tests/CScannerRunning.h"

using lindle::testing::compiles;
using lindle::testing::kRuntimeIncludes;
using lindle::testing::runLindle;
using lindle::testing::runtimeLibrary;
using toolframe::testing::ProcessResult;
using toolframe::testing::readFile;
using toolframe::testing::runProgramChecked;
using toolframe::testing::runWithInput;
using toolframe::testing::shell;
using toolframe::testing::TemporaryDirectory;

// The examples as a user builds them, a parser and its scanner in one
// program: the calculator and Tally in C, C++ and Java, each language's
// program printing the same for the same input, syntax errors and their
// recovery included; the C and C++ programs under valgrind, which finds
// no leak.
namespace {

struct Example {
    const char* name;
    // The grammar and scanner of each language, in the examples directory.
    const char* cGrammar;
    const char* cScanner;
    const char* cppGrammar;
    const char* cppScanner;
    const char* javaGrammar;
    const char* javaScanner;
    std::vector<std::string> inputs;
};

const std::vector<Example> kExamples = {
    {"calc",
     "calc.y",
     "calc.l",
     "calc_cpp.y",
     "calc_cpp.l",
     "Calc.y",
     "CalcLexer.l",
     {"1+2*3\n(4-1)/2\n-5\n1.25*4\n", "1+\n2*3\n1 2 3\n)\n\n-(2-5)\n", "4\n1+", "((2))\n.5+.25\n7/0\n@\n3\n"}},
    {"tally",
     "tally.y",
     "tally.l",
     "tally_cpp.y",
     "tally_cpp.l",
     "Tally.y",
     "TallyLexer.l",
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

class Examples : public ::testing::TestWithParam<Example> {};

TEST_P(Examples, SameOutputInEveryLanguage)
{
    const Example& example = GetParam();
    TemporaryDirectory dir;
    for (const char* file : {example.cGrammar, example.cScanner, example.cppGrammar, example.cppScanner,
                             example.javaGrammar, example.javaScanner})
        dir.write(file, readFile(std::string(EXAMPLES_DIR) + "/" + file));
    std::vector<std::string> inputs = example.inputs;
    const std::string sample = std::string(EXAMPLES_DIR) + "/" + example.name + ".in";
    if (shell("test -f " + sample, "/").exitStatus == 0)
        inputs.push_back(readFile(sample));

    const std::string c = stem(example.cGrammar);
    ASSERT_TRUE(run(dir, BRANNOCK_PROGRAM, {example.cGrammar, "-$", "-i"}));
    ASSERT_TRUE(run(dir, LINDLE_PROGRAM, {example.cScanner, "-$", "-o", c + "_lex.c"}));
    ASSERT_TRUE(compiles(dir, "gcc -Wall -Werror -g" + kRuntimeIncludes + " " + c + ".c " + c + "_lex.c " +
                                 runtimeLibrary(false) + " -o c_program"));

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
        const ProcessResult fromC = runProgramChecked(dir, "c_program", inputs[i]);
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
