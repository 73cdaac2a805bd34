#include "corvide/core/platform/ProcessDirectory.h"

#include <unistd.h>

#include "toolframe/platform/FileIdentity.h"
#include "toolframe/platform/PathServices.h"

namespace corvide::platform {

bool setCurrentDirectory(const std::string& path) { return !path.empty() && ::chdir(path.c_str()) == 0; }

std::string currentDirectory() { return toolframe::path::fullPath("."); }

std::string executableDirectory()
{
    const auto program = toolframe::resolvedPath("/proc/self/exe");
    if (!program)
        return {};
    return program->substr(0, program->rfind('/'));
}

} // namespace corvide::platform
