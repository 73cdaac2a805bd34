#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "ChildProcess.h"
#include "ProjectTesting.h"
#include "corvide/core/platform/ProcessDirectory.h"
#include "corvide/core/project/OptionStamp.h"
#include "corvide/core/project/Project.h"
#include "toolframe/platform/PathServices.h"
#include "toolframe/testing/TemporaryDirectory.h"

namespace {

using corvide::CProject;
using corvide::CProjectFile;
using corvide::SourceKind;
using corvide::testing::openingDefaults;
using corvide::testing::setModificationTime;
using corvide::testing::storedNames;
using toolframe::testing::TemporaryDirectory;

using Names = std::vector<std::string>;

class ProjectTest : public ::testing::Test {
protected:
    std::string projectPath() const { return directory / "calc.cvp"; }

    void openNew(int language = corvide::kLanguageC)
    {
        project.initialise(projectPath(), openingDefaults(language));
    }

    void reload() { ASSERT_TRUE(project.load(projectPath(), openingDefaults())); }

    TemporaryDirectory directory;
    CProject project;
};

TEST_F(ProjectTest, InitialiseTakesNameAndDirectoryAndMovesThereWithDefaults)
{
    project.initialise(directory / "sub/../Calc.CVP", openingDefaults(corvide::kLanguageCpp));
    EXPECT_EQ(project.path(), directory / "Calc.CVP");
    EXPECT_EQ(project.name(), "Calc");
    EXPECT_EQ(project.directory(), directory.path());
    EXPECT_EQ(corvide::platform::currentDirectory(), directory.path());
    EXPECT_EQ(project.brannockOptions().targetLanguage, "cpp");
    EXPECT_EQ(project.lindleOptions().targetLanguage, "cpp");
    EXPECT_FALSE(project.isModified());
    EXPECT_FALSE(project.brannockStamp());
    project.initialise(directory / "calc.prj", openingDefaults());
    EXPECT_EQ(project.name(), "calc.prj");
}

TEST_F(ProjectTest, FilesGoInSortedIgnoringCaseAndBeforeAnEqualName)
{
    openNew();
    for (const char* name : {"b.y", "a.l", "A.y", "a.y"})
        ASSERT_NE(project.addFile(directory / name, true), nullptr) << name;
    EXPECT_EQ(storedNames(project), (Names{"a.l", "a.y", "A.y", "b.y"}));
    EXPECT_TRUE(project.isModified());
}

TEST_F(ProjectTest, LoadSortsButKeepsTheFilesOrderAmongEqualNames)
{
    directory.write("calc.cvp", "[FilesInProject]\nFile1=b.y\nFile2=a.l\nFile3=A.y\nFile4=a.y\n");
    reload();
    EXPECT_EQ(storedNames(project), (Names{"a.l", "A.y", "a.y", "b.y"}));
}

TEST_F(ProjectTest, NamesDifferingOnlyInCaseKeepTheirPlacesOverSaves)
{
    openNew();
    for (const char* name : {"b.y", "a.l", "A.y", "a.y"})
        project.addFile(directory / name, true);
    ASSERT_TRUE(project.save());
    const std::string saved = directory.read("calc.cvp");
    reload();
    EXPECT_EQ(storedNames(project), (Names{"a.l", "a.y", "A.y", "b.y"}));
    ASSERT_TRUE(project.save());
    EXPECT_EQ(directory.read("calc.cvp"), saved);
}

TEST_F(ProjectTest, FilesStopAtTheFirstMissingNumber)
{
    directory.write("calc.cvp", "[FilesInProject]\nFile1=a.y\nFile3=c.y\n");
    reload();
    EXPECT_EQ(storedNames(project), Names{"a.y"});
    directory.write("calc.cvp", "[FilesInProject]\nFile1=a.y\nFile2=\nFile3=c.y\n");
    reload();
    EXPECT_EQ(storedNames(project), Names{"a.y"});
}

TEST_F(ProjectTest, AddedFilesAreStoredRelativeOrAsGiven)
{
    openNew();
    const CProjectFile* relative = project.addFile(directory / "src/calc.y", true);
    ASSERT_NE(relative, nullptr);
    EXPECT_EQ(relative->storedName(), "src/calc.y");
    EXPECT_EQ(relative->fullPath(), directory / "src/calc.y");
    const CProjectFile* absolute = project.addFile(directory / "lex.l", false);
    ASSERT_NE(absolute, nullptr);
    EXPECT_EQ(absolute->storedName(), directory / "lex.l");
}

TEST_F(ProjectTest, TheSameFileIsNotAddedTwice)
{
    openNew();
    directory.write("calc.y", "");
    directory.link("calc.y", "link.y");
    ASSERT_NE(project.addFile(directory / "calc.y", true), nullptr);
    EXPECT_EQ(project.addFile(directory / "calc.y", false), nullptr);
    EXPECT_EQ(project.addFile(directory / "./x/../calc.y", true), nullptr);
    EXPECT_EQ(project.addFile(directory / "link.y", true), nullptr); // one file on disk
    EXPECT_EQ(project.fileCount(), 1u);
}

// Here calc.y and Calc.y are two files; where the file system folds case
// they are one, and the second is refused like any other second name.
TEST_F(ProjectTest, NamesDifferingOnlyInCaseAreTwoFilesWhenTheDiskHasTwo)
{
    openNew();
    directory.write("calc.y", "lower");
    directory.write("Calc.y", "upper");
    const bool twoFiles = directory.read("calc.y") != directory.read("Calc.y");
    ASSERT_NE(project.addFile(directory / "calc.y", true), nullptr);
    EXPECT_EQ(project.addFile(directory / "Calc.y", true) != nullptr, twoFiles);
    EXPECT_EQ(project.findFile("calc.y")->storedName(), "calc.y");
    if (twoFiles) {
        EXPECT_EQ(project.findFile("Calc.y")->storedName(), "Calc.y");
        EXPECT_EQ(storedNames(project), (Names{"Calc.y", "calc.y"}));
    }
}

TEST_F(ProjectTest, FindFilePrefersAnExactNameThenIgnoresCase)
{
    openNew();
    project.addFile(directory / "calc.y", true);
    project.addFile(directory / "lex.l", true);
    EXPECT_EQ(project.findFile("lex.l")->storedName(), "lex.l");
    EXPECT_EQ(project.findFile(directory / "LEX.L")->storedName(), "lex.l");
    EXPECT_EQ(project.findFile("CALC.Y")->storedName(), "calc.y");
    EXPECT_EQ(project.findFile("other.y"), nullptr);
}

class RecordingObserver : public corvide::CProjectObserver {
public:
    void fileAdded(const CProjectFile& file) override { events.push_back("added " + file.storedName()); }
    void fileRemoved(const CProjectFile& file) override { events.push_back("removed " + file.storedName()); }
    void projectReset() override { events.push_back("reset"); }
    Names events;
};

TEST_F(ProjectTest, RemovingAFileTellsTheViewsAndMarksTheProject)
{
    openNew();
    RecordingObserver observer;
    project.addObserver(observer);
    project.addFile(directory / "a.y", true);
    const CProjectFile* second = project.addFile(directory / "A.y", true);
    ASSERT_TRUE(project.save());
    EXPECT_FALSE(project.isModified());
    project.removeFile(*second);
    EXPECT_TRUE(project.isModified());
    EXPECT_EQ(storedNames(project), Names{"a.y"});
    project.load(projectPath(), openingDefaults());
    EXPECT_EQ(observer.events, (Names{"added a.y", "added A.y", "removed A.y", "reset", "added A.y", "added a.y"}));
    project.reset();
    EXPECT_EQ(observer.events.back(), "reset");
    EXPECT_FALSE(project.isOpen());
    project.removeObserver(observer);
}

TEST_F(ProjectTest, StampsAreWrittenDayFirstAndReadLeniently)
{
    openNew();
    const std::time_t when = *corvide::stamp::parse("7/12/2003 14:5:9");
    project.setClock([when] { return when; });
    corvide::CBrannockOptions options = project.brannockOptions();
    options.compactTables = true;
    project.setBrannockOptions(options);
    EXPECT_EQ(project.brannockStamp(), when);
    ASSERT_TRUE(project.save());
    const std::string text = directory.read("calc.cvp");
    EXPECT_NE(text.find("[TimeStamps]\nBrannockOptions=07/12/2003 14:05:09\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("LindleOptions="), std::string::npos);
    directory.write("calc.cvp", "[TimeStamps]\nBrannockOptions=7/12/2003 14:5:9\nLindleOptions=7/12/2003 14:5\n");
    reload();
    EXPECT_EQ(project.brannockStamp(), when);
    EXPECT_FALSE(project.lindleStamp());
}

TEST_F(ProjectTest, OnlyAChangedOptionSetMovesItsStamp)
{
    openNew();
    std::time_t now = 1000000;
    project.setClock([&now] { return now; });
    corvide::CLindleOptions edited = project.lindleOptions();
    edited.fullReject = true;
    edited.fullReject = false;
    project.setLindleOptions(edited);
    EXPECT_FALSE(project.lindleStamp());
    EXPECT_FALSE(project.isModified());
    edited.rangeForBases = 2048;
    project.setLindleOptions(edited);
    EXPECT_EQ(project.lindleStamp(), 1000000);
    EXPECT_TRUE(project.isModified());
    now = 2000000;
    project.setLindleOptions(edited);
    EXPECT_EQ(project.lindleStamp(), 1000000);
    EXPECT_FALSE(project.brannockStamp());
    EXPECT_EQ(project.lindleOptions().rangeForBases, 2048);
}

TEST_F(ProjectTest, LegacyDirectoryIsRewrittenAndDroppedAtTheNextSave)
{
    directory.write("calc.cvp", "[Project]\nDirectory=/old/place\n[FilesInProject]\nFile1=/old/place/calc.y\n"
                                "File2=/old/place/src/lex.l\nFile3=/old/placement/x.y\nFile4=notes.txt\n");
    reload();
    EXPECT_EQ(project.storedDirectory(), "/old/place");
    EXPECT_EQ(project.findFile("calc.y")->fullPath(), directory / "calc.y");
    EXPECT_EQ(project.findFile("src/lex.l")->fullPath(), directory / "src/lex.l");
    EXPECT_EQ(project.findFile("notes.txt")->fullPath(), directory / "notes.txt");
    // A sibling that merely begins with the old name stays where it was.
    const CProjectFile* sibling = project.findFile("/old/placement/x.y");
    ASSERT_NE(sibling, nullptr);
    EXPECT_EQ(sibling->storedName(), toolframe::path::relativePath(projectPath(), "/old/placement/x.y"));
    ASSERT_TRUE(project.save());
    const std::string text = directory.read("calc.cvp");
    EXPECT_EQ(text.find("Directory"), std::string::npos) << text;
    EXPECT_NE(text.find("[FilesInProject]\nFile1=" + sibling->storedName() +
                        "\nFile2=calc.y\nFile3=notes.txt\nFile4=src/lex.l\n"),
              std::string::npos)
        << text;
    reload();
    EXPECT_EQ(project.storedDirectory(), "");
}

TEST_F(ProjectTest, ALegacyDirectoryWrittenWithItsClosingSeparatorMovesNamesUnderTheProject)
{
    directory.write("calc.cvp", "[Project]\nDirectory=/old/place/\n[FilesInProject]\nFile1=/old/place/src/calc.y\n"
                                "File2=/old/place/lex.l\n");
    reload();
    EXPECT_EQ(storedNames(project), (Names{"lex.l", "src/calc.y"}));
    EXPECT_EQ(project.findFile("src/calc.y")->fullPath(), directory / "src/calc.y");
    EXPECT_EQ(project.findFile("lex.l")->fullPath(), directory / "lex.l");
}

TEST_F(ProjectTest, ALegacyDirectoryEqualToTheProjectsOwnLeavesAbsoluteNamesPointingThere)
{
    directory.write("calc.cvp", "[Project]\nDirectory=" + directory.path() + "\n[FilesInProject]\nFile1=" +
                                    (directory / "calc.y") + "\n");
    reload();
    EXPECT_EQ(storedNames(project), Names{"calc.y"});
}

TEST_F(ProjectTest, SourceKindsFollowTheExtensionIgnoringCase)
{
    openNew();
    const CProjectFile* notes = project.addFile(directory / "notes.txt", true);
    const CProjectFile* grammar = project.addFile(directory / "calc.Y", true);
    const CProjectFile* scanner = project.addFile(directory / "lexer.LEX", true);
    const CProjectFile* yac = project.addFile(directory / "old.yac", true);
    const CProjectFile* bare = project.addFile(directory / "y.d/Makefile", true);
    EXPECT_EQ(notes->kind(), SourceKind::Other);
    EXPECT_EQ(grammar->kind(), SourceKind::Grammar);
    EXPECT_EQ(scanner->kind(), SourceKind::Scanner);
    EXPECT_EQ(yac->kind(), SourceKind::Grammar);
    EXPECT_EQ(bare->kind(), SourceKind::Other);
    directory.write("notes.txt", "");
    EXPECT_FALSE(project.isUpToDate(*notes));
    EXPECT_EQ(project.toolArguments(*notes), "");
    EXPECT_EQ(project.outputName(*notes), "");
    EXPECT_EQ(project.toolArguments(*grammar), (directory / "calc.Y") + " -$ -i -v ");
    EXPECT_EQ(project.outputName(*grammar), directory / "calc.c");
    EXPECT_EQ(project.workingDirectory(*grammar), directory.path());
}

TEST_F(ProjectTest, APathWithASpaceIsQuotedOnTheCommandLine)
{
    openNew();
    const CProjectFile* grammar = project.addFile(directory / "my grammar.y", true);
    EXPECT_EQ(project.toolArguments(*grammar), "\"" + (directory / "my grammar.y") + "\" -$ -i -v ");
}

TEST_F(ProjectTest, UpToDateNeedsBothFilesAndAnOutputNoOlderThanSourceAndStamp)
{
    openNew();
    const CProjectFile* grammar = project.addFile(directory / "calc.y", true);
    EXPECT_FALSE(project.isUpToDate(*grammar)); // neither file
    directory.write("calc.y", "");
    setModificationTime(directory / "calc.y", 5000);
    EXPECT_FALSE(project.isUpToDate(*grammar)); // no output
    directory.write("calc.c", "");
    setModificationTime(directory / "calc.c", 4999);
    EXPECT_FALSE(project.isUpToDate(*grammar));
    setModificationTime(directory / "calc.c", 5000);
    EXPECT_TRUE(project.isUpToDate(*grammar)); // equal times count
    setModificationTime(directory / "calc.c", 6000);
    project.setClock([] { return std::time_t{7000}; });
    corvide::CBrannockOptions options = project.brannockOptions();
    options.verboseFile = false;
    project.setBrannockOptions(options);
    EXPECT_FALSE(project.isUpToDate(*grammar)); // options changed after the output
    setModificationTime(directory / "calc.c", 7000);
    EXPECT_TRUE(project.isUpToDate(*grammar));
    // The Lindle stamp does not concern a grammar.
    corvide::CLindleOptions lindle = project.lindleOptions();
    lindle.fullReject = true;
    project.setClock([] { return std::time_t{9000}; });
    project.setLindleOptions(lindle);
    EXPECT_TRUE(project.isUpToDate(*grammar));
}

TEST_F(ProjectTest, SavedAndLoadedGivesTheSameModel)
{
    project.initialise(projectPath(), openingDefaults(corvide::kLanguageCpp));
    project.setClock([] { return std::time_t{1234567890}; });
    for (const char* name : {"calc.y", "src/Lex.l", "notes.txt", "other dir/b.yac"})
        project.addFile(directory / name, true);
    project.addFile("/elsewhere/abs.y", false);
    corvide::CBrannockOptions brannock = project.brannockOptions();
    brannock.otherOptions = "\"-o\" \"x.c\"";
    brannock.defaultReductions = "n";
    brannock.rangeForBases = 77;
    project.setBrannockOptions(brannock);
    corvide::CLindleOptions lindle = project.lindleOptions();
    lindle.model = "m";
    lindle.outputExtension = " cxx ";
    project.setLindleOptions(lindle);
    ASSERT_TRUE(project.save());
    const std::string saved = directory.read("calc.cvp");

    CProject loaded;
    ASSERT_TRUE(loaded.load(projectPath(), openingDefaults(corvide::kLanguageJava)));
    EXPECT_EQ(storedNames(loaded), storedNames(project));
    for (std::size_t i = 0; i < project.fileCount(); ++i)
        EXPECT_EQ(loaded.files()[i]->fullPath(), project.files()[i]->fullPath());
    EXPECT_FALSE(loaded.brannockOptions().differsFrom(project.brannockOptions()));
    EXPECT_FALSE(loaded.lindleOptions().differsFrom(project.lindleOptions()));
    EXPECT_EQ(loaded.brannockStamp(), project.brannockStamp());
    EXPECT_EQ(loaded.lindleStamp(), project.lindleStamp());
    EXPECT_FALSE(loaded.isModified());
    ASSERT_TRUE(loaded.save());
    EXPECT_EQ(directory.read("calc.cvp"), saved);
}

TEST_F(ProjectTest, SavingKeepsSectionsItDoesNotKnow)
{
    directory.write("calc.cvp", "; written by hand\n[Extra]\nkept=1\n[FilesInProject]\nFile1=a.y\nFile2=b.y\n");
    reload();
    project.removeFile(*project.findFile("b.y"));
    ASSERT_TRUE(project.save());
    const std::string text = directory.read("calc.cvp");
    EXPECT_EQ(text.rfind("; written by hand\n[Extra]\nkept=1\n[FilesInProject]\nFile1=a.y\n[BrannockOptions]\n", 0), 0u)
        << text;
}

TEST_F(ProjectTest, AFailedSaveReturnsFalseKeepsThePreviousFileAndStaysModified)
{
    openNew();
    project.addFile(directory / "calc.y", true);
    ASSERT_TRUE(project.save());
    const std::string previous = directory.read("calc.cvp");
    for (int i = 0; i < 200; ++i)
        project.addFile(directory / ("file" + std::to_string(i) + ".y"), true);
    const int status = corvide::testing::runInChild(corvide::testing::ChildSetup{previous.size() + 10, false}, [&] {
        const bool saved = project.save();
        return !saved && project.isModified() ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(directory.read("calc.cvp"), previous);
    EXPECT_EQ(directory.entries(), Names{"calc.cvp"});
}

TEST_F(ProjectTest, AReadOnlyDirectoryMakesSaveFail)
{
    ::chmod(directory.path().c_str(), 0755);
    ::mkdir((directory / "ro").c_str(), 0755);
    project.initialise(directory / "ro/p.cvp", openingDefaults());
    ASSERT_TRUE(project.save());
    const std::string previous = directory.read("ro/p.cvp");
    ::chmod((directory / "ro/p.cvp").c_str(), 0666);
    ::chmod((directory / "ro").c_str(), 0555);
    project.addFile(directory / "ro/calc.y", true);
    const int status = corvide::testing::runInChild(corvide::testing::ChildSetup{std::nullopt, true},
                                                    [&] { return project.save() ? 1 : 0; });
    ::chmod((directory / "ro").c_str(), 0755);
    if (status == 126)
        GTEST_SKIP() << "cannot drop privileges here";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(directory.read("ro/p.cvp"), previous);
}

TEST_F(ProjectTest, ANameLongerThanAValueHoldsFailsTheSaveRatherThanComingBackCut)
{
    openNew();
    project.addFile(directory / "calc.y", true);
    project.addFile("/" + std::string(300, 'n') + ".y", false);
    EXPECT_FALSE(project.save());
    reload();
    EXPECT_EQ(storedNames(project), Names{"calc.y"});
}

TEST_F(ProjectTest, AValueThatCannotBeOneLineFailsTheSaveButWritesTheRest)
{
    openNew();
    project.addFile(directory / "calc.y", true);
    corvide::CBrannockOptions options = project.brannockOptions();
    options.otherOptions = "-o\nx";
    project.setBrannockOptions(options);
    EXPECT_FALSE(project.save());
    EXPECT_TRUE(project.isModified());
    reload();
    EXPECT_EQ(storedNames(project), Names{"calc.y"});
    EXPECT_EQ(project.brannockOptions().otherOptions, "");
}

} // namespace
