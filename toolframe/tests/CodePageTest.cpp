#include "toolframe/platform/CodePage.h"
#include "toolframe/platform/Locale.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using toolframe::CodePage;

namespace {

std::vector<std::string> characters(const CodePage& codePage, std::string_view text)
{
    std::vector<std::string> result;
    codePage.forEachCharacter(text, [&](std::string_view c) { result.emplace_back(c); });
    return result;
}

} // namespace

TEST(CodePage, Utf8CharactersAreOneToFourBytes)
{
    const CodePage utf8(CodePage::kUtf8);
    EXPECT_EQ(characters(utf8, "a\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80z"),
              (std::vector<std::string>{"a", "\xc3\xa9", "\xe2\x82\xac", "\xf0\x9f\x98\x80", "z"}));
}

TEST(CodePage, MalformedUtf8StepsOneByteAtATime)
{
    const CodePage utf8(CodePage::kUtf8);
    // A lead byte without its trail bytes, a lone trail byte, an overlong lead.
    EXPECT_EQ(characters(utf8, "\xe2\x82"), (std::vector<std::string>{"\xe2", "\x82"}));
    EXPECT_EQ(characters(utf8, "\xe2x\x82"), (std::vector<std::string>{"\xe2", "x", "\x82"}));
    EXPECT_EQ(characters(utf8, "\xc0\x80"), (std::vector<std::string>{"\xc0", "\x80"}));
}

TEST(CodePage, ShiftJisTrailByteIsNotASeparator)
{
    const CodePage sjis(932);
    EXPECT_TRUE(sjis.isDoubleByte());
    EXPECT_TRUE(sjis.isLeadByte(0x81));
    EXPECT_TRUE(sjis.isLeadByte(0xE0));
    EXPECT_FALSE(sjis.isLeadByte(0xA0)); // half-width katakana are single bytes
    EXPECT_EQ(characters(sjis, "\x95\x5c\\"), (std::vector<std::string>{"\x95\x5c", "\\"}));
}

TEST(CodePage, DoubleByteLeadBeforeZeroOrEndStandsAlone)
{
    const CodePage gbk(936);
    EXPECT_EQ(CodePage(936).characterLength(std::string_view("\x81\0", 2)), 1u);
    EXPECT_EQ(gbk.characterLength("\x81"), 1u);
    EXPECT_EQ(gbk.characterLength("\x81\x40"), 2u);
}

TEST(CodePage, SingleByteCodePagesHaveNoLeadBytes)
{
    for (int number : {1252, 28591, 20127, 0})
        for (int byte = 0; byte < 256; ++byte)
            EXPECT_FALSE(CodePage(number).isLeadByte(static_cast<unsigned char>(byte))) << number << " " << byte;
}

TEST(CodePage, CharacterValueConcatenatesBytesMostSignificantFirst)
{
    EXPECT_EQ(CodePage::characterValue("A"), 0x41u);
    EXPECT_EQ(CodePage::characterValue("\x95\x5c"), 0x955Cu);
    EXPECT_EQ(CodePage::characterValue("\xe2\x82\xac"), 0xE282ACu);
}

TEST(Locale, CharacterSetNamesMapToCodePageNumbers)
{
    EXPECT_EQ(toolframe::codePageForCharacterSet("UTF-8"), 65001);
    EXPECT_EQ(toolframe::codePageForCharacterSet("utf8"), 65001);
    EXPECT_EQ(toolframe::codePageForCharacterSet("ANSI_X3.4-1968"), 20127);
    EXPECT_EQ(toolframe::codePageForCharacterSet("ISO-8859-1"), 28591);
    EXPECT_EQ(toolframe::codePageForCharacterSet("ISO-8859-9"), 28599);
    EXPECT_EQ(toolframe::codePageForCharacterSet("ISO-8859-15"), 28605);
    EXPECT_EQ(toolframe::codePageForCharacterSet("CP1252"), 1252);
    EXPECT_EQ(toolframe::codePageForCharacterSet("WINDOWS-1251"), 1251);
    EXPECT_EQ(toolframe::codePageForCharacterSet("SHIFT_JIS"), 932);
    EXPECT_EQ(toolframe::codePageForCharacterSet("BIG5"), 950);
    EXPECT_EQ(toolframe::codePageForCharacterSet("EBCDIC"), 0);
    EXPECT_EQ(toolframe::codePageForCharacterSet("CP1249"), 0);
}

TEST(Locale, PlainAsciiLocaleBecomesUtf8)
{
    // The test runs in whatever locale the environment gives; C and POSIX
    // both end in UTF-8, a UTF-8 locale stays.
    const CodePage codePage = toolframe::setAnsiCharacterLocale();
    EXPECT_NE(codePage.number(), CodePage::kAscii);
}
