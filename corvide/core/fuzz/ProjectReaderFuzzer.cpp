// Loads arbitrary bytes as a project file, saves the project and loads it
// again: the second load must give the model the first one gave.
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>

#include "corvide/core/project/Project.h"

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// One scratch directory for the whole run; stamps in UTC, where every local
// time is one instant.
const std::string& scratchDirectory()
{
    static const std::string directory = [] {
        setenv("TZ", "UTC", 1);
        tzset();
        std::string pattern = "/tmp/corvide-fuzz-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr)
            __builtin_trap();
        return pattern;
    }();
    return directory;
}

bool sameModel(const corvide::CProject& a, const corvide::CProject& b)
{
    const auto first = a.files();
    const auto second = b.files();
    if (first.size() != second.size())
        return false;
    for (std::size_t i = 0; i < first.size(); ++i)
        if (first[i]->storedName() != second[i]->storedName() || first[i]->fullPath() != second[i]->fullPath())
            return false;
    return !a.brannockOptions().differsFrom(b.brannockOptions()) && !a.lindleOptions().differsFrom(b.lindleOptions()) &&
           a.brannockStamp() == b.brannockStamp() && a.lindleStamp() == b.lindleStamp();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = scratchDirectory() + "/fuzz.cvp";
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr)
        return 0;
    std::fwrite(data, 1, size, out);
    std::fclose(out);
    const corvide::COptionDefaults defaults = corvide::COptionDefaults::forProject(size % 3, size % 7);
    corvide::CProject first;
    first.load(path, defaults);
    for (const corvide::CProjectFile* file : first.files()) {
        first.outputName(*file);
        first.toolArguments(*file);
    }
    // A name that a legacy directory made longer than a value holds cannot
    // be saved; the save says so.
    if (!first.save())
        return 0;
    corvide::CProject second;
    check(second.load(path, defaults));
    check(sameModel(first, second));
    return 0;
}
