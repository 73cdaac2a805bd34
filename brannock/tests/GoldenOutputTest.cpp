#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "brannock/tests/BrannockRun.h"

using brannock::testing::runBrannock;
using toolframe::testing::ProcessResult;
using toolframe::testing::TemporaryDirectory;

// Whole generated C files for one small grammar in every model and width,
// fast and compact, byte for byte. Set CORVANE_UPDATE_GOLDEN=1 to write the
// files anew after a change that is meant, and read the difference.
namespace {

struct Form {
    const char* name;
    std::vector<std::string> switches;
};

const std::vector<Form> kForms = {
    {"single", {"-ms"}},          {"single_unicode", {"-ms", "-W"}},       {"multiple", {"-mm"}},
    {"multiple_unicode", {"-mm", "-W"}}, {"instance", {"-mi"}},          {"instance_unicode", {"-mi", "-W"}},
    {"single_compact", {"-ms", "-s"}}, {"instance_unicode_compact", {"-mi", "-W", "-s"}},
};

const std::string kGolden = GOLDEN_DIR;

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

class GoldenOutput : public ::testing::TestWithParam<Form> {};

TEST_P(GoldenOutput, MatchesTheFileOnRecord)
{
    const Form& form = GetParam();
    TemporaryDirectory dir;
    dir.write("sum.y", readFile(kGolden + "/sum.y"));
    std::vector<std::string> arguments = {"sum.y", "-i"};
    arguments.insert(arguments.end(), form.switches.begin(), form.switches.end());
    const ProcessResult result = runBrannock(dir, arguments);
    ASSERT_EQ(result.exitStatus, 0) << result.out << result.err;
    const bool update = std::getenv("CORVANE_UPDATE_GOLDEN") != nullptr;
    for (const char* extension : {".c", ".h"}) {
        const std::string generated = readFile(dir / (std::string("sum") + extension));
        const std::string golden = kGolden + "/sum_" + form.name + extension;
        if (update)
            writeFile(golden, generated);
        EXPECT_EQ(generated, readFile(golden)) << golden;
    }
    // What is on record must also build, as C and as C++.
    for (const char* compiler : {"gcc -x c", "g++ -x c++"}) {
        const std::string command = std::string(compiler) + " -Wall -Werror -I" + YL_INCLUDE_DIR +
                                    " -c sum.c -o sum.o";
        toolframe::testing::ProcessSetup setup;
        setup.workingDirectory = dir.path();
        const ProcessResult compiled = toolframe::testing::runProcess("/bin/sh", {"-c", command}, setup);
        EXPECT_EQ(compiled.exitStatus, 0) << command << "\n" << compiled.out << compiled.err;
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, GoldenOutput, ::testing::ValuesIn(kForms),
                         [](const ::testing::TestParamInfo<Form>& param) { return std::string(param.param.name); });

} // namespace
