#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "brannock/tests/BrannockRun.h"
#include "brannock/tests/ProgramRunning.h"

using brannock::testing::readFile;
using brannock::testing::runBrannock;
using brannock::testing::shell;
using toolframe::testing::ProcessResult;
using toolframe::testing::TemporaryDirectory;

// Whole generated C files for one small grammar in every model and width,
// fast and compact, byte for byte. Set CORVANE_UPDATE_GOLDEN=1 to write the
// files anew after a change that is meant, and read the difference.
namespace {

struct Form {
    const char* name;
    std::vector<std::string> switches;
    std::vector<std::string> files = {".c", ".h"};
    std::string grammar = "sum";
};

const std::vector<Form> kForms = {
    {"single", {"-ms"}},          {"single_unicode", {"-ms", "-W"}},       {"multiple", {"-mm"}},
    {"multiple_unicode", {"-mm", "-W"}}, {"instance", {"-mi"}},          {"instance_unicode", {"-mi", "-W"}},
    {"single_compact", {"-ms", "-s"}}, {"instance_unicode_compact", {"-mi", "-W", "-s"}},
    {"cpp", {"-Tcpp"}, {".cpp", ".h"}}, {"cpp_unicode_compact", {"-Tcpp", "-W", "-s"}, {".cpp", ".h"}},
    {"cpp_single_file", {"-Tcpp", "-W"}, {".cpp"}}, {"java", {"-Tj"}, {".java"}, "Sum"},
    {"java_compact", {"-Tj", "-s"}, {".java"}, "Sum"},
};

const std::string kGolden = GOLDEN_DIR;

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

class GoldenOutput : public ::testing::TestWithParam<Form> {};

TEST_P(GoldenOutput, MatchesTheFileOnRecord)
{
    const Form& form = GetParam();
    TemporaryDirectory dir;
    const std::string grammar = form.grammar + ".y";
    dir.write(grammar, readFile(kGolden + "/" + grammar));
    std::vector<std::string> arguments = {grammar};
    if (form.files.size() > 1)
        arguments.push_back("-i");
    arguments.insert(arguments.end(), form.switches.begin(), form.switches.end());
    const ProcessResult result = runBrannock(dir, arguments);
    ASSERT_EQ(result.exitStatus, 0) << result.out << result.err;
    const bool update = std::getenv("CORVANE_UPDATE_GOLDEN") != nullptr;
    for (const std::string& extension : form.files) {
        const std::string generated = readFile(dir / (form.grammar + extension));
        const std::string golden = kGolden + "/" + form.grammar + "_" + form.name + extension;
        if (update)
            writeFile(golden, generated);
        EXPECT_EQ(generated, readFile(golden)) << golden;
    }
    // What is on record must also build: C as C and as C++.
    const std::string& kind = form.files.front();
    std::vector<std::string> commands;
    if (kind == ".java") {
        if (shell("command -v javac && test -f " YL_JAR, "/").exitStatus == 0)
            commands.push_back("javac -Xlint:all -Werror -cp " YL_JAR " -d classes Sum.java");
    } else {
        const std::string flags = " -Wall -Werror -I" YL_INCLUDE_DIR " -I" YL_COMMON_INCLUDE_DIR " -c sum" + kind + " -o sum.o";
        commands.push_back("g++ -x c++" + flags);
        if (kind == ".c")
            commands.push_back("gcc -x c" + flags);
    }
    for (const std::string& command : commands) {
        const ProcessResult compiled = shell(command, dir.path());
        EXPECT_EQ(compiled.exitStatus, 0) << command << "\n" << compiled.out << compiled.err;
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, GoldenOutput, ::testing::ValuesIn(kForms),
                         [](const ::testing::TestParamInfo<Form>& param) { return std::string(param.param.name); });

} // namespace
