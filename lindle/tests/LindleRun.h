#pragma once

#include <string>
#include <vector>

#include "toolframe/testing/DiagnosticsTestHook.h"
#include "toolframe/testing/ProcessRunner.h"
#include "toolframe/testing/TemporaryDirectory.h"

// Runs the real lindle in a directory of its own.
namespace lindle::testing {

inline const std::string kProgram = LINDLE_PROGRAM;
inline const std::string kProgramWithTestHooks = LINDLE_WITH_TEST_HOOKS_PROGRAM;
inline const std::string kScannersDir = SCANNERS_DIR;

inline const std::string kBanner = "Lindle, Version 2.07\n"
                                   "Copyright (C) Fernhollow Software. Part of the Corvane 2 suite.\n"
                                   "\n";

inline toolframe::testing::ProcessSetup setupIn(const toolframe::testing::TemporaryDirectory& directory,
                                                std::string injectedDiagnostics = "")
{
    using toolframe::testing::kDiagnosticsTestHookVariable;
    toolframe::testing::ProcessSetup setup;
    setup.workingDirectory = directory.path();
    setup.environment = {{"SOURCE_DATE_EPOCH", "0"}};
    if (!injectedDiagnostics.empty())
        setup.environment.emplace_back(kDiagnosticsTestHookVariable, injectedDiagnostics);
    else
        setup.unsetEnvironment = {kDiagnosticsTestHookVariable};
    return setup;
}

inline toolframe::testing::ProcessResult runLindle(const toolframe::testing::TemporaryDirectory& directory,
                                                   const std::vector<std::string>& arguments)
{
    return toolframe::testing::runProcess(kProgram, arguments, setupIn(directory));
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
