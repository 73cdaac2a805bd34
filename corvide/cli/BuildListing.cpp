#include "corvide/cli/BuildListing.h"

#include "corvide/core/project/CommandLinePath.h"

namespace corvide {

namespace {

std::string_view buildState(const CProject& project, const CProjectFile& file, bool rebuildAll)
{
    if (!isBuilt(file.kind()))
        return "never built";
    if (rebuildAll)
        return "rebuild";
    return project.isUpToDate(file) ? "up to date" : "out of date";
}

std::string commandLine(const CProject& project, const CProjectFile& file, const CToolPrograms& programs)
{
    if (!isBuilt(file.kind()))
        return {};
    const std::string& program = file.kind() == SourceKind::Grammar ? programs.brannock : programs.lindle;
    std::string command = commandLinePath(program);
    command += ' ';
    command += project.toolArguments(file);
    while (command.ends_with(' '))
        command.pop_back();
    return command;
}

} // namespace

std::string buildListing(const CProject& project, bool rebuildAll, const CToolPrograms& programs)
{
    std::string listing;
    for (const CProjectFile* file : project.files()) {
        listing += file->storedName();
        listing += '\t';
        listing += sourceKindName(file->kind());
        listing += '\t';
        listing += buildState(project, *file, rebuildAll);
        listing += '\t';
        listing += commandLine(project, *file, programs);
        listing += '\n';
    }
    return listing;
}

} // namespace corvide
