#pragma once

#include <string>
#include <vector>

#include "toolframe/testing/DiagnosticsTestHook.h"
#include "toolframe/testing/ProcessRunner.h"
#include "toolframe/testing/TemporaryDirectory.h"

#include <filesystem>

// Runs the real brannock in a directory of its own, with the clock fixed.
namespace brannock::testing {

inline const std::string kProgram = BRANNOCK_PROGRAM;

// SOURCE_DATE_EPOCH=0 stamps generated files with these.
inline const std::string kBanner = "Brannock, Version 2.07\n"
                                   "Copyright (C) Fernhollow Software. Part of the Corvane 2 suite.\n"
                                   "\n";

// With injectedDiagnostics, the variable that the test build of brannock
// reads is set to it (see TestHookRun.h); else it is unset.
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

inline toolframe::testing::ProcessResult runBrannock(const toolframe::testing::TemporaryDirectory& directory,
                                                  const std::vector<std::string>& arguments)
{
    return toolframe::testing::runProcess(kProgram, arguments, setupIn(directory));
}

// A grammar small enough to stand for any.
inline const std::string kGrammar = "%token NUMBER\n%%\nexpr : NUMBER ;\n";

} // namespace brannock::testing
