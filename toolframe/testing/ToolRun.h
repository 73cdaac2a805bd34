#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "toolframe/testing/DiagnosticsTestHook.h"
#include "toolframe/testing/ProcessRunner.h"
#include "toolframe/testing/TemporaryDirectory.h"

// Runs a generator as its user does, in a directory of its own and with the
// clock fixed, so that what it prints and writes can be compared whole.
namespace toolframe::testing {

// What a tool prints first unless -$ is given.
inline std::string bannerOf(std::string_view toolName)
{
    return std::string(toolName) + ", Version 2.07\n"
                                   "Copyright (C) Fernhollow Software. Part of the Corvane 2 suite.\n"
                                   "\n";
}

// SOURCE_DATE_EPOCH=0 stamps generated files alike on every run. With
// injectedDiagnostics, the variable that the test builds of the tools read
// is set to it; else it is unset, so that a developer's own setting cannot
// leak into a run.
inline ProcessSetup setupIn(const TemporaryDirectory& directory, std::string injectedDiagnostics = "")
{
    ProcessSetup setup;
    setup.workingDirectory = directory.path();
    setup.environment = {{"SOURCE_DATE_EPOCH", "0"}};
    if (!injectedDiagnostics.empty())
        setup.environment.emplace_back(kDiagnosticsTestHookVariable, std::move(injectedDiagnostics));
    else
        setup.unsetEnvironment = {kDiagnosticsTestHookVariable};
    return setup;
}

inline ProcessResult runTool(const std::string& program, const TemporaryDirectory& directory,
                             const std::vector<std::string>& arguments, std::string injectedDiagnostics = "")
{
    return runProcess(program, arguments, setupIn(directory, std::move(injectedDiagnostics)));
}

} // namespace toolframe::testing
