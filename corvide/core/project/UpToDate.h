#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace corvide {

// Whether Build may skip a source: the status of the source and of its
// output can both be read, and the output was modified no earlier than the
// source and, when the tool's options have a stamp, no earlier than that.
// Equal times count as up to date; times are whole seconds. Rebuild All
// does not ask.
bool isUpToDate(const std::string& sourcePath, const std::string& outputPath,
                std::optional<std::time_t> optionsStamp);

} // namespace corvide
