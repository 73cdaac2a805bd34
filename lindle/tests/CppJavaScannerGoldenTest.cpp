#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "lindle/tests/CScannerRunning.h"

using lindle::testing::kRuntimeIncludes;
using lindle::testing::runLindle;
using toolframe::testing::ProcessResult;
using toolframe::testing::readFile;
using toolframe::testing::shell;
using toolframe::testing::TemporaryDirectory;

// Whole generated C++ and Java files for small lex programs, fast and
// compact, bytes and Unicode, byte for byte; each C++ file compiled with
// g++ -Wall -Wextra -Werror, each Java file with javac -Xlint:all -Werror. Set
// CORVANE_UPDATE_GOLDEN=1 to write the files anew after a change that is
// meant, and read the difference.
namespace {

struct Form {
    const char* name;
    const char* source; // in the golden directory
    std::vector<std::string> switches;
    std::vector<const char*> files; // the generated files on record, without the stem
};

const std::vector<Form> kForms = {
    {"cpp_fast", "cpp_scan.l", {"-Tcpp", "-i"}, {".cpp", ".h"}},
    {"cpp_compact", "cpp_scan.l", {"-Tcpp", "-s"}, {".cpp"}},
    {"cpp_unicode", "cpp_scan.l", {"-Tcpp", "-W", "-i"}, {".cpp", ".h"}},
    {"cpp_unicode_compact_commented_lines", "cpp_scan.l", {"-Tcpp", "-W", "-s", "-l"}, {".cpp"}},
    {"java_fast", "Scanner.l", {"-Tj"}, {".java"}},
    {"java_compact", "Scanner.l", {"-Tj", "-s"}, {".java"}},
};

const std::string kGolden = GOLDEN_DIR;

std::string stemOf(const std::string& source) { return source.substr(0, source.rfind('.')); }

std::string compileCommand(const Form& form)
{
    const std::string stem = stemOf(form.source);
    if (form.files.front() == std::string(".java"))
        return "javac -Xlint:all -Werror -cp " YL_JAR " -d classes " + stem + ".java";
    return "g++ -Wall -Wextra -Werror" + kRuntimeIncludes + " -c " + stem + ".cpp -o " + stem + ".o";
}

class CppJavaScannerGolden : public ::testing::TestWithParam<Form> {};

TEST_P(CppJavaScannerGolden, MatchesTheFilesOnRecordAndCompiles)
{
    const Form& form = GetParam();
    TemporaryDirectory dir;
    dir.write(form.source, readFile(kGolden + "/" + form.source));
    std::vector<std::string> arguments = {form.source};
    arguments.insert(arguments.end(), form.switches.begin(), form.switches.end());
    const ProcessResult result = runLindle(dir, arguments);
    ASSERT_EQ(result.exitStatus, 0) << result.out << result.err;
    const bool update = std::getenv("CORVANE_UPDATE_GOLDEN") != nullptr;
    const std::string stem = stemOf(form.source);
    for (const std::string extension : form.files) {
        const std::string generated = readFile(dir / (stem + extension));
        const std::string golden = kGolden + "/" + stem + "_" + form.name + extension;
        if (update)
            std::ofstream(golden, std::ios::binary) << generated;
        EXPECT_EQ(generated, readFile(golden)) << golden;
    }
    const std::string command = compileCommand(form);
    const ProcessResult compiled = shell(command, dir.path());
    EXPECT_EQ(compiled.exitStatus, 0) << command << "\n" << compiled.out << compiled.err;
}

INSTANTIATE_TEST_SUITE_P(Forms, CppJavaScannerGolden, ::testing::ValuesIn(kForms),
                         [](const ::testing::TestParamInfo<Form>& param) { return std::string(param.param.name); });

} // namespace

namespace {

// The scan reads around the input hooks only where the class keeps the
// library's: a class that replaces yygetchar() reads every character
// through it.
TEST(CppScannerHooks, AClassOfItsOwnInputHookReadsThroughIt)
{
    TemporaryDirectory dir;
    dir.write("hook.l", "%{\n#include <stdio.h>\n#include <ctype.h>\n%}\n%name hooked\n{\n"
                        "\tvirtual int yygetchar() { int c = yl::yylexer::yygetchar(); return c == EOF ? c : toupper(c); }\n"
                        "}\n%%\n[A-Z]+\t{ printf(\"upper:%s\\n\", yytext); }\n[a-z]+\t{ printf(\"lower:%s\\n\", yytext); }\n"
                        ".|\\n\t;\n%%\nint main() { hooked h; while (h.yylex() != 0) {} return 0; }\n");
    const ProcessResult generated = runLindle(dir, {"hook.l", "-$", "-Tcpp"});
    ASSERT_EQ(generated.exitStatus, 0) << generated.out;
    const std::string command = "g++ -Wall -Werror" + kRuntimeIncludes + " hook.cpp " YL_LIBRARY " -o hook";
    const ProcessResult compiled = shell(command, dir.path());
    ASSERT_EQ(compiled.exitStatus, 0) << compiled.out << compiled.err;
    const ProcessResult run = toolframe::testing::runWithInput(dir, "./hook", "abc DEF gh\nij");
    EXPECT_EQ(run.out, "upper:ABC\nupper:DEF\nupper:GH\nupper:IJ\n");
}

} // namespace
