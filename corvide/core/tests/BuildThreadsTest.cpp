#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "BuildTesting.h"
#include "ProjectTesting.h"

// The worker, another appending thread and the user-interface thread at
// once; built with ThreadSanitizer by the test command.
namespace {

using corvide::CBuildStart;
using corvide::CProject;
using corvide::testing::BuildBench;
using corvide::testing::openingDefaults;
using toolframe::testing::TemporaryDirectory;

constexpr int kToolLines = 100000;
constexpr int kOtherLines = 1000;

TEST(BuildThreads, ShowsAHundredThousandLinesWhileTheWindowIsRead)
{
    BuildBench bench;
    // Every other line is an error, the rest warnings.
    bench.tool("brannock", "awk 'BEGIN { for (i = 1; i <= " + std::to_string(kToolLines) +
                               "; i++) printf \"g.y(%d) : %s Y%04d: line %d\\n\", i, "
                               "(i % 2 ? \"error\" : \"warning\"), 2000 + i % 1000, i }'\n");
    const TemporaryDirectory sources;
    CProject project;
    project.initialise(sources / "p.cvp", openingDefaults());
    sources.write("g.y", "");
    project.addFile(sources / "g.y", true);
    ASSERT_EQ(bench.runner.rebuildAll(project), CBuildStart::Started);
    std::atomic<bool> started = false;
    std::thread other([&] {
        started = true;
        for (int i = 0; i < kOtherLines; ++i)
            bench.runner.appendOutputLine("other");
    });
    // The user-interface thread reads the window between messages.
    std::size_t seen = 0;
    int errors = 0;
    bool finished = false;
    while (!finished) {
        finished = bench.queue.dispatchOne(bench.runner, {});
        EXPECT_GE(bench.output.lineCount(), seen);
        seen = bench.output.lineCount();
        EXPECT_GE(bench.output.errorCount(), errors);
        errors = bench.output.errorCount();
        if (bench.output.entryCount() > 0)
            bench.output.nextError();
        if (finished && other.joinable())
            other.join();
    }
    if (other.joinable())
        other.join();
    // Lines the other thread added after the end are handled here.
    bench.runner.onLinesWaiting();
    EXPECT_TRUE(started);
    EXPECT_EQ(bench.output.lineCount(), 2u + kToolLines + kOtherLines + 2u);
    EXPECT_EQ(bench.output.errorCount(), kToolLines / 2);
    EXPECT_EQ(bench.output.warningCount(), kToolLines / 2);
    int next = 1;
    for (std::size_t i = 0; i < bench.output.lineCount(); ++i) {
        const corvide::COutputLine& line = bench.output.line(i);
        if (line.isEntry()) {
            EXPECT_EQ(line.line(), next++);
        }
    }
    EXPECT_EQ(next, kToolLines + 1);
}

} // namespace
