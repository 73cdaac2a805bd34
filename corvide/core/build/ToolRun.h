#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "corvide/core/platform/StopEvent.h"
#include "toolframe/platform/CodePage.h"

namespace corvide {

// A tool to run through the spawner.
struct CToolCommand {
    std::string executable;
    std::string arguments; // one command-line string, quoted as Windows quotes
    std::string workingDirectory;
    // "NAME=value" entries; none: the tool inherits the workbench's.
    std::optional<std::vector<std::string>> environment;
};

struct CRunResult {
    // False when the run failed (no spawner, a pipe, a spawner failure, or
    // a stop): a project build goes no further. A tool that reports errors
    // has still run successfully.
    bool success = true;
    // The tool's own exit code, when the spawner handed one back.
    std::optional<std::uint32_t> exitCode;
    // Errors the run counted itself: one when the spawner could not start.
    int errors = 0;
};

// What a run needs of the workbench. Used on a worker thread: appendLine
// is the thread-safe Append output line, messageBox posts a message box.
struct CRunContext {
    std::string spawnerPath;
    const platform::StopEvent& stopEvent;
    std::function<void(std::string)> appendLine;
    std::function<void(std::string)> messageBox;
    // Whether the missing-spawner box was shown since the workbench started.
    std::atomic<bool>& spawnerWarningShown;
    toolframe::CodePage codePage;
};

// The tool's command line: the executable (quoted when it holds a space),
// then a space and the arguments when there are any.
std::string toolCommandLine(const CToolCommand& command);

// Runs the tool through the spawner, with its standard output and error
// joined into one pipe whose lines go to appendLine as they come, and
// waits for the spawner to end. Every failure is reported as lines.
CRunResult runTool(const CRunContext& context, const CToolCommand& command);

} // namespace corvide
