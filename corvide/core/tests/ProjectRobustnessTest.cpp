// Project files that are not what a project file should be load without a
// crash, in time that grows with their size only.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

#include "ProjectTesting.h"
#include "corvide/core/project/Project.h"
#include "toolframe/testing/TemporaryDirectory.h"

namespace {

using corvide::CProject;
using corvide::testing::openingDefaults;
using toolframe::testing::TemporaryDirectory;

class ProjectRobustnessTest : public ::testing::Test {
protected:
    CProject& loaded(const std::string& content)
    {
        directory.write("p.cvp", content);
        project.load(directory / "p.cvp", openingDefaults());
        return project;
    }

    TemporaryDirectory directory;
    CProject project;
};

TEST_F(ProjectRobustnessTest, RandomBytesLoad)
{
    std::mt19937 random(18);
    for (int round = 0; round < 50; ++round) {
        std::string bytes(1 + random() % 4000, '\0');
        for (char& byte : bytes)
            byte = static_cast<char>(random());
        if (round % 2 == 0)
            bytes = "[FilesInProject]\nFile1=" + bytes;
        loaded(bytes);
        EXPECT_FALSE(project.isModified());
        EXPECT_TRUE(project.save());
    }
}

TEST_F(ProjectRobustnessTest, AHugeValueIsCutTo255Characters)
{
    const std::string huge(10'000'000, 'x');
    loaded("[FilesInProject]\nFile1=" + huge + ".y\n[BrannockOptions]\nOtherOptions=" + huge + "\nOptionCapitalL=" +
           std::string(100000, '9') + "\n");
    ASSERT_EQ(project.fileCount(), 1u);
    EXPECT_EQ(project.files()[0]->storedName(), std::string(255, 'x'));
    EXPECT_EQ(project.brannockOptions().otherOptions, std::string(255, 'x'));
    EXPECT_EQ(project.brannockOptions().rangeForBases, INT_MAX);
}

TEST_F(ProjectRobustnessTest, AFileListOfAHundredThousandKeys)
{
    std::string text = "[FilesInProject]\n";
    for (int i = 1; i <= 100000; ++i)
        text += "File" + std::to_string(i) + "=f" + std::to_string(100000 - i) + ".y\n";
    loaded(text);
    ASSERT_EQ(project.fileCount(), 100000u);
    EXPECT_EQ(project.files().front()->storedName(), "f0.y");
    EXPECT_EQ(project.files().back()->storedName(), "f99999.y");
    EXPECT_TRUE(project.save());
    CProject again;
    again.load(directory / "p.cvp", openingDefaults());
    EXPECT_EQ(again.fileCount(), 100000u);
}

TEST_F(ProjectRobustnessTest, AnOptionSectionOfAHundredThousandKeys)
{
    std::string text = "[BrannockOptions]\n";
    for (int i = 0; i < 100000; ++i)
        text += "Unknown" + std::to_string(i) + "=1\n";
    text += "OptionS=1\n";
    loaded(text);
    EXPECT_TRUE(project.brannockOptions().compactTables);
}

} // namespace
