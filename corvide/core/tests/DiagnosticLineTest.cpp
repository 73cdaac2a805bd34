#include <gtest/gtest.h>

#include <string>

#include "corvide/core/output/DiagnosticLine.h"

namespace {

using corvide::CDiagnostic;
using corvide::CSeverity;
using corvide::parseDiagnostic;

std::optional<CDiagnostic> parse(const std::string& line, int codePage = toolframe::CodePage::kUtf8)
{
    return parseDiagnostic(line, toolframe::CodePage(codePage));
}

void expectDiagnostic(const std::string& line, const std::string& file, int number, CSeverity severity,
                      const std::string& code, const std::string& message)
{
    const auto diagnostic = parse(line);
    ASSERT_TRUE(diagnostic) << line;
    EXPECT_EQ(diagnostic->file, file) << line;
    EXPECT_EQ(diagnostic->line, number) << line;
    EXPECT_EQ(diagnostic->severity, severity) << line;
    EXPECT_EQ(diagnostic->code, code) << line;
    EXPECT_EQ(diagnostic->message, message) << line;
}

TEST(DiagnosticLine, ReadsAnErrorWithFileAndLine)
{
    expectDiagnostic("calc.y(12) : error Y1003: missing ';'", "calc.y", 12, CSeverity::Error, "Y1003", "missing ';'");
}

TEST(DiagnosticLine, ReadsAnErrorWithoutPosition)
{
    expectDiagnostic("error L0001: cannot open file", "", 0, CSeverity::Error, "L0001", "cannot open file");
}

TEST(DiagnosticLine, LeavesACodeOfTwoDigitsAsPlainText)
{
    EXPECT_FALSE(parse("warning Y10: x"));
    EXPECT_FALSE(parse("warning Y10000: x"));
    EXPECT_FALSE(parse("warning X1000: x"));
    EXPECT_FALSE(parse("warning y1000: x"));
}

TEST(DiagnosticLine, TakesTheFirstParenthesisWithDigitsAndAColon)
{
    expectDiagnostic("a(b)(7):fatal error S0002 : bad", "a(b)", 7, CSeverity::Error, "S0002", "bad");
    expectDiagnostic("/my dir/g(1).y(3)  :  warning  Y4001  :   unused", "/my dir/g(1).y", 3, CSeverity::Warning,
                     "Y4001", "unused");
}

TEST(DiagnosticLine, LeavesOtherLinesAsPlainText)
{
    for (const char* line : {"", "Compiling...", "calc.y - 0 error(s), 0 warning(s)", "calc.y(12) : note Y1003: x",
                             "calc.y(12) error Y1003: x", "calc.y(12) : error Y1003 x", "error", "error Y100",
                             "errors Y1000: x", "fatal error"})
        EXPECT_FALSE(parse(line)) << line;
}

TEST(DiagnosticLine, KeepsTheSeverityWordsInTheirOrder)
{
    expectDiagnostic("fatal error Y1002: out of memory", "", 0, CSeverity::Error, "Y1002", "out of memory");
    expectDiagnostic("errorY2001:x", "", 0, CSeverity::Error, "Y2001", "x");
    expectDiagnostic("g.l(4) : warning L4002:", "g.l", 4, CSeverity::Warning, "L4002", "");
}

TEST(DiagnosticLine, LeavesFileAndLineUnsetWhenTheNumberOverflows)
{
    expectDiagnostic("big.y(99999999999999999999) : error Y2001: x", "", 0, CSeverity::Error, "Y2001", "x");
    expectDiagnostic("big.y(2147483647) : error Y2001: x", "big.y", 2147483647, CSeverity::Error, "Y2001", "x");
    expectDiagnostic("big.y(2147483648) : error Y2001: x", "", 0, CSeverity::Error, "Y2001", "x");
}

// In code page 932 the byte after a lead byte is never a "(" of its own.
TEST(DiagnosticLine, StepsOverDoubleByteCharactersWhole)
{
    const std::string line = "\x82(1):x(2) : error Y2001: m";
    const auto inShiftJis = parse(line, 932);
    ASSERT_TRUE(inShiftJis);
    EXPECT_EQ(inShiftJis->file, "\x82(1):x");
    EXPECT_EQ(inShiftJis->line, 2);
    EXPECT_FALSE(parse(line, 1252));
}

} // namespace
