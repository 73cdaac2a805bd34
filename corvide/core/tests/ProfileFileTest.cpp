#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "corvide/core/profile/ProfileFile.h"
#include "toolframe/testing/TemporaryDirectory.h"

namespace {

using corvide::CProfileFile;
using toolframe::testing::TemporaryDirectory;

CProfileFile parsed(const std::string& text)
{
    CProfileFile file;
    file.parse(text);
    return file;
}

TEST(ProfileFileReading, MatchesSectionsAndKeysIgnoringCaseAndTrimsValues)
{
    const CProfileFile file = parsed("[Options]\n  OptionE  =   cpp   \n");
    EXPECT_EQ(file.getString("OPTIONS", "optione", "x"), "cpp");
    EXPECT_EQ(file.getString("options", "OptionX", "x"), "x");
    EXPECT_EQ(file.getString("Other", "OptionE", "x"), "x");
}

TEST(ProfileFileReading, ReadsSectionHeadersWithBlanksAndTextAfterTheBracket)
{
    const CProfileFile file = parsed("  [ Files In ]  ; note\nkey=1\n");
    EXPECT_EQ(file.getString("files in", "key", ""), "1");
}

TEST(ProfileFileReading, TheFirstOfSeveralEqualKeysCounts)
{
    const CProfileFile file = parsed("[s]\nKey=first\nKEY=second\n[S]\nkey=third\nother=4\n");
    EXPECT_EQ(file.getString("s", "key", ""), "first");
    EXPECT_EQ(file.getString("s", "other", ""), "4");
}

TEST(ProfileFileReading, KeysBeforeTheFirstSectionAndLinesWithoutEqualsAreNoKeys)
{
    const CProfileFile file = parsed("loose=1\n[s]\njust text\n=nameless\n");
    EXPECT_EQ(file.getString("s", "just text", "d"), "d");
    EXPECT_EQ(file.getString("s", "", "d"), "d");
    EXPECT_EQ(file.getString("", "loose", "d"), "d");
}

TEST(ProfileFileReading, AnEmptyValueIsEmptyForStringsAndTheDefaultForIntegers)
{
    const CProfileFile file = parsed("[s]\nkey=\n");
    EXPECT_EQ(file.getString("s", "key", "d"), "");
    EXPECT_EQ(file.getInt("s", "key", 7), 7);
}

TEST(ProfileFileReading, StripsOnePairOfEnclosingQuotes)
{
    const CProfileFile file = parsed("[s]\na=\"x y\"\nb='z'\nc=\"mixed'\nd=\"\ne=\"\"\"\"\n");
    EXPECT_EQ(file.getString("s", "a", ""), "x y");
    EXPECT_EQ(file.getString("s", "b", ""), "z");
    EXPECT_EQ(file.getString("s", "c", ""), "\"mixed'");
    EXPECT_EQ(file.getString("s", "d", ""), "\"");
    EXPECT_EQ(file.getString("s", "e", ""), "\"\"");
}

TEST(ProfileFileReading, AValueReadsIntoAtMost255Characters)
{
    const std::string longValue(300, 'v');
    const CProfileFile file = parsed("[s]\nkey=" + longValue + "\n");
    EXPECT_EQ(file.getString("s", "key", ""), std::string(255, 'v'));
    EXPECT_EQ(file.getString("s", "missing", longValue), std::string(255, 'v'));
    EXPECT_EQ(file.rawValue("s", "key"), longValue);
}

TEST(ProfileFileReading, TheCutNeverSplitsAMultibyteCharacter)
{
    // 127 two-byte characters fill 254 bytes; the 128th would not fit.
    std::string value;
    for (int i = 0; i < 130; ++i)
        value += "\xC3\xA9";
    const CProfileFile file = parsed("[s]\nkey=" + value + "\n");
    EXPECT_EQ(file.getString("s", "key", ""), value.substr(0, 254));
}

TEST(ProfileFileReading, AValueEndsAtANul)
{
    const CProfileFile file = parsed(std::string("[s]\nkey=ab\0cd\n", 14));
    EXPECT_EQ(file.getString("s", "key", ""), "ab");
}

TEST(ProfileFileReading, IntegersTakeASignAndTheLeadingDigits)
{
    const CProfileFile file = parsed("[s]\na=12abc\nb=abc\nc=-5\nd=+7\ne= 42 \nf=99999999999\ng=-99999999999\n"
                                     "h=\"3\"\n");
    EXPECT_EQ(file.getInt("s", "a", -1), 12);
    EXPECT_EQ(file.getInt("s", "b", -1), 0);
    EXPECT_EQ(file.getInt("s", "c", -1), -5);
    EXPECT_EQ(file.getInt("s", "d", -1), 7);
    EXPECT_EQ(file.getInt("s", "e", -1), 42);
    EXPECT_EQ(file.getInt("s", "f", -1), INT_MAX);
    EXPECT_EQ(file.getInt("s", "g", -1), INT_MIN);
    EXPECT_EQ(file.getInt("s", "h", -1), 3);
    EXPECT_EQ(file.getInt("s", "missing", -1), -1);
}

TEST(ProfileFileReading, ReadsCrlfLineEndsAndAByteOrderMark)
{
    const CProfileFile file = parsed("\xEF\xBB\xBF[s]\r\nkey=value\r\n");
    EXPECT_EQ(file.getString("s", "key", ""), "value");
}

TEST(ProfileFileReading, ALoneCarriageReturnEndsALineSoEveryValueCanBeWrittenBack)
{
    CProfileFile file = parsed("[s]\rkey=a\rb=c\r\n\r\nlast=1");
    EXPECT_EQ(file.getString("s", "key", ""), "a");
    EXPECT_EQ(file.getString("s", "b", ""), "c");
    EXPECT_TRUE(file.writeString("s", "copy", file.getString("s", "key", "")));
    EXPECT_EQ(file.text(), "[s]\nkey=a\nb=c\n\nlast=1\ncopy=a\n");
}

TEST(ProfileFileWriting, CreatesTheSectionAndTheKey)
{
    CProfileFile file;
    EXPECT_TRUE(file.writeString("Files", "File1", "a.y"));
    EXPECT_TRUE(file.writeString("files", "File2", "b.y"));
    EXPECT_EQ(file.text(), "[Files]\nFile1=a.y\nFile2=b.y\n");
}

TEST(ProfileFileWriting, ReplacesAKeyInPlaceKeepingItsSpellingAndTheLinesAround)
{
    CProfileFile file = parsed("; my project\n[S]\n  OPTIONI = 1 \n; keep me\n\n[T]\nx=1\n");
    EXPECT_TRUE(file.writeString("s", "OptionI", "0"));
    EXPECT_TRUE(file.writeString("s", "OptionQ", "1"));
    EXPECT_EQ(file.text(), "; my project\n[S]\nOPTIONI=0\nOptionQ=1\n; keep me\n\n[T]\nx=1\n");
}

TEST(ProfileFileWriting, RefusesWhatCannotBeWrittenAsOneLineAndChangesNothing)
{
    CProfileFile file = parsed("[s]\nkey=old\n");
    EXPECT_FALSE(file.writeString("s", "key", "two\nlines"));
    EXPECT_FALSE(file.writeString("s", "key", "carriage\rreturn"));
    EXPECT_FALSE(file.writeString("s", "key", std::string("nul\0", 4)));
    EXPECT_FALSE(file.writeString("s", "a=b", "v"));
    EXPECT_FALSE(file.writeString("s", "[k", "v"));
    EXPECT_FALSE(file.writeString("s", " padded", "v"));
    EXPECT_FALSE(file.writeString("s", "", "v"));
    EXPECT_FALSE(file.writeString("a]b", "k", "v"));
    EXPECT_FALSE(file.writeString("", "k", "v"));
    EXPECT_FALSE(file.writeString("new\nsection", "k", "v"));
    EXPECT_FALSE(file.writeString("s", "key", std::string(256, 'x')));
    EXPECT_TRUE(file.writeRaw("s", "raw", std::string(256, 'x')));
    file.deleteKey("s", "raw");
    EXPECT_EQ(file.text(), "[s]\nkey=old\n");
}

TEST(ProfileFileWriting, ValuesThatReadingWouldChangeAreQuotedSoTheyReadBackTheSame)
{
    const std::string values[] = {" leading",  "trailing\t", "\"quoted\"",         "'single'",
                                  "\"-o\" \"x\"", "\"",          std::string(255, 'x'), "\"" + std::string(253, 'q') + "\""};
    for (const std::string& value : values) {
        CProfileFile written;
        ASSERT_TRUE(written.writeString("s", "key", value));
        EXPECT_EQ(parsed(written.text()).getString("s", "key", "?"), value);
    }
    CProfileFile plain;
    plain.writeString("s", "key", "plain value");
    EXPECT_EQ(plain.text(), "[s]\nkey=plain value\n");
}

TEST(ProfileFileWriting, DeletesAKeyEverywhereInItsSection)
{
    CProfileFile file = parsed("[s]\nOptionD=0\nOptionQ=1\noptiond=1\n[S]\nOPTIOND=2\n[t]\nOptionD=3\n");
    file.deleteKey("S", "optionD");
    EXPECT_EQ(file.text(), "[s]\nOptionQ=1\n[S]\n[t]\nOptionD=3\n");
    EXPECT_EQ(file.getInt("s", "OptionD", -1), -1);
    file.deleteKey("missing", "key");
    EXPECT_TRUE(file.writeString("s", "New", "1"));
    EXPECT_EQ(file.getString("s", "New", ""), "1");
}

TEST(ProfileFileWriting, DeletesEverySectionOfTheName)
{
    CProfileFile file = parsed("[a]\nk=1\n[FILES]\nFile1=x\n[b]\nk=2\n[files]\nFile2=y\n");
    file.deleteSection("Files");
    EXPECT_EQ(file.text(), "[a]\nk=1\n[b]\nk=2\n");
    EXPECT_FALSE(file.hasSection("files"));
    EXPECT_TRUE(file.writeString("Files", "File1", "z"));
    EXPECT_EQ(file.text(), "[a]\nk=1\n[b]\nk=2\n[Files]\nFile1=z\n");
}

TEST(ProfileFileWriting, ClearingASectionKeepsItsPlace)
{
    CProfileFile file = parsed("[a]\nk=1\n[FILES]\nFile1=x\n; old\n[b]\nk=2\n[files]\nFile2=y\n");
    file.clearSection("Files");
    EXPECT_TRUE(file.writeString("Files", "File1", "z"));
    EXPECT_EQ(file.text(), "[a]\nk=1\n[FILES]\nFile1=z\n[b]\nk=2\n");
    file.clearSection("missing");
    EXPECT_FALSE(file.hasSection("missing"));
}

TEST(ProfileFileWriting, ListsSectionsAndKeysOnceEach)
{
    const CProfileFile file = parsed("[a]\nx=1\nX=2\ny=3\n[b]\n[A]\nz=4\n");
    EXPECT_EQ(file.sectionNames(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(file.keyNames("A"), (std::vector<std::string>{"x", "y", "z"}));
}

TEST(ProfileFileWriting, WritesLfLineEndsAndKeepsAByteOrderMark)
{
    CProfileFile file = parsed("\xEF\xBB\xBF[s]\r\nkey=1\r\n");
    file.writeString("s", "key", "2");
    EXPECT_EQ(file.text(), "\xEF\xBB\xBF[s]\nkey=2\n");
}

TEST(ProfileFileDisk, SavesAndLoadsAndCreatesTheFile)
{
    const TemporaryDirectory directory;
    CProfileFile file;
    EXPECT_FALSE(file.load(directory / "new.ini"));
    file.writeString("s", "k", "v");
    ASSERT_TRUE(file.save(directory / "new.ini"));
    CProfileFile again;
    ASSERT_TRUE(again.load(directory / "new.ini"));
    EXPECT_EQ(again.getString("S", "K", ""), "v");
    EXPECT_EQ(directory.entries(), std::vector<std::string>{"new.ini"});
}

TEST(ProfileFileDisk, ManyKeysInOneSectionReadAndWriteInOnePass)
{
    std::string text = "[FilesInProject]\n";
    for (int i = 1; i <= 100000; ++i)
        text += "File" + std::to_string(i) + "=f" + std::to_string(i) + ".y\n";
    CProfileFile file = parsed(text);
    for (int i = 1; i <= 100000; ++i)
        ASSERT_EQ(file.getString("filesinproject", "FILE" + std::to_string(i), ""), "f" + std::to_string(i) + ".y");
    file.deleteSection("FilesInProject");
    for (int i = 1; i <= 100000; ++i)
        ASSERT_TRUE(file.writeString("FilesInProject", "File" + std::to_string(i), "f" + std::to_string(i) + ".y"));
    EXPECT_EQ(file.text(), text);
}

} // namespace
