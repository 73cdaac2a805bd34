#pragma once

#include <sys/stat.h>
#include <utime.h>

#include <ctime>
#include <string>

#include "corvide/core/options/OptionDefaults.h"
#include "corvide/core/project/Project.h"

// What the project tests share: the defaults an opened project gets and
// file times set by hand.
namespace corvide::testing {

inline COptionDefaults openingDefaults(int language = kLanguageC)
{
    return COptionDefaults::forProject(language, kCompilerGcc);
}

inline void setModificationTime(const std::string& path, std::time_t when)
{
    const utimbuf times{when, when};
    ::utime(path.c_str(), &times);
}

inline std::vector<std::string> storedNames(const CProject& project)
{
    std::vector<std::string> names;
    for (const CProjectFile* file : project.files())
        names.push_back(file->storedName());
    return names;
}

} // namespace corvide::testing
