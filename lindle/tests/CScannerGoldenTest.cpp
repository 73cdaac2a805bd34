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

// Whole generated C files for one small lex program in every model and
// width, fast and compact, byte for byte, each also compiled as C and as
// C++. Set CORVANE_UPDATE_GOLDEN=1 to write the files anew after a change
// that is meant, and read the difference.
namespace {

struct Form {
    const char* name;
    std::vector<std::string> switches;
};

const std::vector<Form> kForms = {
    {"single", {"-ms"}},
    {"single_unicode", {"-ms", "-W"}},
    {"single_compact", {"-ms", "-s"}},
    {"single_commented_lines", {"-ms", "-l"}},
    {"multiple", {"-mm"}},
    {"multiple_unicode", {"-mm", "-W"}},
    {"instance", {"-mi"}},
    {"instance_unicode_compact", {"-mi", "-W", "-s"}},
};

const std::string kGolden = GOLDEN_DIR;

class CScannerGolden : public ::testing::TestWithParam<Form> {};

TEST_P(CScannerGolden, MatchesTheFileOnRecordAndCompiles)
{
    const Form& form = GetParam();
    TemporaryDirectory dir;
    dir.write("scan.l", readFile(kGolden + "/scan.l"));
    std::vector<std::string> arguments = {"scan.l", "-i"};
    arguments.insert(arguments.end(), form.switches.begin(), form.switches.end());
    const ProcessResult result = runLindle(dir, arguments);
    ASSERT_EQ(result.exitStatus, 0) << result.out << result.err;
    const bool update = std::getenv("CORVANE_UPDATE_GOLDEN") != nullptr;
    for (const std::string extension : {".c", ".h"}) {
        const std::string generated = readFile(dir / ("scan" + extension));
        const std::string golden = kGolden + "/scan_" + form.name + extension;
        if (update)
            std::ofstream(golden, std::ios::binary) << generated;
        EXPECT_EQ(generated, readFile(golden)) << golden;
    }
    // As strict a build as a user's, with and without the debug members.
    for (const std::string compiler : {"gcc -x c", "g++ -x c++"})
        for (const std::string debug : {"", " -DYYDEBUG"}) {
            const std::string command =
                compiler + " -Wall -Wextra -Werror" + debug + kRuntimeIncludes + " -c scan.c -o scan.o";
            const ProcessResult compiled = shell(command, dir.path());
            EXPECT_EQ(compiled.exitStatus, 0) << command << "\n" << compiled.out << compiled.err;
        }
}

// Specifications that leave a name of the generated code unused: no rule,
// and the user's own input, output and unput, whose wrappers in the
// multiple models take an object they need not read. Each still compiles
// without a warning in every form, C++ output included.
TEST_P(CScannerGolden, SpecificationsLeavingNamesUnusedCompileWithoutWarnings)
{
    const Form& form = GetParam();
    const std::string specifications[] = {
        "%name sparse\n%%\n%%\n",
        "%{\n#include <stdio.h>\n#define input() getchar()\n#define output(c) putchar(c)\n"
        "#define unput(c) ungetc((c), stdin)\n%}\n%name sparse\n%%\n.|\\n\t{ return 1; }\n%%\n",
    };
    TemporaryDirectory dir;
    for (const std::string& specification : specifications) {
        dir.write("sparse.l", specification);
        for (const bool cpp : {false, true}) {
            std::vector<std::string> arguments = {"sparse.l"};
            if (cpp)
                arguments.push_back("-Tcpp");
            arguments.insert(arguments.end(), form.switches.begin(), form.switches.end());
            const ProcessResult result = runLindle(dir, arguments);
            ASSERT_EQ(result.exitStatus, 0) << result.out << result.err;
            const std::string source = cpp ? "sparse.cpp" : "sparse.c";
            for (const std::string debug : {"", " -DYYDEBUG"}) {
                const std::string command = std::string(cpp ? "g++" : "gcc") + " -Wall -Wextra -Werror" + debug +
                                            kRuntimeIncludes + " -c " + source + " -o sparse.o";
                const ProcessResult compiled = shell(command, dir.path());
                EXPECT_EQ(compiled.exitStatus, 0) << specification << command << "\n" << compiled.out << compiled.err;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, CScannerGolden, ::testing::ValuesIn(kForms),
                         [](const ::testing::TestParamInfo<Form>& param) { return std::string(param.param.name); });

} // namespace
