#include <gtest/gtest.h>

#include <string>

#include "LindleRun.h"

// The verbose report (-v) of the real program, whole for a small
// specification and by its telling lines for the others.
namespace lindle::testing {
namespace {

std::string reportOf(const std::string& source, std::vector<std::string> switches = {})
{
    toolframe::testing::TemporaryDirectory directory;
    directory.write("scan.l", source);
    std::vector<std::string> arguments{"scan.l", "-$", "-v"};
    arguments.insert(arguments.end(), switches.begin(), switches.end());
    const auto result = runLindle(directory, arguments);
    EXPECT_EQ(result.exitStatus, 0) << result.out;
    return directory.exists("scan.v") ? directory.read("scan.v") : "";
}

const std::string kRule(77, '#');

std::string title(const std::string& text, bool last = false)
{
    return kRule + "\n# " + text + "\n" + kRule + "\n" + (last ? "" : "\n");
}

TEST(VerboseReport, OneRuleWhole)
{
    const std::string expected = kRule + "\n# scan.v\n# Lex verbose file generated from scan.l.\n# \n"
                                 "# Date: 01/01/70\n# Time: 00:00:00\n# \n# Lindle Version: 2.07\n" + kRule + "\n\n" +
                                 title("Expressions") + "    1  a\n\n\n" + title("States") +
                                 "state 1\n\tINITIAL\n\n\t0x61               goto 3\n\n"
                                 "state 2\n\t^INITIAL\n\n\t0x61               goto 3\n\n"
                                 "state 3\n\tmatch 1\n\n" +
                                 title("Summary") + "1 start state(s)\n1 expression(s), 3 state(s)\n\n" +
                                 title("End of File", true);
    EXPECT_EQ(reportOf("%%\na\t;\n"), expected);
}

TEST(VerboseReport, RangesConditionsAnchorsAndBackup)
{
    const std::string report = reportOf("%x COMMENT\n%%\n[a-z]+\t;\n<COMMENT>^x$\t;\na/b\t;\n");
    EXPECT_NE(report.find("\t0x61 - 0x7a (26)   goto "), std::string::npos) << report;
    EXPECT_NE(report.find("    2  ^<COMMENT>x$\n\n"), std::string::npos);
    EXPECT_NE(report.find("state 3\n\tCOMMENT\n"), std::string::npos);
    EXPECT_NE(report.find("state 4\n\t^COMMENT\n"), std::string::npos);
    EXPECT_NE(report.find("\tmatch 2 and backup\n"), std::string::npos);
    EXPECT_NE(report.find("\tbackup match 2\n"), std::string::npos);
    EXPECT_NE(report.find("2 start state(s)\n3 expression(s), "), std::string::npos);
}

TEST(VerboseReport, UnicodeCharactersTakeFourDigits)
{
    const std::string report = reportOf("%%\n[a-z]\t;\n\\x100\t;\n", {"-W"});
    EXPECT_NE(report.find("\t0x0061 - 0x007a (26)     goto "), std::string::npos) << report;
    EXPECT_NE(report.find("\t0x0100                   goto "), std::string::npos) << report;
}

TEST(VerboseReport, NeverMatchedIsListedTwiceAndRejectListsEveryRule)
{
    const std::string report = reportOf("%%\nab\t;\nab\t;\n");
    EXPECT_NE(report.find("2: expression is never matched\n    2  ab\n"), std::string::npos) << report;
    EXPECT_NE(report.find(title("Summary") + "Expression 2 is never matched\n\n1 start state(s)\n"), std::string::npos);
    EXPECT_EQ(report.find("\tmatch 2\n"), std::string::npos);
    const std::string reject = reportOf("%%\nab\t;\nab\t;\n", {"-r"});
    EXPECT_NE(reject.find("\tmatch 1\n\tmatch 2\n"), std::string::npos) << reject;
    EXPECT_EQ(reject.find("never matched"), std::string::npos);
}

TEST(VerboseReport, BackupWarnings)
{
    const std::string report = reportOf("%%\nx\t;\na*/b\t;\n/c\t;\n");
    EXPECT_NE(report.find("2: expression can backup completely\n"), std::string::npos) << report;
    EXPECT_NE(report.find("3: expression will always backup completely\n"), std::string::npos);
    EXPECT_NE(report.find("Expression 2 can backup completely\nExpression 3 will always backup completely\n\n"),
              std::string::npos);
}

TEST(VerboseReport, LongExpressionsWrapAfterTheirColumns)
{
    const std::string report = reportOf("%%\n" + std::string(2040, 'a') + "\t;\n");
    const std::string first = "    1  " + std::string(2034, 'a') + "\n       " + std::string(6, 'a') + "\n\n";
    EXPECT_NE(report.find(first), std::string::npos);
}

TEST(VerboseReport, NoReportWhenTheSpecificationHasErrors)
{
    toolframe::testing::TemporaryDirectory directory;
    directory.write("scan.l", "%%\n(a\t;\n");
    const auto result = runLindle(directory, {"scan.l", "-$", "-v"});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_FALSE(directory.exists("scan.v"));
}

} // namespace
} // namespace lindle::testing
