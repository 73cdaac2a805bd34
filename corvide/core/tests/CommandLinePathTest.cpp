#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corvide/core/project/CommandLinePath.h"
#include "corvide/spawner/WindowsCommandLine.h"

namespace {

using corvide::commandLineArgument;
using corvide::commandLinePath;

TEST(CommandLinePath, QuotesAPathWithASpaceOrATab)
{
    EXPECT_EQ(commandLinePath("/usr/bin/brannock"), "/usr/bin/brannock");
    EXPECT_EQ(commandLinePath("/my tools/brannock"), "\"/my tools/brannock\"");
    EXPECT_EQ(commandLinePath("/my\ttools/b"), "\"/my\ttools/b\"");
    EXPECT_EQ(commandLineArgument("/src/calc.y"), "/src/calc.y");
    EXPECT_EQ(commandLineArgument("/my src/calc.y"), "\"/my src/calc.y\"");
    EXPECT_EQ(commandLineArgument("C:\\calc.y"), "C:\\calc.y");
}

TEST(CommandLinePath, EscapesQuotesAndTheBackslashesBeforeThem)
{
    EXPECT_EQ(commandLineArgument("a\"b"), "a\\\"b");
    EXPECT_EQ(commandLineArgument("a\\\"b c"), "\"a\\\\\\\"b c\"");
    EXPECT_EQ(commandLineArgument("dir \\"), "\"dir \\\\\"");
}

// Whatever the path, the spawner splits the tool's command line back into
// the program and the path it was given.
TEST(CommandLinePath, SurvivesTheSpawnersSplitting)
{
    const std::vector<std::string> paths = {"/a/b.y", "/a b/c.y", "/a\tb/c.y", "a\"b", "\"", "a\\", "a \\",
                                            "a\\\\\" \\", "\\\\server\\share\\x y.y", "  ", "x\"\"y z"};
    for (const std::string& program : {std::string("/bin/tool"), std::string("/my tools/tool")})
        for (const std::string& path : paths) {
            const std::string line = commandLinePath(program) + " " + commandLineArgument(path) + " -v";
            EXPECT_EQ(corvide::spawner::splitCommandLine(line), (std::vector<std::string>{program, path, "-v"}))
                << line;
        }
}

} // namespace
