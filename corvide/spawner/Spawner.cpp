#include "corvide/spawner/Spawner.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "corvide/spawner/SignalPipe.h"
#include "corvide/spawner/ToolGroup.h"
#include "corvide/spawner/WindowsCommandLine.h"

namespace corvide::spawner {

namespace {

// While the tool's group outlives the tool, the spawner looks again this
// often whether it has emptied.
constexpr int kGroupCheckMilliseconds = 50;

constexpr const char* kUsage = "Usage: cvspawn 0xSTOP 0xWORD command...\n";

// "0x" and hex digits naming an open descriptor other than the standard
// three.
std::optional<int> descriptorArgument(std::string_view text)
{
    if (!text.starts_with("0x") && !text.starts_with("0X"))
        return std::nullopt;
    const std::string digits(text.substr(2));
    if (digits.empty() || digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos ||
        digits.size() > 8)
        return std::nullopt;
    const unsigned long value = std::strtoul(digits.c_str(), nullptr, 16);
    if (value < 3 || value > INT_MAX || ::fcntl(static_cast<int>(value), F_GETFD) < 0)
        return std::nullopt;
    return static_cast<int>(value);
}

std::string toolCommand(int argc, char** argv, int first)
{
    std::string command;
    for (int i = first; i < argc; ++i) {
        if (i > first)
            command += ' ';
        command += argv[i];
    }
    return command;
}

bool isSignalled(int stopEvent)
{
    pollfd watch{stopEvent, POLLIN, 0};
    return ::poll(&watch, 1, 0) > 0 && watch.revents != 0;
}

// Whatever else the spawner was handed stays out of the tool: its
// standard descriptors and the two it needs itself are all it keeps.
void closeOtherDescriptors(int first, int second)
{
    const unsigned low = static_cast<unsigned>(std::min(first, second));
    const unsigned high = static_cast<unsigned>(std::max(first, second));
    const unsigned ranges[][2] = {{3, low - 1}, {low + 1, high - 1}, {high + 1, ~0u}};
    for (const auto& range : ranges)
        if (range[0] <= range[1] && ::close_range(range[0], range[1], 0) != 0)
            for (unsigned fd = range[0]; fd <= range[1] && fd < 65536; ++fd)
                ::close(static_cast<int>(fd));
}

bool storeExitCode(int word, std::uint32_t code)
{
    return ::pwrite(word, &code, sizeof code, 0) == static_cast<ssize_t>(sizeof code);
}

enum class Watched { Ended, Stopped, Failed };

// Waits for the tool's group to end or the stop event to fire.
Watched watch(ToolGroup& group, SignalPipe& signals, int stopEvent)
{
    for (;;) {
        group.reap();
        if (group.toolEnded() && !group.alive())
            return Watched::Ended;
        pollfd watched[] = {{stopEvent, POLLIN, 0}, {signals.descriptor(), POLLIN, 0}};
        const int timeout = group.toolEnded() ? kGroupCheckMilliseconds : -1;
        if (::poll(watched, 2, timeout) < 0 && errno != EINTR)
            return Watched::Failed;
        if (signals.drain() || watched[0].revents != 0)
            return Watched::Stopped;
    }
}

} // namespace

int runSpawner(int argc, char** argv)
{
    const std::optional<int> stopEvent = argc > 3 ? descriptorArgument(argv[1]) : std::nullopt;
    const std::optional<int> word = argc > 3 ? descriptorArgument(argv[2]) : std::nullopt;
    if (!stopEvent || !word) {
        std::fputs(kUsage, stderr);
        return kSpawnerFailed;
    }
    closeOtherDescriptors(*stopEvent, *word);
    // The tool gets neither descriptor.
    ::fcntl(*stopEvent, F_SETFD, FD_CLOEXEC);
    ::fcntl(*word, F_SETFD, FD_CLOEXEC);
    const std::vector<std::string> arguments = splitCommandLine(toolCommand(argc, argv, 3));
    if (arguments.empty() || arguments.front().empty())
        return kToolNotStarted;
    SignalPipe signals;
    if (!signals.ready())
        return kSpawnerFailed;
    if (isSignalled(*stopEvent))
        return kToolStopped;
    // Without it the group could still be ended; orphans would only be
    // reaped by someone else, which takes longer to see.
    ::prctl(PR_SET_CHILD_SUBREAPER, 1);
    ToolGroup group(signals);
    switch (group.start(arguments)) {
    case ToolGroup::Start::Started:
        break;
    case ToolGroup::Start::ForkFailed:
        return kSpawnerFailed;
    case ToolGroup::Start::ExecFailed:
        return kToolNotStarted;
    }
    const Watched watched = watch(group, signals, *stopEvent);
    if (watched != Watched::Ended)
        group.end();
    group.reap();
    const std::optional<int> code = group.toolExitCode();
    const bool stored = code && storeExitCode(*word, static_cast<std::uint32_t>(*code));
    switch (watched) {
    case Watched::Ended:
        return stored ? kToolRan : kSpawnerFailed;
    case Watched::Stopped:
        return kToolStopped;
    case Watched::Failed:
        break;
    }
    return kSpawnerFailed;
}

} // namespace corvide::spawner
