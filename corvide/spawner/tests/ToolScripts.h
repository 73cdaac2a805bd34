#pragma once

#include <signal.h>
#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "toolframe/testing/TemporaryDirectory.h"

// Shell scripts that stand in for tools, and the process groups they leave.
namespace corvide::testing {

inline void writeScript(const toolframe::testing::TemporaryDirectory& directory, const std::string& name,
                        const std::string& body)
{
    directory.write(name, "#!/bin/sh\n" + body);
    ::chmod((directory / name).c_str(), 0755);
}

// Whether any process of the group is left.
inline bool groupExists(pid_t group) { return ::kill(-group, 0) == 0 || errno == EPERM; }

} // namespace corvide::testing
