#include <gtest/gtest.h>

#include "corvide/core/text/CaseInsensitive.h"

namespace {

using corvide::compareNoCase;
using corvide::equalNoCase;
using toolframe::CodePage;

TEST(CaseInsensitive, FoldsAsciiLettersOnly)
{
    const CodePage utf8(CodePage::kUtf8);
    EXPECT_TRUE(equalNoCase("CALC.Y", "calc.y", utf8));
    EXPECT_FALSE(equalNoCase("calc.y", "calc.y ", utf8));
    EXPECT_FALSE(equalNoCase("\xC3\x89.y", "\xC3\xA9.y", utf8)); // É and é stay apart, as their bytes
}

TEST(CaseInsensitive, OrdersByLowerCaseSoUnderscoreComesBeforeLetters)
{
    const CodePage utf8(CodePage::kUtf8);
    EXPECT_LT(compareNoCase("A_", "Aa", utf8), 0);
    EXPECT_LT(compareNoCase("a.l", "A.y", utf8), 0);
    EXPECT_EQ(compareNoCase("A.y", "a.y", utf8), 0);
    EXPECT_GT(compareNoCase("b.y", "A.y", utf8), 0);
}

TEST(CaseInsensitive, NeverFoldsATrailByteOfADoubleByteCharacter)
{
    // In Shift JIS 0x83 0x41 is one character whose trail byte is 'A'.
    const CodePage shiftJis(932);
    EXPECT_FALSE(equalNoCase("\x83\x41", "\x83\x61", shiftJis));
    EXPECT_TRUE(equalNoCase("\x83\x41Z", "\x83\x41z", shiftJis));
}

} // namespace
