#pragma once

#include <atomic>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "corvide/core/build/BuildNotifications.h"
#include "corvide/core/build/PendingLines.h"
#include "corvide/core/build/ToolRun.h"
#include "corvide/core/output/OutputDoc.h"
#include "corvide/core/output/UserFeedback.h"
#include "corvide/core/platform/StopEvent.h"
#include "corvide/core/project/Project.h"
#include "toolframe/platform/CodePage.h"

namespace corvide {

enum class CBuildKind { CompileFile = 3, Build = 4, RebuildAll = 5 };

// Why a command did or did not start.
enum class CBuildStart {
    Started,
    Busy,          // a build runs already
    NoSourceFile,  // the project holds no grammar or scanner (kNoSourceFile)
    NotASource,    // Compile File of a file that no tool builds (beeped)
};

// What the last command came to, once its end has been handled.
struct CBuildOutcome {
    bool stopped = false;   // Stop Build ended it
    bool completed = false; // every run succeeded and the summary was written
    int errors = 0;
    int warnings = 0;
};

// What the main window hears of a build, on the user-interface thread.
class CBuildObserver {
public:
    virtual ~CBuildObserver() = default;
    // Refresh the commands: Compile File, Build, Rebuild All and Project
    // Options are off while building, Stop Build on.
    virtual void buildingChanged(bool /*building*/) {}
    // The generators may have rewritten open documents.
    virtual void buildEnded() {}
};

// The build runner of the main window: Compile File, Build, Rebuild All
// and Stop Build. A command starts on the user-interface thread, which
// gets control back at once; one worker thread runs the tools one after
// another through the spawner and hands their lines over through the
// pending list and the posted messages of CBuildNotifications. The
// handlers of those messages, on the user-interface thread, add the lines
// to the Output window, whose classification gives the counts; the summary
// is written there after the last line, so the counts are complete.
//
// The tools and cvspawn are taken from toolDirectory: the directory of the
// running program, where they are installed beside it.
class CBuildRunner {
public:
    static constexpr std::string_view kNoSourceFile = "There is no source file to build.";
    static constexpr std::string_view kBuildInProgress =
        "A build is in progress. Open the Project menu and select Stop Build to stop the build before exiting.";
    static constexpr std::string_view kCompiling = "Compiling...";
    static constexpr std::string_view kCancelled = "Tool execution cancelled by user.";
    // A generator that ended in failure without a numbered error of its own
    // (a crash, a resource limit): %1 the command, %2 its exit code.
    static constexpr std::string_view kToolFailed = "'%1' failed with exit code %2.";

    CBuildRunner(CBuildNotifications& notifications, COutputDoc& output, toolframe::CodePage codePage,
                 std::string toolDirectory);
    // A running build is stopped and its worker waited for.
    ~CBuildRunner();
    CBuildRunner(const CBuildRunner&) = delete;
    CBuildRunner& operator=(const CBuildRunner&) = delete;

    void setFeedback(CUserFeedback* feedback) { feedback_ = feedback; }
    void setObserver(CBuildObserver* observer) { observer_ = observer; }

    // The commands, on the user-interface thread, after the caller has
    // saved what is to be saved. The project's options and files are read
    // here; the worker reads nothing of the project.
    CBuildStart compileFile(const CProject& project, const std::string& path);
    CBuildStart build(const CProject& project);
    CBuildStart rebuildAll(const CProject& project);
    // Signals the stop event when building; else nothing.
    void stopBuild();

    // Whether a command runs (until its end message has been handled).
    bool isBuilding() const { return building_; }
    CBuildKind kind() const { return kind_; }
    // The compiled file's name for Compile File; empty for project builds.
    const std::string& fileName() const { return fileName_; }
    const CBuildOutcome& lastOutcome() const { return outcome_; }

    // Append output line: callable from any thread.
    void appendOutputLine(std::string line);

    // Run tool, on a worker thread (the build's, or the library builder's).
    CRunResult runTool(const CToolCommand& command);

    // The handlers of the posted messages, on the user-interface thread.
    void onLinesWaiting();
    void onBuildFinished();

    // The event Stop Build signals; signal() is safe in a signal handler.
    const platform::StopEvent& stopEvent() const { return stopEvent_; }

    // A program beside the running one: tool directory, '/', name.
    std::string toolPath(std::string_view name) const;

private:
    // One source the worker runs its tool on, read from the project when
    // the command starts.
    struct Job {
        std::string sourcePath;
        std::string fileName;
        CToolCommand command;
        // For Build: the up-to-date rule's output file and options stamp.
        std::optional<std::string> outputName;
        std::optional<std::time_t> stamp;
    };

    Job jobFor(const CProject& project, const CProjectFile& file, bool checkUpToDate) const;
    CBuildStart startProjectBuild(const CProject& project, CBuildKind kind);
    CBuildStart start(CBuildKind kind, std::string fileName, std::string summaryName, std::vector<Job> jobs);
    void work(std::vector<Job> jobs);
    bool runJob(const Job& job);
    // runTool, counting the error lines of the run in errorLines.
    CRunResult runTool(const CToolCommand& command, int* errorLines);
    void writeEnd();
    void beep(CSound sound) const;

    CBuildNotifications& notifications_;
    COutputDoc& output_;
    toolframe::CodePage codePage_;
    std::string toolDirectory_;
    CUserFeedback* feedback_ = nullptr;
    CBuildObserver* observer_ = nullptr;

    platform::StopEvent stopEvent_;
    CPendingLines pending_;
    std::atomic<bool> spawnerWarningShown_ = false;

    // User-interface thread.
    bool building_ = false;
    CBuildKind kind_ = CBuildKind::Build;
    std::string fileName_;
    std::string summaryName_;
    bool singleFileBrannock_ = true;
    CBuildOutcome outcome_;
    std::thread worker_;

    // Written by the worker before it posts its end, read after it is joined.
    bool runsSucceeded_ = true;
    bool stopped_ = false;
    int runErrors_ = 0;
};

} // namespace corvide
