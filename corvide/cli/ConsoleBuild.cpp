#include "corvide/cli/ConsoleBuild.h"

#include <signal.h>

#include <cstdio>

#include "corvide/core/build/BuildRunner.h"
#include "corvide/core/build/MessageQueue.h"
#include "corvide/core/output/OutputDoc.h"

namespace corvide {

namespace {

// A signal handler reaches the build only through a global; signalling the
// event is a single write().
const platform::StopEvent* interruptedBuild = nullptr;

void onInterrupt(int) { interruptedBuild->signal(); }

constexpr int kStopSignals[] = {SIGINT, SIGTERM};

// Ctrl-C stops the build for as long as the object lives; a signal that
// the shell set aside (a background job's SIGINT) stays ignored.
class InterruptAsStop {
public:
    explicit InterruptAsStop(const platform::StopEvent& event)
    {
        interruptedBuild = &event;
        struct sigaction action = {};
        action.sa_handler = onInterrupt;
        action.sa_flags = SA_RESTART;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < std::size(kStopSignals); ++i) {
            ::sigaction(kStopSignals[i], nullptr, &previous_[i]);
            if (previous_[i].sa_handler != SIG_IGN)
                ::sigaction(kStopSignals[i], &action, nullptr);
        }
    }
    ~InterruptAsStop()
    {
        for (std::size_t i = 0; i < std::size(kStopSignals); ++i)
            ::sigaction(kStopSignals[i], &previous_[i], nullptr);
        interruptedBuild = nullptr;
    }
    InterruptAsStop(const InterruptAsStop&) = delete;
    InterruptAsStop& operator=(const InterruptAsStop&) = delete;

private:
    struct sigaction previous_[std::size(kStopSignals)] = {};
};

class PrintedOutput : public COutputObserver {
public:
    void lineAdded(std::size_t, const COutputLine& line) override
    {
        std::fwrite(line.text().data(), 1, line.text().size(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
};

int exitCodeOf(const CBuildOutcome& outcome)
{
    if (outcome.stopped)
        return kBuildStopped;
    return outcome.completed && outcome.errors == 0 ? kBuildClean : kBuildFailed;
}

} // namespace

int runConsoleBuild(const CProject& project, bool rebuildAll, toolframe::CodePage codePage,
                    const std::string& toolDirectory)
{
    CMessageQueue queue;
    COutputDoc output(codePage);
    PrintedOutput printed;
    output.addObserver(printed);
    CBuildRunner runner(queue, output, codePage, toolDirectory);
    const InterruptAsStop interrupt(runner.stopEvent());
    const CBuildStart start = rebuildAll ? runner.rebuildAll(project) : runner.build(project);
    if (start != CBuildStart::Started) {
        std::fprintf(stderr, "%s\n", CBuildRunner::kNoSourceFile.data());
        return kBuildFailed;
    }
    queue.runUntilFinished(runner, [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });
    return exitCodeOf(runner.lastOutcome());
}

} // namespace corvide
