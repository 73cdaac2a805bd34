#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "LexReading.h"
#include "LindleRun.h"

// Classic lex programs read cleanly, and hand on every rule.
namespace lindle::testing {
namespace {

struct ScannerCase {
    const char* file;
    std::size_t expressions;
    int startConditions; // INITIAL included
};

class RealScanner : public ::testing::TestWithParam<ScannerCase> {};

std::string scannerText(const std::string& file) { return toolframe::testing::readFile(kScannersDir + "/" + file); }

TEST_P(RealScanner, ReadsCleanlyThroughTheProgram)
{
    const auto result = readThroughLindle(scannerText(GetParam().file));
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.out, "");
}

TEST_P(RealScanner, HandsOnEveryRule)
{
    const Reading reading = readLexSource(scannerText(GetParam().file));
    EXPECT_EQ(reading.diagnostics, "");
    EXPECT_EQ(reading.expressions.size(), GetParam().expressions);
    EXPECT_EQ(reading.startConditions, GetParam().startConditions);
    for (const RuleExpression& rule : reading.expressions) {
        EXPECT_TRUE(!rule.text.empty() || rule.endOfFile || rule.hasTrailingContext) << rule.line;
        EXPECT_FALSE(std::regex_search(rule.text, std::regex("\\{[A-Za-z_]"))) << "unexpanded macro at line " << rule.line;
    }
}

INSTANTIATE_TEST_SUITE_P(Scanners, RealScanner,
                         ::testing::Values(ScannerCase{"wordcount.l", 3, 1}, ScannerCase{"clexer.l", 97, 3},
                                           ScannerCase{"pascal.l", 54, 4}, ScannerCase{"calc.l", 21, 2},
                                           ScannerCase{"config.l", 22, 4}),
                         [](const ::testing::TestParamInfo<ScannerCase>& entry) {
                             std::string name = entry.param.file;
                             return name.substr(0, name.find('.'));
                         });

TEST(RealScanners, MacrosOfTheCLexerExpandAsWritten)
{
    const Reading reading = readLexSource(scannerText("clexer.l"));
    bool found = false;
    for (const RuleExpression& rule : reading.expressions)
        found = found || rule.text == "[0-9]+[Ee][+-]?[0-9]+(f|F|l|L)?";
    EXPECT_TRUE(found);
}

} // namespace
} // namespace lindle::testing
