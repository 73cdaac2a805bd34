// A path put on a tool's command line as the workbench quotes it, split
// again as the spawner splits it: the tool must be handed the program and
// the path unchanged, whatever bytes the path holds (but NUL, which no
// path has). The first byte chooses a program with or without a space.
#include <cstdint>
#include <string>
#include <vector>

#include "corvide/core/project/CommandLinePath.h"
#include "corvide/spawner/WindowsCommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string program = data[0] % 2 == 0 ? "/usr/bin/brannock" : "/my tools/brannock";
    std::string path(reinterpret_cast<const char*>(data + 1), size - 1);
    if (path.empty() || path.find('\0') != std::string::npos)
        return 0;
    const std::string line = corvide::commandLinePath(program) + " " + corvide::commandLineArgument(path) + " -v";
    if (corvide::spawner::splitCommandLine(line) != std::vector<std::string>{program, path, "-v"})
        __builtin_trap();
    return 0;
}
