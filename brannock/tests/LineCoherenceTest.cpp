#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "BrannockRun.h"

using toolframe::testing::TemporaryDirectory;

// Every #line in a generated file must tell the truth: one that names the
// generated file gives the number of the line after it, and the lines after
// one that names the grammar are that grammar's lines, in order (apart
// from where an action's $-forms were translated).
namespace {

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

struct Checked {
    int ownDirectives = 0;
    int grammarDirectives = 0;
    int copiedLines = 0;
};

Checked checkDirectives(const std::string& generated, const std::string& ownName,
                        const std::vector<std::string>& grammar, std::string* problem)
{
    static const std::regex directive(R"re(^(?:/\* |// )?(?:#line|// line) (\d+) "([^"]*)"(?: \*/)?$)re");
    const std::vector<std::string> lines = linesOf(generated);
    Checked checked;
    int grammarLine = 0; // the grammar line the next generated line shows, 0 outside copied text
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::smatch match;
        if (std::regex_match(lines[i], match, directive)) {
            const int number = std::stoi(match[1]);
            if (match[2] == ownName) {
                ++checked.ownDirectives;
                grammarLine = 0;
                if (number != static_cast<int>(i) + 2)
                    *problem += "line " + std::to_string(i + 1) + ": " + lines[i] + "\n";
            } else {
                ++checked.grammarDirectives;
                grammarLine = number;
            }
            continue;
        }
        if (grammarLine == 0)
            continue;
        const std::string& expected = grammarLine <= static_cast<int>(grammar.size())
                                          ? grammar[static_cast<std::size_t>(grammarLine - 1)]
                                          : std::string();
        // A copied line is the grammar line, or a part of it (the text after
        // the opening brace, before the closing one) when no $ was replaced.
        if (expected.find('$') == std::string::npos && expected.find(lines[i]) == std::string::npos)
            *problem += "line " + std::to_string(i + 1) + " shows grammar line " + std::to_string(grammarLine) +
                        ":\n  " + lines[i] + "\n  " + expected + "\n";
        ++checked.copiedLines;
        ++grammarLine;
    }
    return checked;
}

struct Target {
    std::vector<std::string> switches;
    std::vector<std::string> files; // generated
};

} // namespace

TEST(LineCoherence, EveryDirectiveOfEveryTargetTellsTheTruth)
{
    const std::string grammars = GRAMMARS_DIR;
    const Target targets[] = {
        {{"-i"}, {"g.c", "g.h"}},
        {{"-Tcpp", "-i"}, {"g.cpp", "g.h"}},
        {{"-mi", "-W", "-l"}, {"g.c"}},
        {{"-Tcpp", "-f"}, {"g.cpp"}},
        {{"-Tj"}, {"g.java"}},
    };
    for (const char* name : {"ansic.y", "midrule.y", "pascal.y"}) {
        const std::string text = toolframe::testing::readFile(grammars + "/" + name);
        const std::vector<std::string> grammar = linesOf(text);
        for (const Target& target : targets) {
            TemporaryDirectory directory;
            directory.write("g.y", text);
            std::vector<std::string> arguments{"g.y", "-$"};
            arguments.insert(arguments.end(), target.switches.begin(), target.switches.end());
            const auto result = brannock::testing::runBrannock(directory, arguments);
            ASSERT_EQ(result.exitStatus, 0) << name << " " << target.switches[0] << "\n" << result.out;
            Checked total;
            for (const std::string& file : target.files) {
                std::string problem;
                const Checked checked = checkDirectives(directory.read(file), file, grammar, &problem);
                EXPECT_EQ(problem, "") << name << " " << file << " " << target.switches[0];
                total.ownDirectives += checked.ownDirectives;
                total.grammarDirectives += checked.grammarDirectives;
                total.copiedLines += checked.copiedLines;
            }
            // Something was copied and framed at all.
            EXPECT_GT(total.grammarDirectives, 3) << name << " " << target.switches[0];
            EXPECT_GT(total.ownDirectives, 3) << name << " " << target.switches[0];
            EXPECT_GT(total.copiedLines, 20) << name << " " << target.switches[0];
        }
    }
}
