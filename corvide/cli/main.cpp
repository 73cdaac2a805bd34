// corvide-build: the project's build from a terminal or a script.
//   corvide-build project.cvp [--rebuild] [--list]
// Runs Build (Rebuild All with --rebuild) and prints the Output window;
// --list only shows what the build would do.
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>
#include <string_view>

#include "corvide/cli/BuildListing.h"
#include "corvide/cli/ConsoleBuild.h"
#include "corvide/core/platform/FileStatus.h"
#include "corvide/core/platform/ProcessDirectory.h"
#include "corvide/core/project/Project.h"
#include "corvide/core/settings/NewProjectSettings.h"
#include "corvide/core/settings/SettingsStore.h"
#include "toolframe/platform/Locale.h"
#include "toolframe/platform/StandardDescriptors.h"

namespace {

struct Request {
    std::string project;
    bool rebuildAll = false;
    bool list = false;
};

struct Flag {
    std::string_view name;
    bool Request::*field;
};

constexpr Flag kFlags[] = {{"--rebuild", &Request::rebuildAll}, {"--list", &Request::list}};

constexpr std::string_view kUsage = "Usage: corvide-build <project.cvp> [--rebuild] [--list]\n";

bool parse(int argc, char** argv, Request& request)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const auto flag = std::ranges::find(kFlags, argument, &Flag::name);
        if (flag != std::end(kFlags)) {
            request.*flag->field = true;
            continue;
        }
        if (argument.starts_with("-") || !request.project.empty())
            return false;
        request.project = argument;
    }
    return !request.project.empty();
}

// A report that could not be written fails the run, as a generator's
// does: a script must not take a build it could not show for a clean one.
int reported(int status)
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return status;
    std::fputs("corvide-build: the build's output could not be written.\n", stderr);
    return status == 0 ? 1 : status;
}

} // namespace

int main(int argc, char** argv)
{
    // Started with a standard stream closed (nohup, a daemon), the build's
    // pipes would take those numbers, and a tool's standard streams then
    // land on them.
    toolframe::occupyClosedStandardDescriptors();
    const toolframe::CodePage codePage = toolframe::setAnsiCharacterLocale();
    Request request;
    if (!parse(argc, argv, request)) {
        std::fputs(kUsage.data(), stderr);
        return 2;
    }
    if (!corvide::platform::fileExists(request.project)) {
        std::fprintf(stderr, "%s was not found.\n", request.project.c_str());
        return 1;
    }
    corvide::CProject project(codePage);
    const corvide::CSettingsStore settings;
    if (!project.load(request.project, corvide::CNewProjectSettings::read(settings).projectDefaults())) {
        std::fprintf(stderr, "%s cannot be read.\n", request.project.c_str());
        return 1;
    }
    const std::string tools = corvide::platform::executableDirectory();
    if (!request.list)
        return reported(corvide::runConsoleBuild(project, request.rebuildAll, codePage, tools));
    const std::string listing =
        corvide::buildListing(project, request.rebuildAll, {tools + "/brannock", tools + "/lindle"});
    std::fputs(listing.c_str(), stdout);
    return reported(0);
}
