#pragma once

#include <unistd.h>

#include <string>
#include <vector>

#include "OutputTesting.h"
#include "corvide/core/build/BuildRunner.h"
#include "corvide/core/build/MessageQueue.h"
#include "corvide/core/output/OutputDoc.h"
#include "corvide/spawner/tests/ToolScripts.h"
#include "toolframe/testing/TemporaryDirectory.h"

// A build runner whose tools live in a directory of the test's own: the
// real cvspawn beside shell scripts that stand in for the generators,
// with the test's thread as the user-interface thread.
namespace corvide::testing {

inline void linkProgram(const toolframe::testing::TemporaryDirectory& directory, const std::string& target,
                        const std::string& name)
{
    ::symlink(target.c_str(), (directory / name).c_str());
}

class BuildBench {
public:
    explicit BuildBench(bool withSpawner = true, std::string toolDirectory = "")
        : runner(queue, output, toolframe::CodePage(), toolDirectory.empty() ? tools.path() : toolDirectory)
    {
        if (withSpawner)
            linkProgram(tools, CVSPAWN_PROGRAM, "cvspawn");
        runner.setFeedback(&feedback);
        output.setFeedback(&feedback);
    }

    void tool(const std::string& name, const std::string& body) const { writeScript(tools, name, body); }

    // Handles the posted messages until the command has ended.
    void finish()
    {
        queue.runUntilFinished(runner, [this](const std::string& text) { boxes.push_back(text); });
    }

    // Handles messages until the Output window holds a line with needle;
    // false when the command ended first.
    bool waitForLine(const std::string& needle)
    {
        for (;;) {
            if (hasLine(needle))
                return true;
            if (queue.dispatchOne(runner, [this](const std::string& text) { boxes.push_back(text); }))
                return hasLine(needle);
        }
    }

    bool hasLine(const std::string& needle) const
    {
        for (std::size_t i = 0; i < output.lineCount(); ++i)
            if (output.line(i).text().find(needle) != std::string::npos)
                return true;
        return false;
    }

    std::vector<std::string> lines() const
    {
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < output.lineCount(); ++i)
            texts.push_back(output.line(i).text());
        return texts;
    }

    // Runs one tool as the library builder would, on this thread, and
    // takes its lines into the Output window.
    CRunResult runAlone(const CToolCommand& command)
    {
        const CRunResult result = runner.runTool(command);
        runner.onLinesWaiting();
        return result;
    }

    toolframe::testing::TemporaryDirectory tools;
    CMessageQueue queue;
    COutputDoc output;
    RecordingFeedback feedback;
    CBuildRunner runner;
    std::vector<std::string> boxes;
};

} // namespace corvide::testing
