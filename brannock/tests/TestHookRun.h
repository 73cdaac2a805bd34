#pragma once

#include <string>
#include <vector>

#include "BrannockRun.h"

// Runs the test build of brannock, which reports what injectedDiagnostics
// lists once the rules are read (see toolframe/testing/DiagnosticsTestHook.h).
namespace brannock::testing {

inline const std::string kProgramWithTestHooks = BRANNOCK_WITH_TEST_HOOKS_PROGRAM;

inline toolframe::testing::ProcessResult runBrannockWithTestHooks(
    const toolframe::testing::TemporaryDirectory& directory, const std::vector<std::string>& arguments,
    std::string injectedDiagnostics)
{
    return toolframe::testing::runTool(kProgramWithTestHooks, directory, arguments, std::move(injectedDiagnostics));
}

} // namespace brannock::testing
