#include <gtest/gtest.h>

#include "ScannerBuilding.h"

namespace lindle::testing {
namespace {

// The rule that takes the whole text, 0 when none or only a part of it.
int ruleTaking(const BuiltScanner& built, const std::vector<std::uint32_t>& input, int condition = 0)
{
    const DfaMatch match = built.matcher().match(input, condition, false);
    return match.length == input.size() ? match.rule : 0;
}

int ruleTaking(const BuiltScanner& built, std::string_view text) { return ruleTaking(built, bytesOf(text)); }

ToolOptions unicodeOptions()
{
    ToolOptions options;
    options.unicode = true;
    return options;
}

ToolOptions caseBlindOptions()
{
    ToolOptions options;
    options.caseSensitive = false;
    return options;
}

TEST(Escapes, OctalHexadecimalAndPlainGiveTheSameCharacter)
{
    const BuiltScanner built = buildScanner("%%\n\\101\t;\n\\x41\t;\nA\t;\n\\A\t;\n");
    EXPECT_EQ(built.diagnostics,
              "scan.l(3) : warning L4009: expression is never matched\n"
              "scan.l(4) : warning L4009: expression is never matched\n"
              "scan.l(5) : warning L4009: expression is never matched\n");
    EXPECT_EQ(ruleTaking(built, "A"), 1);
}

TEST(Escapes, ControlLettersAreTheirCodes)
{
    const BuiltScanner built = buildScanner("%%\n\\a\\b\\f\\n\\r\\t\\v\t;\n");
    EXPECT_EQ(built.diagnostics, "");
    EXPECT_EQ(ruleTaking(built, "\a\b\f\n\r\t\v"), 1);
}

TEST(Escapes, HexadecimalWithoutDigitsIsAnError)
{
    const BuiltScanner built = buildScanner("%%\na\t;\n\\x\t;\n");
    EXPECT_EQ(built.diagnostics, "scan.l(3) : error L2019: hex characters must have at least one hex digit\n");
}

TEST(Escapes, TooBigForASingleByteCodePage)
{
    EXPECT_EQ(buildScanner("%%\n%codepage 1252\n\\777\t;\n\\x100\t;\n\\377\t;\n").diagnostics,
              "scan.l(3) : error L2021: octal character too big\n"
              "scan.l(4) : error L2020: hex character too big\n");
    // The masked value is the byte 0xFF; a class in byte mode has the same maximum.
    const BuiltScanner masked = buildScanner("%%\n%codepage 1252\n\\xFF\t;\n[\\x1FF]\t;\n");
    EXPECT_EQ(masked.diagnostics, "scan.l(4) : error L2020: hex character too big\n");
    const BuiltScanner overflow = buildScanner("%%\n\\x123456789\t;\n");
    EXPECT_EQ(overflow.diagnostics, "scan.l(2) : error L2020: hex character too big\n");
}

TEST(Escapes, DoubleByteValueInAMultibyteCodePageIsTwoBytes)
{
    // UTF-8 is the code page here: outside a class a value reaches 65535
    // and is read as its bytes.
    const BuiltScanner built = buildScanner("%%\n\\xC3A9\t;\n");
    EXPECT_EQ(built.diagnostics, "");
    EXPECT_EQ(ruleTaking(built, "\xC3\xA9"), 1);
}

TEST(Escapes, InvalidMultibyteCharactersNameTheirCodePage)
{
    EXPECT_EQ(buildScanner("%%\n%char\n\\xC3\t;\n").diagnostics,
              "scan.l(3) : error L2037: invalid multibyte character '0xc3'\n");
    EXPECT_EQ(buildScanner("%%\n%char\n%codepage_oem\n\\xC300\t;\n").diagnostics,
              "scan.l(4) : error L2039: invalid multibyte character '0xc300' in oem code page\n");
    EXPECT_EQ(buildScanner("%%\n%char\n%codepage 932\n\\x81\t;\n\\x8140\t;\n").diagnostics,
              "scan.l(4) : error L2038: invalid multibyte character '0x81' in code page '932'\n");
    // In byte mode the same values are bytes.
    EXPECT_EQ(buildScanner("%%\n\\xC3\t;\n").diagnostics, "");
}

TEST(Strings, EscapesQuotesAndTheEmptyString)
{
    const BuiltScanner built = buildScanner("%%\n\"a\\\"b c\"\t;\n\"\"x\t;\n");
    EXPECT_EQ(built.diagnostics, "scan.l(3) : warning L4001: empty character string\n");
    EXPECT_EQ(ruleTaking(built, "a\"b c"), 1);
    EXPECT_EQ(ruleTaking(built, "x"), 2);
}

TEST(Classes, DashAtEitherEndIsLiteral)
{
    const BuiltScanner built = buildScanner("%%\n[a-]\t;\n[-z]\t;\n");
    EXPECT_EQ(built.diagnostics, "");
    EXPECT_EQ(ruleTaking(built, "a"), 1);
    EXPECT_EQ(ruleTaking(built, "-"), 1);
    EXPECT_EQ(ruleTaking(built, "z"), 2);
    EXPECT_EQ(ruleTaking(built, "b"), 0);
}

TEST(Classes, ReversedRangeWarnsAndIsSwapped)
{
    const BuiltScanner built = buildScanner("%%\n[z-a]\t;\n[a-z]\t;\n");
    EXPECT_EQ(built.diagnostics, "scan.l(2) : warning L4003: reversed character class range\n"
                                 "scan.l(3) : warning L4009: expression is never matched\n");
    EXPECT_EQ(ruleTaking(built, "m"), 1);
}

TEST(Classes, EmptyClassWarnsAndMatchesNothing)
{
    const BuiltScanner built = buildScanner("%%\n[]\t;\n[^\\x00-\\xFF]\t;\na\t;\n");
    EXPECT_EQ(built.diagnostics, "scan.l(2) : warning L4002: empty character class\n"
                                 "scan.l(3) : warning L4002: empty character class\n"
                                 "scan.l(2) : warning L4009: expression is never matched\n"
                                 "scan.l(3) : warning L4009: expression is never matched\n");
}

TEST(Classes, ComplementIsAgainstTheUniverse)
{
    const BuiltScanner bytes = buildScanner("%%\n[^a]\t;\n");
    EXPECT_EQ(ruleTaking(bytes, "\xFF"), 1);
    EXPECT_EQ(ruleTaking(bytes, "\n"), 1);
    EXPECT_EQ(ruleTaking(bytes, "a"), 0);
    const BuiltScanner units = buildScanner("%%\n[^a]\t;\n", unicodeOptions());
    EXPECT_EQ(ruleTaking(units, unitsOf(u"\uFFFF")), 1);
    EXPECT_EQ(ruleTaking(units, unitsOf(u"a")), 0);
}

TEST(ClassExpressions, UnionsNamesWithoutCaseAndErrors)
{
    const BuiltScanner built = buildScanner("%%\n[[:alpha:][:digit:]_]+\t;\n");
    EXPECT_EQ(built.diagnostics, "");
    EXPECT_EQ(ruleTaking(built, "ab_9Z"), 1);
    EXPECT_EQ(ruleTaking(built, "a-b"), 0);
    const BuiltScanner upper = buildScanner("%%\n[[:ALPHA:]]\t;\n[[:alpha:]]\t;\n");
    EXPECT_EQ(upper.diagnostics, "scan.l(3) : warning L4009: expression is never matched\n");
    EXPECT_EQ(buildScanner("%%\n[[:foo:]]\t;\n[[::]]\t;\n").diagnostics,
              "scan.l(2) : error L2017: invalid character class expression 'foo'\n"
              "scan.l(3) : error L2016: empty character class expression\n");
}

TEST(ClassExpressions, WideClassesLoseCharactersOutsideByteMode)
{
    EXPECT_EQ(buildScanner("%%\n[[:walpha:]]\t;\n").diagnostics,
              "scan.l(2) : error L2018: loss of characters from character class expression 'walpha'\n");
    const BuiltScanner units = buildScanner("%%\n[[:walpha:]]+\t;\n[[:wdigit:]]\t;\n", unicodeOptions());
    EXPECT_EQ(units.diagnostics, "");
    EXPECT_EQ(ruleTaking(units, unitsOf(u"a\u00E9\u03B1\u4E2D")), 1);
    EXPECT_EQ(ruleTaking(units, unitsOf(u"7")), 2);
}

TEST(ClassExpressions, NarrowClassesFollowTheCodePageUnderCurrent)
{
    // 0xE9 is a letter in code page 1252 but not in ASCII.
    const BuiltScanner ascii = buildScanner("%%\n%codepage 1252\n[[:alpha:]]\t;\n.\t;\n");
    EXPECT_EQ(ruleTaking(ascii, "\xE9"), 2);
    const BuiltScanner current = buildScanner("%%\n%codepage 1252\n%current\n[[:alpha:]]\t;\n.\t;\n");
    EXPECT_EQ(ruleTaking(current, "\xE9"), 1);
    const BuiltScanner blank = buildScanner("%%\n[[:blank:]]\t;\n[[:space:]]\t;\n");
    EXPECT_EQ(ruleTaking(blank, " "), 1);
    EXPECT_EQ(ruleTaking(blank, "\n"), 2);
}

TEST(ClassExpressions, WideClassesInUtf8CharacterModeUnderCurrent)
{
    const BuiltScanner built = buildScanner("%%\n%char\n%current\n[[:walpha:]]+\t;\n");
    EXPECT_EQ(built.diagnostics, "");
    EXPECT_EQ(ruleTaking(built, "a\xC3\xA9\xCE\xB1\xE4\xB8\xAD"), 1);
    EXPECT_EQ(ruleTaking(built, "\xE2\x82\xAC"), 0); // the euro sign is no letter
}

TEST(CaseFolding, CharactersAndClassesTakeBothCases)
{
    const BuiltScanner built = buildScanner("%%\nif\t;\n[a-c]\t;\n[^x]\t;\n", caseBlindOptions());
    for (const char* text : {"if", "IF", "If", "iF"})
        EXPECT_EQ(ruleTaking(built, text), 1) << text;
    EXPECT_EQ(ruleTaking(built, "B"), 2);
    EXPECT_EQ(ruleTaking(built, "X"), 0);
    EXPECT_EQ(ruleTaking(built, "x"), 0);
    const BuiltScanner units = buildScanner("%%\n\u00E9\u03B1\t;\n", [] {
        ToolOptions options = unicodeOptions();
        options.caseSensitive = false;
        return options;
    }());
    EXPECT_EQ(ruleTaking(units, unitsOf(u"\u00C9\u0391")), 1);
}

TEST(Repetitions, CountsAndReversedRange)
{
    const BuiltScanner built = buildScanner("%%\na{3,1}\t;\nb{2,}\t;\nc{0,2}d\t;\ne{0}f\t;\ng{2}\t;\n");
    EXPECT_EQ(built.diagnostics, "scan.l(2) : warning L4006: reversed range\n");
    const DfaMatcher matcher = built.matcher();
    EXPECT_EQ(matcher.match(bytesOf("aaaa"), 0, false).length, 3u);
    EXPECT_EQ(ruleTaking(built, "a"), 1);
    EXPECT_EQ(ruleTaking(built, "b"), 0);
    EXPECT_EQ(ruleTaking(built, "bbbbb"), 2);
    EXPECT_EQ(ruleTaking(built, "d"), 3);
    EXPECT_EQ(ruleTaking(built, "ccd"), 3);
    EXPECT_EQ(ruleTaking(built, "cccd"), 0);
    EXPECT_EQ(ruleTaking(built, "f"), 4);
    EXPECT_EQ(ruleTaking(built, "gg"), 5);
    EXPECT_EQ(ruleTaking(built, "ggg"), 0);
}

TEST(Repetitions, OfGroupsAndAfterOtherOperators)
{
    const BuiltScanner built = buildScanner("%%\n(ab|c){2}\t;\nx+{2}y\t;\n");
    EXPECT_EQ(built.diagnostics, "");
    for (const char* text : {"abab", "abc", "cab", "cc"})
        EXPECT_EQ(ruleTaking(built, text), 1) << text;
    EXPECT_EQ(ruleTaking(built, "xxxy"), 2);
    EXPECT_EQ(ruleTaking(built, "xy"), 0);
}

TEST(Repetitions, TakeWhatTheirWrittenOutCopiesTake)
{
    const BuiltScanner counted = buildScanner("%%\n(ab|c){2,4}x{0,2}y{1,}\t;\n");
    const BuiltScanner written =
        buildScanner("%%\n(ab|c)(ab|c)(ab|c)?(ab|c)?x?x?yy*\t;\n");
    ASSERT_EQ(counted.diagnostics, "");
    // Every text of up to seven characters over the pieces' alphabet.
    const std::string alphabet = "abcxy";
    std::vector<std::string> texts = {""};
    for (std::size_t first = 0; first < texts.size() && texts[first].size() < 7; ++first)
        for (char c : alphabet)
            texts.push_back(texts[first] + c);
    for (const std::string& text : texts)
        ASSERT_EQ(ruleTaking(counted, text), ruleTaking(written, text)) << text;
}

TEST(Repetitions, CountsBeyondTheLargestAreOutOfRange)
{
    const BuiltScanner built = buildScanner("%%\na{1,32768}\t;\nb{40000,}\t;\nc{4294967296}\t;\nd{32767}e\t;\n");
    EXPECT_EQ(built.diagnostics, "scan.l(2) : error L2025: '32768' : integer out of range\n"
                                 "scan.l(3) : error L2025: '40000' : integer out of range\n"
                                 "scan.l(4) : error L2007: '4294967296' : integer too big\n");
}

TEST(Syntax, ErrorsNameTheTokens)
{
    EXPECT_EQ(buildScanner("%%\n(a\t;\n").diagnostics, "scan.l(2) : error L2009: syntax error : missing ')' before 'action'\n");
    EXPECT_EQ(buildScanner("%%\na)\t;\n").diagnostics, "scan.l(2) : error L2010: syntax error : ')'\n");
    EXPECT_EQ(buildScanner("%%\n*a\t;\n").diagnostics, "scan.l(2) : error L2010: syntax error : '*'\n");
    EXPECT_EQ(buildScanner("%%\na|\t;\n").diagnostics, "scan.l(2) : error L2008: syntax error\n");
    EXPECT_EQ(buildScanner("%%\na{2\t;\n").diagnostics, "scan.l(2) : error L2009: syntax error : missing '}' before 'action'\n");
    EXPECT_EQ(buildScanner("%%\na%b\t;\na%\t;\n").diagnostics,
              "scan.l(2) : error L2005: invalid keyword '%b'\n"
              "scan.l(3) : error L2004: invalid lex escape sequence\n");
}

TEST(Dot, IsTheUniverseWithoutNewline)
{
    const BuiltScanner units = buildScanner("%%\n.\t;\n", unicodeOptions());
    for (std::uint32_t unit : {0U, 9U, 11U, 0xD800U, 0xFFFFU})
        EXPECT_EQ(ruleTaking(units, {unit}), 1) << unit;
    EXPECT_EQ(ruleTaking(units, {10U}), 0);
    const BuiltScanner bytes = buildScanner("%%\n.\t;\n");
    EXPECT_EQ(ruleTaking(bytes, "\xFF"), 1);
    EXPECT_EQ(ruleTaking(bytes, "\n"), 0);
}

TEST(CodePages, Utf8CharacterModeReadsWholeCharacters)
{
    const BuiltScanner built = buildScanner("%%\n%char\n.\t;\n[\u00E9\u00E0]\t;\n");
    EXPECT_EQ(built.diagnostics, "scan.l(4) : warning L4009: expression is never matched\n");
    for (const char* text : {"a", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"})
        EXPECT_EQ(ruleTaking(built, text), 1) << text;
    EXPECT_EQ(ruleTaking(built, "\xC3"), 0);
    EXPECT_EQ(ruleTaking(built, "\xED\xA0\x80"), 0); // a surrogate is no character
    const BuiltScanner classes = buildScanner("%%\n%char\n[\u00E9\u00E0]\t;\n[\u00E0-\u20AC]\t;\n");
    EXPECT_EQ(ruleTaking(classes, "\xC3\xA0"), 1);
    EXPECT_EQ(ruleTaking(classes, "\xC3\xA9"), 1);
    EXPECT_EQ(ruleTaking(classes, "\xE2\x82\xAC"), 2);
    EXPECT_EQ(ruleTaking(classes, "\xC3\xA8"), 2);
    EXPECT_EQ(ruleTaking(classes, "\xE2\x82\xAD"), 0);
}

TEST(CodePages, ByteModeReadsEachByte)
{
    const BuiltScanner built = buildScanner("%%\n\u00E9\t;\n[\u00E9]\t;\n<<CHAR>>[\u00E0\u00E8]\t;\n");
    EXPECT_EQ(built.diagnostics, "");
    EXPECT_EQ(ruleTaking(built, "\xC3\xA9"), 1);
    EXPECT_EQ(ruleTaking(built, "\xA9"), 2);
    EXPECT_EQ(ruleTaking(built, "\xC3\xA8"), 3);
    // As bytes, a range between two such characters runs between the
    // bytes that stand next to the '-'.
    const BuiltScanner range = buildScanner("%%\n[\u00E0-\u00E9]\t;\n");
    EXPECT_EQ(range.diagnostics, "");
    for (const char* text : {"\xC3", "\xA0", "\xB5", "\xA9"})
        EXPECT_EQ(ruleTaking(range, text), 1) << text;
    EXPECT_EQ(ruleTaking(range, "\xC4"), 0);
}

TEST(CodePages, CharactersAreConvertedIntoTheCurrentCodePage)
{
    const BuiltScanner built = buildScanner("%%\n%codepage 1252\n\u00E9\u20AC\t;\n");
    EXPECT_EQ(built.diagnostics, "");
    EXPECT_EQ(ruleTaking(built, "\xE9\x80"), 1);
    EXPECT_EQ(buildScanner("%%\n%codepage 1252\n\U0001F600\t;\n%codepage_ascii\n\u00E9\t;\n").diagnostics,
              "scan.l(3) : error L2034: unable to convert multibyte character '0xf09f9880' to code page '1252'\n"
              "scan.l(5) : error L2036: unable to convert multibyte character '0xc3a9' to ascii code page\n");
    const BuiltScanner sjis = buildScanner("%%\n%codepage 932\n%char\n\u3042\t;\n");
    EXPECT_EQ(ruleTaking(sjis, "\x82\xA0"), 1);
}

TEST(CodePages, UnknownCodePageKeepsThePreviousOne)
{
    const BuiltScanner built = buildScanner("%%\n%codepage 1252\n%codepage 4242\n\u00E9\t;\n");
    EXPECT_EQ(built.diagnostics, "scan.l(3) : error L2032: invalid code page '4242'\n");
}

TEST(Unicode, CharactersAreCodeUnits)
{
    const BuiltScanner built = buildScanner("%%\n\u00E9\t;\n\U0001F600\t;\n[\u0100-\u017F]\t;\n", unicodeOptions());
    EXPECT_EQ(built.diagnostics, "");
    EXPECT_EQ(ruleTaking(built, unitsOf(u"\u00E9")), 1);
    EXPECT_EQ(ruleTaking(built, unitsOf(u"\U0001F600")), 2);
    EXPECT_EQ(ruleTaking(built, unitsOf(u"\u0150")), 3);
    EXPECT_EQ(buildScanner("%%\n\xFF\t;\n", unicodeOptions()).diagnostics,
              "scan.l(2) : error L2033: unable to convert multibyte character '0xff' to unicode character\n");
}

TEST(Translation, EveryCharacterAndSetIsMapped)
{
    const BuiltScanner built = buildScanner("%t\n1 \"abc\"\n2 \"xyz\"\n%t\n%%\na\t;\n[x-z]q\t;\n");
    EXPECT_EQ(built.diagnostics, "");
    EXPECT_EQ(ruleTaking(built, "\x01"), 1);
    EXPECT_EQ(ruleTaking(built, "a"), 0);
    EXPECT_EQ(ruleTaking(built, "\x02q"), 2);
    // The table's characters are read like the expressions' in a Unicode scanner.
    const BuiltScanner units = buildScanner("%t\n7 \"\u00E9\u4E2D\"\n%t\n%%\n\u00E9\u4E2D\t;\n", unicodeOptions());
    EXPECT_EQ(units.diagnostics, "");
    EXPECT_EQ(ruleTaking(units, {7U, 7U}), 1);
}

} // namespace
} // namespace lindle::testing
