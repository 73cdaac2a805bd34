#pragma once

#include <string>

#include "corvide/core/project/Project.h"

namespace corvide {

// The generators a build starts.
struct CToolPrograms {
    std::string brannock;
    std::string lindle;
};

// One line a project file, in project order, with tabs between the stored
// name, the kind, what a build does with the file ("up to date", "out of
// date", "rebuild" under Rebuild All, "never built") and the command line
// that builds it (none for other files).
std::string buildListing(const CProject& project, bool rebuildAll, const CToolPrograms& programs);

} // namespace corvide
