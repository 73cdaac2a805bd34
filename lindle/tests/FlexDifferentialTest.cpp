#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "LindleRun.h"
#include "toolframe/testing/ProgramRunning.h"

// Each specification of the corpus built by flex and by lindle, both
// scanners run on the chosen input and on random ones made from its
// pieces: the same tokens, texts and lines, byte for byte.
namespace lindle::testing {
namespace {

using toolframe::testing::quoted;
using toolframe::testing::runProgram;
using toolframe::testing::shell;

const std::string kCorpus = FLEX_CORPUS_DIR;

struct CorpusEntry {
    friend void PrintTo(const CorpusEntry& entry, std::ostream* out) { *out << entry.name; }
    const char* name;
    std::vector<std::string> switches; // lindle's; flex finds REJECT by itself
};

const CorpusEntry kEntries[] = {
    {"anchors", {}},       {"backup", {}},         {"backup_long", {}},   {"classes", {}},
    {"clexer", {}},        {"dotstar", {}},        {"echo", {}},          {"eof", {}},
    {"eof_conditions", {}}, {"exclusive", {}},     {"inclusive", {}},     {"input", {}},
    {"keywords", {}},      {"lines", {}},          {"macros", {}},        {"numbers", {}},
    {"pascal", {}},        {"reject", {"-r"}},     {"reject_count", {"-r"}}, {"repetitions", {}},
    {"trailing_dollar", {}}, {"trailing_slash", {}}, {"unput", {}},        {"wordcount", {}},
    {"yyless", {}},        {"yymore", {}},         {"yymore_prefix", {}}, {"yystart", {}},
};

class FlexDifferential : public ::testing::TestWithParam<CorpusEntry> {};

// Random texts made of the sample's characters and of pieces of it, so
// that keywords and operators turn up as often as stray characters.
std::vector<std::string> randomInputs(const std::string& sample, unsigned seed, int count)
{
    std::mt19937 random(seed);
    std::vector<std::string> inputs;
    for (int i = 0; i < count; ++i) {
        std::string text;
        const int parts = static_cast<int>(random() % 24);
        for (int p = 0; p < parts; ++p) {
            if (random() % 2 == 0) {
                text += sample[random() % sample.size()];
            } else {
                const std::size_t from = random() % sample.size();
                text += sample.substr(from, 1 + random() % 8);
            }
        }
        inputs.push_back(text);
    }
    return inputs;
}

TEST_P(FlexDifferential, SameTokensAsFlex)
{
    const CorpusEntry& entry = GetParam();
    toolframe::testing::TemporaryDirectory dir;
    const std::string spec = kCorpus + "/" + entry.name + ".l";
    const std::string compile = "cc -w -o ";
    ASSERT_EQ(shell("flex -o flex.c " + quoted(spec) + " && " + compile + "flex_scanner flex.c", dir.path()).exitStatus, 0);
    for (const std::vector<std::string>& forms : {std::vector<std::string>{}, std::vector<std::string>{"-s"}}) {
        std::string switches;
        for (const std::string& s : entry.switches)
            switches += " " + s;
        for (const std::string& s : forms)
            switches += " " + s;
        const auto generated = shell(quoted(kProgram) + " -$ " + quoted(spec) + " -o lindle.c" + switches, dir.path());
        ASSERT_EQ(generated.exitStatus, 0) << generated.out;
        const auto built = shell(compile + "lindle_scanner -I" + quoted(YL_INCLUDE_DIR) + " -I" +
                                     quoted(YL_COMMON_INCLUDE_DIR) + " lindle.c " + quoted(YL_LIBRARY),
                                 dir.path());
        ASSERT_EQ(built.exitStatus, 0) << built.out << built.err;
        const std::string sample = toolframe::testing::readFile(kCorpus + "/" + entry.name + ".in");
        std::vector<std::string> inputs{sample};
        const std::vector<std::string> more = randomInputs(sample, 17, 150);
        inputs.insert(inputs.end(), more.begin(), more.end());
        for (const std::string& input : inputs) {
            const auto flex = runProgram(dir, "flex_scanner", input);
            const auto lindle = runProgram(dir, "lindle_scanner", input);
            ASSERT_EQ(lindle.out, flex.out) << entry.name << switches << " on input:\n" << input;
            ASSERT_EQ(lindle.exitStatus, flex.exitStatus);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, FlexDifferential, ::testing::ValuesIn(kEntries),
                         [](const ::testing::TestParamInfo<CorpusEntry>& entry) { return std::string(entry.param.name); });

} // namespace
} // namespace lindle::testing
