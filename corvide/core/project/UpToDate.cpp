#include "corvide/core/project/UpToDate.h"

#include "corvide/core/platform/FileStatus.h"

namespace corvide {

bool isUpToDate(const std::string& sourcePath, const std::string& outputPath,
                std::optional<std::time_t> optionsStamp)
{
    const std::optional<std::time_t> source = platform::modificationTime(sourcePath);
    const std::optional<std::time_t> output = platform::modificationTime(outputPath);
    if (!source || !output || *output < *source)
        return false;
    return !optionsStamp || *output >= *optionsStamp;
}

} // namespace corvide
