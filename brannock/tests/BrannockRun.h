#pragma once

#include <string>
#include <vector>

#include "toolframe/testing/ToolRun.h"

// Runs the real brannock in a directory of its own, with the clock fixed.
namespace brannock::testing {

inline const std::string kProgram = BRANNOCK_PROGRAM;

inline const std::string kBanner = toolframe::testing::bannerOf("Brannock");

using toolframe::testing::setupIn;

inline toolframe::testing::ProcessResult runBrannock(const toolframe::testing::TemporaryDirectory& directory,
                                                     const std::vector<std::string>& arguments)
{
    return toolframe::testing::runTool(kProgram, directory, arguments);
}

// A grammar small enough to stand for any.
inline const std::string kGrammar = "%token NUMBER\n%%\nexpr : NUMBER ;\n";

} // namespace brannock::testing
