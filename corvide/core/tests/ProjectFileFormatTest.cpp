// A project file written by hand loads as Windows' profile functions read it.
#include <gtest/gtest.h>

#include <string>

#include "ProjectTesting.h"
#include "corvide/core/profile/ProfileFile.h"
#include "corvide/core/project/OptionStamp.h"
#include "corvide/core/project/Project.h"
#include "toolframe/testing/TemporaryDirectory.h"

namespace {

using corvide::CProject;
using corvide::testing::openingDefaults;
using corvide::testing::storedNames;
using toolframe::testing::TemporaryDirectory;

constexpr const char* kHandWritten =
    "; Calculator project, kept by hand\r\n"
    "\r\n"
    "  [ filesinproject ]   \r\n"
    "file1 =   calc.y   \r\n"
    "FILE2=Lexer.L\r\n"
    "; the notes are not built\r\n"
    "File3 =\tnotes.txt\r\n"
    "\r\n"
    "[BRANNOCKOPTIONS]\r\n"
    "optioncapitalt = cpp\r\n"
    "OPTIONP=c\r\n"
    "OptionCapitalL =  2048 apples\r\n"
    "otheroptions = \" -o out.c \"\r\n"
    "OptionD=0\r\n"
    "\r\n"
    "[LindleOptions]\r\n"
    "OptionCapitalT=J\r\n"
    "OptionU=2\r\n"
    "OptionCapitalL=100\r\n"
    "[timestamps]\r\n"
    "brannockoptions = 7/12/2003 14:5:9\r\n";

TEST(HandWrittenProject, LoadsAsWindowsWouldReadIt)
{
    const TemporaryDirectory directory;
    directory.write("calc.cvp", kHandWritten);
    CProject project;
    ASSERT_TRUE(project.load(directory / "calc.cvp", openingDefaults()));
    EXPECT_EQ(storedNames(project), (std::vector<std::string>{"calc.y", "Lexer.L", "notes.txt"}));
    const corvide::CBrannockOptions& brannock = project.brannockOptions();
    EXPECT_EQ(brannock.targetLanguage, "cpp");
    EXPECT_EQ(brannock.parserKind, "c");
    EXPECT_EQ(brannock.rangeForBases, 2048);
    EXPECT_EQ(brannock.otherOptions, " -o out.c ");
    EXPECT_FALSE(brannock.includeFile);
    EXPECT_EQ(brannock.commandLineSwitches(), "-$ -Tcpp -pc  -o out.c  -v -L:2048 ");
    const corvide::CLindleOptions& lindle = project.lindleOptions();
    EXPECT_EQ(lindle.targetLanguage, ""); // "J" is no code
    EXPECT_TRUE(lindle.caseInsensitive);
    EXPECT_EQ(lindle.rangeForBases, 1024);
    EXPECT_EQ(project.brannockStamp(), corvide::stamp::parse("07/12/2003 14:05:09"));
    EXPECT_FALSE(project.lindleStamp());
}

TEST(HandWrittenProject, SavingKeepsTheCommentsOutsideTheFileListAndTheFileListInItsPlace)
{
    const TemporaryDirectory directory;
    directory.write("calc.cvp", kHandWritten);
    CProject project;
    ASSERT_TRUE(project.load(directory / "calc.cvp", openingDefaults()));
    ASSERT_TRUE(project.save());
    const std::string text = directory.read("calc.cvp");
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(text.rfind("; Calculator project, kept by hand\n\n  [ filesinproject ]   \nFile1=calc.y\nFile2=Lexer.L\n"
                         "File3=notes.txt\n[BRANNOCKOPTIONS]\noptioncapitalt=cpp\n",
                         0),
              0u)
        << text;
    corvide::CProfileFile written;
    written.parse(text);
    EXPECT_EQ(written.rawValue("BrannockOptions", "OptionD"), std::nullopt);
    EXPECT_EQ(written.getInt("BrannockOptions", "OptionI", -1), 0);
    EXPECT_NE(text.find("otheroptions=\" -o out.c \"\n"), std::string::npos);
    CProject again;
    ASSERT_TRUE(again.load(directory / "calc.cvp", openingDefaults()));
    EXPECT_EQ(storedNames(again), storedNames(project));
    EXPECT_FALSE(again.brannockOptions().differsFrom(project.brannockOptions()));
    EXPECT_FALSE(again.lindleOptions().differsFrom(project.lindleOptions()));
    EXPECT_EQ(again.brannockStamp(), project.brannockStamp());
}

TEST(HandWrittenProject, KeysMissingFromTheFileTakeTheOpeningLanguageAndCompiler)
{
    const TemporaryDirectory directory;
    directory.write("calc.cvp", "[FilesInProject]\nFile1=calc.y\n");
    CProject project;
    ASSERT_TRUE(project.load(directory / "calc.cvp",
                             corvide::COptionDefaults::forProject(corvide::kLanguageCpp, corvide::kCompilerVisualCpp16)));
    EXPECT_EQ(project.brannockOptions().targetLanguage, "cpp");
    EXPECT_TRUE(project.brannockOptions().shortFileNames);
    EXPECT_TRUE(project.lindleOptions().shortFileNames);
    EXPECT_EQ(project.brannockOptions().parserKind, "");
    EXPECT_EQ(project.lindleOptions().model, "");
}

} // namespace
