#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corvide/core/build/OutputLineSplitter.h"

namespace {

using corvide::COutputLineSplitter;
using Lines = std::vector<std::string>;

// The lines of bytes fed in reads of every size from 1 to all at once;
// they must not depend on where the reads fall.
Lines split(const std::string& bytes, int codePage = toolframe::CodePage::kUtf8, std::size_t limit = 64 * 1024)
{
    Lines whole;
    for (std::size_t size = 1; size <= std::max<std::size_t>(bytes.size(), 1); ++size) {
        Lines lines;
        COutputLineSplitter splitter(toolframe::CodePage(codePage), [&](std::string line) { lines.push_back(line); },
                                     limit);
        for (std::size_t at = 0; at < bytes.size(); at += size)
            splitter.feed(std::string_view(bytes).substr(at, size));
        splitter.finish();
        if (size == 1)
            whole = lines;
        EXPECT_EQ(lines, whole) << "reads of " << size;
    }
    return whole;
}

TEST(OutputLineSplitter, EndsLinesAtLineFeedsCarriageReturnsAndBoth)
{
    EXPECT_EQ(split("abc\r\rdef\r\n"), (Lines{"abc", "", "def"}));
    EXPECT_EQ(split("a\nb\r\nc\rd\n\re"), (Lines{"a", "b", "c", "d", "", "e"}));
    EXPECT_EQ(split("\n\n"), (Lines{"", ""}));
    EXPECT_EQ(split("\r\n\r\n"), (Lines{"", ""}));
    EXPECT_EQ(split("\n\r"), (Lines{"", ""}));
}

TEST(OutputLineSplitter, HandsOnAnUnfinishedLineOnlyWhenItHasText)
{
    EXPECT_EQ(split("tail"), (Lines{"tail"}));
    EXPECT_EQ(split("line\n"), (Lines{"line"}));
    EXPECT_EQ(split(""), (Lines{}));
    EXPECT_EQ(split("x\r"), (Lines{"x"}));
}

// In code page 932 any byte after a lead byte is its trail, even a line
// end.
TEST(OutputLineSplitter, TakesTheByteAfterADoubleByteLeadAsItIs)
{
    EXPECT_EQ(split("a\x81\nb\n", 932), (Lines{"a\x81\nb"}));
    EXPECT_EQ(split("\x82\r\nx", 932), (Lines{"\x82\r", "x"}));
    EXPECT_EQ(split("\x83\x5c\n", 932), (Lines{"\x83\x5c"}));
    // 0x81 is no lead byte in a single-byte code page.
    EXPECT_EQ(split("a\x81\nb\n", 1252), (Lines{"a\x81", "b"}));
}

// In UTF-8 a lead byte's trail bytes are continuation bytes: a line end
// after a lead byte cannot belong to its character.
TEST(OutputLineSplitter, KeepsUtf8CharactersWholeAndEndsLinesAfterBrokenOnes)
{
    EXPECT_EQ(split("\xC3\xA9t\xC3\xA9\n\xE2\x82\xAC\r\n"), (Lines{"\xC3\xA9t\xC3\xA9", "\xE2\x82\xAC"}));
    EXPECT_EQ(split("\xE2\n\xF0\x9F\rz"), (Lines{"\xE2", "\xF0\x9F", "z"}));
}

TEST(OutputLineSplitter, CutsAnOverlongLineIntoPiecesBetweenCharacters)
{
    EXPECT_EQ(split("abcdefg\n", toolframe::CodePage::kUtf8, 3), (Lines{"abc", "def", "g"}));
    // A line of exactly the limit stays one line.
    EXPECT_EQ(split("abc\ndef", toolframe::CodePage::kUtf8, 3), (Lines{"abc", "def"}));
    EXPECT_EQ(split("ab\xE2\x82\xAC" "cd\n", toolframe::CodePage::kUtf8, 3), (Lines{"ab\xE2\x82\xAC", "cd"}));
    EXPECT_EQ(split("ab\x81\n" "cd\n", 932, 3), (Lines{"ab\x81\n", "cd"}));
}

TEST(OutputLineSplitter, KeepsMegabytesWithoutALineEndInBoundedPieces)
{
    Lines lines;
    COutputLineSplitter splitter(toolframe::CodePage(), [&](std::string line) { lines.push_back(line); });
    const std::string chunk(4096, 'x');
    for (int i = 0; i < 2560; ++i)
        splitter.feed(chunk);
    splitter.finish();
    ASSERT_EQ(lines.size(), 160u);
    for (const std::string& line : lines)
        EXPECT_EQ(line.size(), COutputLineSplitter::kMaximumLine);
}

} // namespace
