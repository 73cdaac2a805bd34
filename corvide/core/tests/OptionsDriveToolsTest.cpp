// Every option set the dialogs can produce gives switches that the real
// generators accept, and the file Build compares with is the one they write.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "corvide/core/options/BrannockOptions.h"
#include "corvide/core/options/LindleOptions.h"
#include "corvide/core/platform/FileStatus.h"
#include "corvide/core/project/OutputName.h"
#include "toolframe/testing/ProcessRunner.h"
#include "toolframe/testing/TemporaryDirectory.h"

namespace {

using corvide::COptionDefaults;
using corvide::FieldKind;
using corvide::SourceKind;
using toolframe::testing::TemporaryDirectory;

constexpr std::string_view kGrammar = "%token NUMBER\n%%\nsum : sum '+' NUMBER | NUMBER ;\n%%\n";
constexpr std::string_view kScanner = "%%\n[0-9]+ { return 1; }\n\"+\" { return 2; }\n. { }\n%%\n";

struct Tool {
    std::string program;
    std::string sourceName;
    std::string_view source;
    SourceKind kind;
    char letter;
};

const Tool kBrannock{BRANNOCK_PROGRAM, "g.y", kGrammar, SourceKind::Grammar, 'Y'};
const Tool kLindle{LINDLE_PROGRAM, "s.l", kScanner, SourceKind::Scanner, 'L'};

// Splits as the spawner does; the dialogs' switches hold no quotes.
std::vector<std::string> words(const std::string& text)
{
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find(' ', start);
        const std::size_t stop = end == std::string::npos ? text.size() : end;
        if (stop > start)
            result.push_back(text.substr(start, stop - start));
        start = stop + 1;
    }
    return result;
}

struct ToolRun {
    bool accepted;
    bool wroteOutput;
    std::string transcript;
};

ToolRun runWith(const Tool& tool, const corvide::COptionSet& options, const std::string& switches)
{
    const TemporaryDirectory directory;
    directory.write(tool.sourceName, std::string(tool.source));
    std::vector<std::string> arguments{directory / tool.sourceName};
    for (std::string& word : words(switches))
        arguments.push_back(std::move(word));
    toolframe::testing::ProcessSetup setup;
    setup.workingDirectory = directory.path();
    const toolframe::testing::ProcessResult result = toolframe::testing::runProcess(tool.program, arguments, setup);
    const std::string output =
        corvide::derivedOutputName(directory / tool.sourceName, tool.kind, options, toolframe::CodePage());
    const std::string error = std::string("error ") + tool.letter;
    return ToolRun{result.exitStatus == 0 && result.out.find(error) == std::string::npos,
               corvide::platform::fileExists(output),
               switches + "\n" + result.out + result.err};
}

// The values a dialog offers for a field beside the one it holds.
template <class Options>
std::vector<Options> variations(const Options& base)
{
    std::vector<Options> sets;
    for (const auto& field : Options::fields()) {
        const auto with = [&](auto apply) {
            Options options = base;
            apply(options);
            sets.push_back(options);
        };
        switch (field.kind) {
        case FieldKind::Flag:
            with([&](Options& o) { o.*field.flag = !(o.*field.flag); });
            break;
        case FieldKind::Code:
            for (const std::string_view code : field.allowedCodes)
                with([&](Options& o) { o.*field.text = std::string(code); });
            break;
        case FieldKind::Text:
            if (field.key == "OptionE")
                for (const char* extension : {"c", "cpp", "cxx", "java"})
                    with([&](Options& o) { o.*field.text = extension; });
            if (field.key == "OptionX")
                for (const char* extension : {"h", "hpp", "hxx"})
                    with([&](Options& o) { o.*field.text = extension; });
            break;
        case FieldKind::Number:
            for (const int value : {field.minimum, 2048, field.maximum == INT_MAX ? 100000 : field.maximum})
                with([&](Options& o) { o.*field.number = value; });
            break;
        }
    }
    return sets;
}

template <class Options>
std::vector<Options> dialogSets()
{
    std::vector<Options> sets;
    for (int language = 0; language < 3; ++language)
        for (int model = 0; model < 3; ++model)
            for (const bool unicode : {false, true})
                for (int parser = 0; parser < 3; ++parser) {
                    const Options base(COptionDefaults{language, corvide::kCompilerGcc, parser == 1, unicode, model, parser});
                    sets.push_back(base);
                    if (model == 0 && !unicode && parser == 1)
                        for (const Options& varied : variations(base))
                            sets.push_back(varied);
                }
    return sets;
}

// Whether the tool writes this target language at all (a generator that
// accepts a target it does not write yet is not the option set's fault),
// seen by the file it leaves, not by the name under test.
bool writesTarget(const Tool& tool, const std::string& switchText, const std::string& extension)
{
    const TemporaryDirectory directory;
    directory.write(tool.sourceName, std::string(tool.source));
    toolframe::testing::ProcessSetup setup;
    setup.workingDirectory = directory.path();
    toolframe::testing::runProcess(tool.program, {directory / tool.sourceName, "-$", switchText}, setup);
    return directory.exists(tool.sourceName.substr(0, tool.sourceName.find('.')) + extension);
}

template <class Options>
void expectAcceptedAndWritten(const Tool& tool)
{
    const bool writes[] = {true, writesTarget(tool, "-Tcpp", ".cpp"), writesTarget(tool, "-Tj", ".java")};
    std::size_t checked = 0;
    for (const Options& options : dialogSets<Options>()) {
        const ToolRun run = runWith(tool, options, options.commandLineSwitches());
        EXPECT_TRUE(run.accepted) << run.transcript;
        const int language = options.targetLanguage == "cpp" ? 1 : options.targetLanguage == "j" ? 2 : 0;
        if (writes[language]) {
            EXPECT_TRUE(run.wroteOutput) << "no output at the derived name: " << run.transcript;
        }
        ++checked;
    }
    EXPECT_GT(checked, 60u);
}

TEST(OptionsDriveTools, BrannockAcceptsEverySetAndWritesTheDerivedOutput)
{
    ASSERT_TRUE(writesTarget(kBrannock, "-Tcpp", ".cpp"));
    ASSERT_TRUE(writesTarget(kBrannock, "-Tj", ".java"));
    expectAcceptedAndWritten<corvide::CBrannockOptions>(kBrannock);
}

TEST(OptionsDriveTools, LindleAcceptsEverySetAndWritesTheDerivedOutput)
{
    expectAcceptedAndWritten<corvide::CLindleOptions>(kLindle);
}

TEST(OptionsDriveTools, OtherOptionsReachTheToolInTheirPlace)
{
    corvide::CBrannockOptions options;
    options.otherOptions = "-o custom.c";
    const ToolRun run = runWith(kBrannock, options, options.commandLineSwitches());
    EXPECT_TRUE(run.accepted) << run.transcript;
    corvide::CLindleOptions lindle;
    lindle.otherOptions = "-u -r";
    EXPECT_TRUE(runWith(kLindle, lindle, lindle.commandLineSwitches()).accepted);
}

} // namespace
