#include <gtest/gtest.h>

#include <string>

#include "LindleRun.h"

// Every message about expressions and the rules' automaton, through the
// real program, at its line.
namespace lindle::testing {
namespace {

struct MessageCase {
    friend void PrintTo(const MessageCase& entry, std::ostream* out) { *out << entry.name; }
    const char* name;
    std::string source;
    std::string expected; // the whole output of lindle -$
    std::vector<std::string> switches = {};
};

class ExpressionMessage : public ::testing::TestWithParam<MessageCase> {};

TEST_P(ExpressionMessage, IsReportedAtItsLine)
{
    const auto result = readThroughLindle(GetParam().source, GetParam().switches);
    EXPECT_EQ(result.out, GetParam().expected);
    EXPECT_EQ(result.exitStatus, GetParam().expected.find("error") == std::string::npos ? 0 : 1);
}

const MessageCase kCases[] = {
    {"InvalidLexEscape", "%%\nx\t;\na%\t;\n", "scan.l(3) : error L2004: invalid lex escape sequence\n"},
    {"InvalidKeyword", "%%\nx\t;\na%b\t;\n", "scan.l(3) : error L2005: invalid keyword '%b'\n"},
    {"SyntaxError", "%%\nx\t;\n\na|\t;\n", "scan.l(4) : error L2008: syntax error\n"},
    {"MissingToken", "%%\n(a(b)\t;\n", "scan.l(2) : error L2009: syntax error : missing ')' before 'action'\n"},
    {"UnexpectedToken", "%%\na)\t;\nb\t;\n", "scan.l(2) : error L2010: syntax error : ')'\n"},
    {"AnchorInside", "%%\na^b\t;\n", "scan.l(2) : error L2010: syntax error : '^'\n"},
    {"EmptyClassExpression", "%%\n[[::]]\t;\n", "scan.l(2) : error L2016: empty character class expression\n"},
    {"InvalidClassExpression", "%%\n[[:vowel:]]\t;\n",
     "scan.l(2) : error L2017: invalid character class expression 'vowel'\n"},
    {"ClassExpressionLosesCharacters", "%%\n[[:walpha:]]\t;\n",
     "scan.l(2) : error L2018: loss of characters from character class expression 'walpha'\n"},
    {"WideClassInUnicode", "%%\n[[:walpha:]]\t;\n", "", {"-W"}},
    {"HexWithoutDigits", "%%\n\\xg\t;\n", "scan.l(2) : error L2019: hex characters must have at least one hex digit\n"},
    {"HexTooBig", "%%\n%codepage 28591\n\\x100\t;\n", "scan.l(3) : error L2020: hex character too big\n"},
    {"OctalTooBig", "%%\n%codepage 28591\n\\400\t;\n", "scan.l(3) : error L2021: octal character too big\n"},
    {"OctalFitsInUnicode", "%%\n\\777\t;\n", "", {"-W"}},
    {"NotUnicode", "%%\n\xff\t;\n",
     "scan.l(2) : error L2033: unable to convert multibyte character '0xff' to unicode character\n", {"-W"}},
    {"NotInCodePage", "%%\n%codepage 1251\n\xc3\xa9\t;\n",
     "scan.l(3) : error L2034: unable to convert multibyte character '0xc3a9' to code page '1251'\n"},
    {"NotInAscii", "%%\n%codepage_ascii\n\xc3\xa9\t;\n",
     "scan.l(3) : error L2036: unable to convert multibyte character '0xc3a9' to ascii code page\n"},
    {"InvalidMultibyte", "%%\n%char\n\\xE2\t;\n", "scan.l(3) : error L2037: invalid multibyte character '0xe2'\n"},
    {"InvalidMultibyteInCodePage", "%%\n%codepage 936\n%char\n\\x8100\t;\n",
     "scan.l(4) : error L2038: invalid multibyte character '0x8100' in code page '936'\n"},
    {"InvalidMultibyteInOem", "%%\n%codepage_oem\n%char\n\\xC0\t;\n",
     "scan.l(4) : error L2039: invalid multibyte character '0xc0' in oem code page\n"},
    {"EmptyString", "%%\n\"\"a\t;\n", "scan.l(2) : warning L4001: empty character string\n"},
    {"EmptyClass", "%%\n[]a\t;\n",
     "scan.l(2) : warning L4002: empty character class\nscan.l(2) : warning L4009: expression is never matched\n"},
    {"ReversedClassRange", "%%\n[9-0]\t;\n", "scan.l(2) : warning L4003: reversed character class range\n"},
    {"ReversedRange", "%%\na{5,2}\t;\n", "scan.l(2) : warning L4006: reversed range\n"},
    {"CanBackUpCompletely", "%%\nx\t;\na*/b\t;\n", "scan.l(3) : warning L4007: expression can backup completely\n"},
    {"WillBackUpCompletely", "%%\nx\t;\n/b\t;\n", "scan.l(3) : warning L4008: expression will backup completely\n"},
    {"NeverMatched", "%%\nab\t;\n[a-z]+\t;\nab\t;\n", "scan.l(4) : warning L4009: expression is never matched\n"},
    {"RejectMatchesBoth", "%%\nab\t;\nab\t;\n", "", {"-r"}},
    {"NoWarningWhenTheReaderFailed", "%%\nab\t;\nab\t;\n%foo\n", "scan.l(4) : error L2005: invalid keyword '%foo'\n"},
};

INSTANTIATE_TEST_SUITE_P(Lindle, ExpressionMessage, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<MessageCase>& entry) { return entry.param.name; });

} // namespace
} // namespace lindle::testing
