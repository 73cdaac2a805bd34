#pragma once

#include <string>

#include "corvide/core/project/Project.h"
#include "toolframe/platform/CodePage.h"

namespace corvide {

// What corvide-build exits with after running a build.
enum ConsoleBuildExit {
    kBuildClean = 0,     // the summary counted no error
    kBuildFailed = 1,    // errors counted, a run failed, or nothing to build
    kBuildStopped = 130, // ended by Ctrl-C, as a shell reports an interrupt
};

// Runs Build (Rebuild All with rebuildAll) through the build runner with
// the tools of toolDirectory, this thread standing in for the
// user-interface thread. Every line of the Output window goes to standard
// output as it is added; message boxes go to standard error. SIGINT and
// SIGTERM act as Stop Build while it runs.
int runConsoleBuild(const CProject& project, bool rebuildAll, toolframe::CodePage codePage,
                    const std::string& toolDirectory);

} // namespace corvide
