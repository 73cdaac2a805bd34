#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lindle/tests/CScannerRunning.h"

using lindle::testing::compiles;
using lindle::testing::kRuntimeIncludes;
using lindle::testing::runtimeLibrary;
using toolframe::testing::ProcessResult;
using toolframe::testing::readFile;
using toolframe::testing::runProgram;
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

struct Example {
    const char* name;
    // The sources of each language, in the examples directory. The C
    // program of the single model in bytes is the one every other program
    // is compared with; the multiple-model sources serve -mm and -mi, and
    // compiled with INSTANCES the program works on copies of the -mi
    // objects.
    const char* cGrammar;
    const char* cScanner;
    const char* cObjectGrammar;
    const char* cObjectScanner;
    const char* cppGrammar;
    const char* cppScanner;
    const char* javaGrammar;
    const char* javaScanner;
    // What the C sources include beside their generated headers.
    std::vector<std::string> cHeaders;
    std::vector<std::string> inputs;

    CBuild reference() const { return {cGrammar, cScanner, "", ""}; }
    // The single model in Unicode and the multiple models in both widths.
    std::vector<CBuild> models() const
    {
        return {{cGrammar, cScanner, " -W", ""},
                {cObjectGrammar, cObjectScanner, " -mm", ""},
                {cObjectGrammar, cObjectScanner, " -mm -W", ""},
                {cObjectGrammar, cObjectScanner, " -mi", " -DINSTANCES"},
                {cObjectGrammar, cObjectScanner, " -mi -W", " -DINSTANCES"}};
    }
};

const std::vector<Example> kExamples = {
    {"calc",
     "calc.y",
     "calc.l",
     "calc_mm.y",
     "calc_mm.l",
     "calc_cpp.y",
     "calc_cpp.l",
     "Calc.y",
     "CalcLexer.l",
     {"object_names.h"},
     {"1+2*3\n(4-1)/2\n-5\n1.25*4\n", "1+\n2*3\n1 2 3\n)\n\n-(2-5)\n", "4\n1+", "((2))\n.5+.25\n7/0\n@\n3\n"}},
    {"tally",
     "tally.y",
     "tally.l",
     "tally_mm.y",
     "tally_mm.l",
     "tally_cpp.y",
     "tally_cpp.l",
     "Tally.y",
     "TallyLexer.l",
     {"object_names.h", "tally_pool.h", "tally_text.h"},
     {"", "print 1;\n", "x = 1;\nprint x, \"\\n\", x + 1;\n/* open comment\n", "print \"open string\n;\n;;x=;print 2;",
      "a = 2; b = a * a; print a, b, \"!\";\n# comment\nprint (a + b) / (a - 2);\n"}},
};

std::string stem(const std::string& file) { return file.substr(0, file.rfind('.')); }

// Copies the files named from the examples directory.
void writeExamples(const TemporaryDirectory& dir, const std::vector<std::string>& files)
{
    for (const std::string& file : files)
        dir.write(file, readFile(std::string(EXAMPLES_DIR) + "/" + file));
}

// The example's inputs and its sample, when it has one.
std::vector<std::string> inputsOf(const Example& example)
{
    std::vector<std::string> inputs = example.inputs;
    const std::string sample = std::string(EXAMPLES_DIR) + "/" + example.name + ".in";
    if (shell("test -f " + sample, "/").exitStatus == 0)
        inputs.push_back(readFile(sample));
    return inputs;
}

::testing::AssertionResult run(const TemporaryDirectory& dir, const std::string& tool,
                               const std::vector<std::string>& arguments)
{
    const ProcessResult result = toolframe::testing::runTool(tool, dir, arguments);
    if (result.exitStatus != 0)
        return ::testing::AssertionFailure() << tool << " " << arguments.front() << ": " << result.out << result.err;
    return ::testing::AssertionSuccess();
}

// Generates and compiles one C build as the program named.
::testing::AssertionResult buildC(const TemporaryDirectory& dir, const CBuild& build, const std::string& program)
{
    const std::string switches = build.switches;
    const std::string c = stem(build.grammar);
    const bool unicode = switches.find("-W") != std::string::npos;
    const std::string command = toolframe::testing::quoted(BRANNOCK_PROGRAM) + " " + build.grammar + " -$ -i" +
                                switches + " && " + toolframe::testing::quoted(LINDLE_PROGRAM) + " " + build.scanner +
                                " -$ -i -o " + c + "_lex.c" + switches + " && gcc -Wall -Werror -g" + build.flags +
                                kRuntimeIncludes + " " + c + ".c " + c + "_lex.c " + runtimeLibrary(unicode) + " -o " +
                                program;
    const ProcessResult built = shell(command, dir.path());
    if (built.exitStatus != 0)
        return ::testing::AssertionFailure() << command << "\n" << built.out << built.err;
    return ::testing::AssertionSuccess();
}

// Two programs printed the same, to both streams, and ended the same.
void expectSameRun(const ProcessResult& actual, const ProcessResult& expected)
{
    EXPECT_EQ(actual.out, expected.out);
    EXPECT_EQ(actual.err, expected.err);
    EXPECT_EQ(actual.exitStatus, expected.exitStatus);
}

class Examples : public ::testing::TestWithParam<Example> {};

TEST_P(Examples, SameOutputInEveryLanguage)
{
    const Example& example = GetParam();
    TemporaryDirectory dir;
    std::vector<std::string> sources = example.cHeaders;
    sources.insert(sources.end(), {example.cGrammar, example.cScanner, example.cppGrammar, example.cppScanner,
                                   example.javaGrammar, example.javaScanner});
    writeExamples(dir, sources);
    const std::vector<std::string> inputs = inputsOf(example);

    ASSERT_TRUE(buildC(dir, example.reference(), "c_program"));

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
        expectSameRun(fromCpp, fromC);
        if (!java)
            continue;
        const ProcessResult fromJava = runWithInput(dir, "java -cp " YL_JAR ":classes " + javaClass, inputs[i]);
        expectSameRun(fromJava, fromC);
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, Examples, ::testing::ValuesIn(kExamples),
                         [](const ::testing::TestParamInfo<Example>& param) { return std::string(param.param.name); });

// An example in one of the other C models or widths, against the single
// model in bytes; one test each, so that each stays short.
struct ModelBuild {
    const Example* example;
    CBuild build;
};

std::vector<ModelBuild> modelBuilds()
{
    std::vector<ModelBuild> builds;
    for (const Example& example : kExamples)
        for (const CBuild& build : example.models())
            builds.push_back({&example, build});
    return builds;
}

std::string modelBuildName(const ::testing::TestParamInfo<ModelBuild>& param)
{
    std::string name = param.param.example->name;
    for (const char c : std::string(param.param.build.switches))
        if (c != ' ' && c != '-')
            name += c;
    return name;
}

class ExampleModels : public ::testing::TestWithParam<ModelBuild> {};

TEST_P(ExampleModels, SameOutputAsTheSingleModelInBytes)
{
    const Example& example = *GetParam().example;
    const CBuild& build = GetParam().build;
    TemporaryDirectory dir;
    std::vector<std::string> sources = example.cHeaders;
    sources.insert(sources.end(), {example.cGrammar, example.cScanner, build.grammar, build.scanner});
    writeExamples(dir, sources);
    // The model's build comes second: when it shares the reference's
    // sources, it generates over them after they are compiled.
    ASSERT_TRUE(buildC(dir, example.reference(), "reference"));
    ASSERT_TRUE(buildC(dir, build, "model"));

    const std::vector<std::string> inputs = inputsOf(example);
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        SCOPED_TRACE("input " + std::to_string(i));
        const ProcessResult fromReference = runProgram(dir, "reference", inputs[i]);
        const ProcessResult fromModel = runProgramChecked(dir, "model", inputs[i]);
        expectSameRun(fromModel, fromReference);
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, ExampleModels, ::testing::ValuesIn(modelBuilds()), modelBuildName);

} // namespace
