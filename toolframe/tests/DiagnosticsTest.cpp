#include "toolframe/diagnostics/Diagnostics.h"

#include <gtest/gtest.h>

#include "CapturedOutput.h"

using toolframe::Diagnostics;
using toolframe::MessageArgument;
using toolframe::RunAborted;

namespace {

const toolframe::MessageText kMessages[] = {
    {1012, L"unexpected end of file found"},
    {1020, L"invalid action range '%d'"},
    {2001, L"illegal multibyte character '%c'"},
    {2008, L"syntax error"},
    {2009, L"syntax error : missing '%s' before '%s'"},
    {2012, L"unable to convert unicode character '%c' to multibyte character"},
    {2036, L"undefined symbol '%s'"},
    {4006, L"'%s' : token is declared but never used"},
    {4007, L"shift-reduce conflict on '%s'"},
    {4008, L"reduce-reduce conflict on '%s'"},
    {4090, L"caf\u00e9 \u4e2d"},
};

class FixedLine : public toolframe::LineSource {
public:
    int line = 12;
    int currentLine() const override { return line; }
};

class CountingDiscard : public toolframe::Discardable {
public:
    int discards = 0;
    void discard() override { ++discards; }
};

class DiagnosticsTest : public ::testing::Test {
protected:
    DiagnosticsTest() { diagnostics_.setSourceName("grammar.y"); }

    CapturedOutput out_;
    Diagnostics diagnostics_{'Y', toolframe::MessageCatalog(kMessages, {1012, 1019}), out_.file()};
    FixedLine input_;
    CountingDiscard generated_;
    CountingDiscard verbose_;
};

} // namespace

TEST_F(DiagnosticsTest, ErrorLineCarriesFileAndInputLine)
{
    diagnostics_.connect(&input_, &generated_, &verbose_);
    diagnostics_.report(2036, "expr");
    EXPECT_EQ(out_.text(), "grammar.y(12) : error Y2036: undefined symbol 'expr'\n");
}

TEST_F(DiagnosticsTest, WithoutAnInputTheLineIsOne)
{
    diagnostics_.report(2008);
    EXPECT_EQ(out_.text(), "grammar.y(1) : error Y2008: syntax error\n");
}

TEST_F(DiagnosticsTest, ReportAtUsesTheGivenLine)
{
    diagnostics_.connect(&input_, &generated_, &verbose_);
    diagnostics_.reportAt(40, 4007, "'+'");
    diagnostics_.reportAt(41, 4008, "ID");
    EXPECT_EQ(out_.text(), "grammar.y(40) : warning Y4007: shift-reduce conflict on ''+''\n"
                           "grammar.y(41) : warning Y4008: reduce-reduce conflict on 'ID'\n");
    EXPECT_EQ(diagnostics_.warnings(), 2);
}

TEST(DiagnosticsOfAnotherTool, ItsWarningsAreWarningsWhateverTheirNumber)
{
    const toolframe::MessageText messages[] = {{4007, L"expression can backup completely"}};
    CapturedOutput out;
    Diagnostics diagnostics('L', toolframe::MessageCatalog(messages), out.file());
    diagnostics.setSourceName("scanner.l");
    diagnostics.reportAt(9, 4007);
    EXPECT_EQ(out.text(), "scanner.l(9) : warning L4007: expression can backup completely\n");
    EXPECT_EQ(diagnostics.warnings(), 1);
    EXPECT_EQ(diagnostics.errors(), 0);
}

TEST(DiagnosticsOfAnotherTool, ItsCatalogNamesTheFatalErrorsThatCarryAPosition)
{
    const toolframe::MessageText messages[] = {{1012, L"end of file in pattern"}, {1013, L"too many states"}};
    CapturedOutput out;
    Diagnostics diagnostics('L', toolframe::MessageCatalog(messages, {1012, 1012}), out.file());
    diagnostics.setSourceName("scanner.l");
    EXPECT_THROW(diagnostics.reportAt(5, 1012), RunAborted);
    EXPECT_THROW(diagnostics.reportAt(5, 1013), RunAborted);
    EXPECT_EQ(out.text(), "scanner.l(5) : fatal error L1012: end of file in pattern\n"
                          "fatal error L1013: too many states\n");
}

TEST(DiagnosticsOfAnotherTool, WithoutPositionedFatalsNoFatalErrorCarriesOne)
{
    const toolframe::MessageText messages[] = {{1012, L"end of file in pattern"}};
    CapturedOutput out;
    Diagnostics diagnostics('L', toolframe::MessageCatalog(messages), out.file());
    EXPECT_THROW(diagnostics.reportAt(5, 1012), RunAborted);
    EXPECT_EQ(out.text(), "fatal error L1012: end of file in pattern\n");
}

TEST_F(DiagnosticsTest, TwoArgumentsFillInOrder)
{
    diagnostics_.report(2009, "';'", "'}'");
    EXPECT_EQ(out_.text(), "grammar.y(1) : error Y2009: syntax error : missing '';'' before ''}''\n");
}

TEST_F(DiagnosticsTest, CodesPrintWithTwoOrFourHexDigits)
{
    diagnostics_.report(2001, MessageArgument::code(0xE9));
    diagnostics_.report(2001, MessageArgument::code(0x20AC));
    diagnostics_.report(2012, MessageArgument::wideCode(0xE9));
    EXPECT_EQ(out_.text(), "grammar.y(1) : error Y2001: illegal multibyte character '0xe9'\n"
                           "grammar.y(1) : error Y2001: illegal multibyte character '0x20ac'\n"
                           "grammar.y(1) : error Y2012: unable to convert unicode character '0x00e9' to "
                           "multibyte character\n");
}

TEST_F(DiagnosticsTest, FatalErrorsWithoutPositionExceptEndOfFile)
{
    diagnostics_.connect(&input_, &generated_, &verbose_);
    EXPECT_THROW(diagnostics_.report(1020, 0), RunAborted);
    EXPECT_THROW(diagnostics_.report(1012), RunAborted);
    EXPECT_EQ(out_.text(), "fatal error Y1020: invalid action range '0'\n"
                           "grammar.y(12) : fatal error Y1012: unexpected end of file found\n");
    EXPECT_EQ(diagnostics_.errors(), 2);
}

TEST_F(DiagnosticsTest, SharedMessagesComeFromTheFrame)
{
    EXPECT_THROW(diagnostics_.fatal(1003, "-X"), RunAborted);
    EXPECT_EQ(out_.text(), "fatal error Y1003: invalid option '-X'\n");
}

TEST_F(DiagnosticsTest, ErrorsDiscardOutputsWarningsKeepThem)
{
    diagnostics_.connect(&input_, &generated_, &verbose_);
    diagnostics_.report(4006, "T");
    EXPECT_EQ(generated_.discards, 0);
    diagnostics_.report(2008);
    EXPECT_EQ(generated_.discards, 1);
    EXPECT_EQ(verbose_.discards, 1);
    EXPECT_EQ(diagnostics_.errors(), 1);
    EXPECT_EQ(diagnostics_.warnings(), 1);
}

TEST_F(DiagnosticsTest, HundredthErrorEndsTheRun)
{
    diagnostics_.connect(&input_, &generated_, &verbose_);
    for (int i = 1; i < Diagnostics::kErrorLimit; ++i)
        diagnostics_.report(2008);
    EXPECT_THROW(diagnostics_.report(2008), RunAborted);
    const std::string text = out_.text();
    const std::string lastLines = "grammar.y(12) : error Y2008: syntax error\n"
                                  "fatal error Y1001: maximum number of errors reached\n";
    EXPECT_EQ(text.substr(text.size() - lastLines.size()), lastLines);
    EXPECT_EQ(diagnostics_.errors(), 101);
}

TEST_F(DiagnosticsTest, WideTextIsConvertedToTheCodePage)
{
    // The tests run with a UTF-8 character locale (the tools' start-up sets
    // one up; so does this test's main).
    diagnostics_.report(4090);
    EXPECT_EQ(out_.text(), "grammar.y(1) : warning Y4090: caf\xc3\xa9 \xe4\xb8\xad\n");
}

TEST_F(DiagnosticsTest, TextArgumentsShowWhatIsNotPrintableAsCodes)
{
    // A zero byte, a byte that starts no UTF-8 character, a control byte.
    diagnostics_.report(2036, std::string_view("a\xff\0b\x01", 5));
    EXPECT_EQ(out_.text(), "grammar.y(1) : error Y2036: undefined symbol 'a0xff0x00b0x01'\n");
}

TEST_F(DiagnosticsTest, PrintableTextStaysAsItsBytes)
{
    // Multibyte characters of the code page are printable too.
    diagnostics_.report(4006, "'caf\xc3\xa9 \xe4\xb8\xad' x_1 <tag> $$ ~!");
    EXPECT_EQ(out_.text(), "grammar.y(1) : warning Y4006: ''caf\xc3\xa9 \xe4\xb8\xad' x_1 <tag> $$ ~!' : "
                           "token is declared but never used\n");
}

TEST_F(DiagnosticsTest, ControlCharactersOfEveryKindShowAsCodes)
{
    // Tab, newline, carriage return, escape, delete; U+0085 (a control
    // character of two bytes); a lead byte whose character is cut short.
    diagnostics_.report(2036, "\t\n\r\x1b[0m\x7f\xc2\x85\xe2\x82");
    EXPECT_EQ(out_.text(), "grammar.y(1) : error Y2036: undefined symbol '0x090x0a0x0d0x1b[0m0x7f0x850xe20x82'\n");
}

TEST_F(DiagnosticsTest, SourceNameShowsWhatIsNotPrintableAsCodes)
{
    diagnostics_.setSourceName("a\nb\x1b.y");
    diagnostics_.report(2008);
    EXPECT_EQ(out_.text(), "a0x0ab0x1b.y(1) : error Y2008: syntax error\n");
}

TEST(PrintableText, CodesForWhatIsNotPrintable)
{
    EXPECT_EQ(toolframe::printableText("g.y"), "g.y");
    EXPECT_EQ(toolframe::printableText(std::string_view("\0\x01 \xc3\xa9", 5)), "0x000x01 \xc3\xa9");
}
