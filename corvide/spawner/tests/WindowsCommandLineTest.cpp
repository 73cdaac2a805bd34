#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corvide/spawner/WindowsCommandLine.h"

namespace {

using corvide::spawner::splitCommandLine;
using Arguments = std::vector<std::string>;

struct SplitCase {
    const char* commandLine;
    Arguments arguments;
};

// The examples Windows documents for its start-up code, and the program
// name's own rules.
const SplitCase kCases[] = {
    {R"(tool "a b c" d e)", {"tool", "a b c", "d", "e"}},
    {R"(tool "ab\"c" "\\" d)", {"tool", "ab\"c", "\\", "d"}},
    {R"(tool a\\\b d"e f"g h)", {"tool", "a\\\\\\b", "de fg", "h"}},
    {R"(tool a\\\"b c d)", {"tool", "a\\\"b", "c", "d"}},
    {R"(tool a\\\\"b c" d e)", {"tool", "a\\\\b c", "d", "e"}},
    {R"(tool "a ""b"" c")", {"tool", "a \"b\" c"}},
    {R"(tool "")", {"tool", ""}},
    {"  tool\t a \t b  ", {"tool", "a", "b"}},
    {R"("/my tools/brannock" "/my dir/calc.y" -$ -v)", {"/my tools/brannock", "/my dir/calc.y", "-$", "-v"}},
    // The program's name keeps its backslashes, even before a quote.
    {R"("C:\Program Files\x\" y)", {"C:\\Program Files\\x\\", "y"}},
    {R"(C:\dir\tool.exe a)", {"C:\\dir\\tool.exe", "a"}},
    {R"(pre"fix tool" a)", {"prefix tool", "a"}},
    // A quote left open runs to the end.
    {R"(tool "a b)", {"tool", "a b"}},
    {"", {}},
    {"   ", {}},
};

TEST(WindowsCommandLine, SplitsAsWindowsStartUpCodeDoes)
{
    for (const SplitCase& entry : kCases)
        EXPECT_EQ(splitCommandLine(entry.commandLine), entry.arguments) << entry.commandLine;
}

} // namespace
