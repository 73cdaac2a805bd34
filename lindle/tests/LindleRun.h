#pragma once

#include <string>
#include <vector>

#include "toolframe/testing/ToolRun.h"

// Runs the real lindle in a directory of its own.
namespace lindle::testing {

inline const std::string kProgram = LINDLE_PROGRAM;
inline const std::string kProgramWithTestHooks = LINDLE_WITH_TEST_HOOKS_PROGRAM;
inline const std::string kScannersDir = SCANNERS_DIR;

inline const std::string kBanner = toolframe::testing::bannerOf("Lindle");

using toolframe::testing::setupIn;

inline toolframe::testing::ProcessResult runLindle(const toolframe::testing::TemporaryDirectory& directory,
                                                   const std::vector<std::string>& arguments)
{
    return toolframe::testing::runTool(kProgram, directory, arguments);
}

// The test build of lindle, which reports what injectedDiagnostics lists
// once the lex source is read (see toolframe/testing/DiagnosticsTestHook.h).
inline toolframe::testing::ProcessResult runLindleWithTestHooks(
    const toolframe::testing::TemporaryDirectory& directory, const std::vector<std::string>& arguments,
    std::string injectedDiagnostics)
{
    return toolframe::testing::runTool(kProgramWithTestHooks, directory, arguments, std::move(injectedDiagnostics));
}

// The diagnostics of a run of lindle -$ over the text, as scan.l.
inline toolframe::testing::ProcessResult readThroughLindle(const std::string& text,
                                                           std::vector<std::string> switches = {})
{
    toolframe::testing::TemporaryDirectory directory;
    directory.write("scan.l", text);
    std::vector<std::string> arguments{"scan.l", "-$"};
    arguments.insert(arguments.end(), switches.begin(), switches.end());
    return runLindle(directory, arguments);
}

// A lex source small enough to stand for any.
inline const std::string kLexSource = "%%\nabc\t{ return 1; }\n";

} // namespace lindle::testing
