#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BuildTesting.h"
#include "ProjectTesting.h"
#include "corvide/core/build/OutputLineSplitter.h"
#include "corvide/core/platform/FileStatus.h"
#include "corvide/core/platform/ProcessDirectory.h"

// Builds through the real cvspawn, brannock and lindle, which lie beside
// the test program as they lie beside the workbench.
namespace {

using corvide::CBuildStart;
using corvide::CProject;
using corvide::testing::BuildBench;
using corvide::testing::linkProgram;
using corvide::testing::openingDefaults;
using corvide::testing::setModificationTime;
using Lines = std::vector<std::string>;
using toolframe::testing::TemporaryDirectory;

constexpr const char* kBrokenGrammar = "%token A\n%%\ns : A B ;\n";
constexpr const char* kGrammar = "%token A C\n%%\ns : A ;\n";
constexpr const char* kScanner = "%%\n[a-z]+ { return 1; }\n%%\n";

class RealBuild : public ::testing::Test {
protected:
    RealBuild() : bench(false, corvide::platform::executableDirectory())
    {
        project.initialise(sources / "p.cvp", openingDefaults());
        sources.write("calc.y", kBrokenGrammar);
        sources.write("scan.l", kScanner);
        project.addFile(sources / "calc.y", true);
        project.addFile(sources / "scan.l", true);
    }

    void build(bool rebuildAll)
    {
        ASSERT_EQ(rebuildAll ? bench.runner.rebuildAll(project) : bench.runner.build(project), CBuildStart::Started);
        bench.finish();
    }

    TemporaryDirectory sources;
    CProject project;
    BuildBench bench;
};

TEST_F(RealBuild, ClassifiesTheGeneratorsDiagnosticsAndBuildsOnlyWhatChanged)
{
    build(true);
    EXPECT_EQ(bench.lines(), (Lines{"Compiling...", "calc.y", sources / "calc.y(3) : error Y2036: undefined symbol 'B'",
                                    "scan.l", "", "p - 1 error(s), 0 warning(s)"}));
    const corvide::COutputLine& error = bench.output.line(2);
    EXPECT_EQ(error.file(), sources / "calc.y");
    EXPECT_EQ(error.line(), 3);
    EXPECT_EQ(error.code(), "Y2036");
    EXPECT_EQ(error.message(), "undefined symbol 'B'");
    // The error in the first file did not stop the second.
    EXPECT_FALSE(sources.exists("calc.c"));
    EXPECT_TRUE(sources.exists("scan.c"));

    // Build runs the grammar, whose output is missing, and not the scanner.
    sources.write("calc.y", kGrammar);
    build(false);
    EXPECT_EQ(bench.lines(),
              (Lines{"Compiling...", "calc.y", sources / "calc.y(1) : warning Y4006: 'C' : token is declared but never used",
                     "", "p - 0 error(s), 1 warning(s)"}));
    EXPECT_EQ(bench.output.line(2).code(), "Y4006");

    // Touching the scanner rebuilds the scanner only.
    for (const char* name : {"calc.y", "scan.l"})
        setModificationTime(sources / name, 1000);
    for (const char* name : {"calc.c", "scan.c"})
        setModificationTime(sources / name, 2000);
    setModificationTime(sources / "scan.l", 3000);
    build(false);
    EXPECT_EQ(bench.lines(), (Lines{"Compiling...", "scan.l", "", "p - 0 error(s), 0 warning(s)"}));
    EXPECT_GT(*corvide::platform::modificationTime(sources / "scan.c"), 3000);
    EXPECT_EQ(*corvide::platform::modificationTime(sources / "calc.c"), 2000);

    build(false);
    EXPECT_EQ(bench.lines(), (Lines{"Compiling...", "", "p - 0 error(s), 0 warning(s)"}));
}

TEST_F(RealBuild, ReportsAMissingSpawner)
{
    BuildBench withoutSpawner(false);
    linkProgram(withoutSpawner.tools, BRANNOCK_PROGRAM, "brannock");
    linkProgram(withoutSpawner.tools, LINDLE_PROGRAM, "lindle");
    ASSERT_EQ(withoutSpawner.runner.rebuildAll(project), CBuildStart::Started);
    withoutSpawner.finish();
    EXPECT_EQ(withoutSpawner.lines(),
              (Lines{"Compiling...", "calc.y", "Cannot start the tool.", "The system cannot find the file specified.",
                     "Error spawning 'cvspawn'. The build could not be performed."}));
    EXPECT_EQ(withoutSpawner.boxes,
              Lines{"CVSPAWN\n\nThis required file cannot be loaded.\nPlease re-install Corvane."});
    EXPECT_FALSE(sources.exists("scan.c"));
}

// Ten megabytes without a line end come in pieces of a bounded length.
TEST(LongOutput, NeitherHangsNorHoldsItAsOneLine)
{
    BuildBench bench;
    bench.tool("brannock", "head -c 10485760 /dev/zero | tr '\\0' x\n");
    const TemporaryDirectory sources;
    CProject project;
    project.initialise(sources / "p.cvp", openingDefaults());
    bench.runner.compileFile(project, sources / "big.y");
    bench.finish();
    const Lines lines = bench.lines();
    ASSERT_EQ(lines.size(), 164u);
    std::size_t total = 0;
    for (std::size_t i = 2; i < 162; ++i) {
        EXPECT_EQ(lines[i].size(), corvide::COutputLineSplitter::kMaximumLine);
        EXPECT_EQ(lines[i].find_first_not_of('x'), std::string::npos);
        total += lines[i].size();
    }
    EXPECT_EQ(total, 10485760u);
    EXPECT_EQ(lines.back(), "big.y - 0 error(s), 0 warning(s)");
}

} // namespace
