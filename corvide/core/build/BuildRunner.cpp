#include "corvide/core/build/BuildRunner.h"

#include "corvide/core/build/MessageText.h"
#include "corvide/core/output/DiagnosticLine.h"
#include "corvide/core/project/UpToDate.h"
#include "toolframe/platform/PathServices.h"

namespace corvide {

namespace {

struct ToolProgram {
    SourceKind kind;
    std::string_view program;
};

constexpr ToolProgram kToolPrograms[] = {
    {SourceKind::Grammar, "brannock"},
    {SourceKind::Scanner, "lindle"},
};

constexpr std::string_view kSpawnerProgram = "cvspawn";

std::string_view programFor(SourceKind kind)
{
    for (const ToolProgram& entry : kToolPrograms)
        if (entry.kind == kind)
            return entry.program;
    return {};
}

std::string summaryLine(const std::string& name, int errors, int warnings)
{
    std::string line = name;
    line += " - ";
    line += std::to_string(errors);
    line += " error(s), ";
    line += std::to_string(warnings);
    line += " warning(s)";
    return line;
}

bool isErrorLine(std::string_view line, const toolframe::CodePage& codePage)
{
    const std::optional<CDiagnostic> diagnostic = parseDiagnostic(line, codePage);
    return diagnostic && diagnostic->severity == CSeverity::Error;
}

std::string toolFailedLine(const std::string& command, std::uint32_t exitCode)
{
    return filledIn(CBuildRunner::kToolFailed, {command, std::to_string(exitCode)});
}

} // namespace

CBuildRunner::CBuildRunner(CBuildNotifications& notifications, COutputDoc& output, toolframe::CodePage codePage,
                           std::string toolDirectory)
    : notifications_(notifications), output_(output), codePage_(codePage), toolDirectory_(std::move(toolDirectory))
{
}

CBuildRunner::~CBuildRunner()
{
    if (!worker_.joinable())
        return;
    stopEvent_.signal();
    worker_.join();
}

std::string CBuildRunner::toolPath(std::string_view name) const
{
    std::string path = toolDirectory_;
    path += '/';
    path += name;
    return path;
}

void CBuildRunner::beep(CSound sound) const
{
    if (feedback_)
        feedback_->beep(sound);
}

CBuildRunner::Job CBuildRunner::jobFor(const CProject& project, const CProjectFile& file, bool checkUpToDate) const
{
    Job job;
    job.sourcePath = file.fullPath();
    job.fileName = toolframe::path::fileNamePart(file.fullPath(), codePage_);
    job.command.executable = toolPath(programFor(file.kind()));
    job.command.arguments = project.toolArguments(file);
    job.command.workingDirectory = project.workingDirectory(file);
    if (checkUpToDate) {
        job.outputName = project.outputName(file);
        job.stamp = project.stampFor(file.kind());
    }
    return job;
}

CBuildStart CBuildRunner::compileFile(const CProject& project, const std::string& path)
{
    if (building_)
        return CBuildStart::Busy;
    SourceKind kind = sourceKindOf(path, codePage_);
    if (kind == SourceKind::Other) {
        if (hasExtension(path, codePage_)) {
            beep(CSound::Information);
            return CBuildStart::NotASource;
        }
        kind = singleFileBrannock_ ? SourceKind::Grammar : SourceKind::Scanner;
    }
    singleFileBrannock_ = kind == SourceKind::Grammar;
    const std::string fullPath = toolframe::path::fullPath(path);
    Job job;
    job.sourcePath = fullPath;
    job.fileName = toolframe::path::fileNamePart(fullPath, codePage_);
    job.command.executable = toolPath(programFor(kind));
    job.command.arguments = project.toolArguments(fullPath, kind);
    job.command.workingDirectory = project.sourceDirectory(fullPath);
    std::string name = job.fileName;
    std::vector<Job> jobs;
    jobs.push_back(std::move(job));
    return start(CBuildKind::CompileFile, name, name, std::move(jobs));
}

CBuildStart CBuildRunner::startProjectBuild(const CProject& project, CBuildKind kind)
{
    if (building_)
        return CBuildStart::Busy;
    std::vector<Job> jobs;
    for (const CProjectFile* file : project.files())
        if (isBuilt(file->kind()))
            jobs.push_back(jobFor(project, *file, kind == CBuildKind::Build));
    if (jobs.empty())
        return CBuildStart::NoSourceFile;
    return start(kind, {}, project.name(), std::move(jobs));
}

CBuildStart CBuildRunner::build(const CProject& project) { return startProjectBuild(project, CBuildKind::Build); }

CBuildStart CBuildRunner::rebuildAll(const CProject& project)
{
    return startProjectBuild(project, CBuildKind::RebuildAll);
}

CBuildStart CBuildRunner::start(CBuildKind kind, std::string fileName, std::string summaryName, std::vector<Job> jobs)
{
    kind_ = kind;
    building_ = true;
    fileName_ = std::move(fileName);
    summaryName_ = std::move(summaryName);
    outcome_ = CBuildOutcome();
    output_.clear();
    stopEvent_.reset();
    if (observer_)
        observer_->buildingChanged(true);
    worker_ = std::thread([this, jobs = std::move(jobs)]() mutable { work(std::move(jobs)); });
    return CBuildStart::Started;
}

void CBuildRunner::stopBuild()
{
    if (building_)
        stopEvent_.signal();
}

void CBuildRunner::appendOutputLine(std::string line)
{
    if (pending_.add(std::move(line)))
        notifications_.postLinesWaiting();
}

CRunResult CBuildRunner::runTool(const CToolCommand& command) { return runTool(command, nullptr); }

CRunResult CBuildRunner::runTool(const CToolCommand& command, int* errorLines)
{
    const CRunContext context{
        toolPath(kSpawnerProgram),
        stopEvent_,
        [this, errorLines](std::string line) {
            if (errorLines != nullptr && isErrorLine(line, codePage_))
                ++*errorLines;
            appendOutputLine(std::move(line));
        },
        [this](std::string text) { notifications_.postMessageBox(std::move(text)); },
        spawnerWarningShown_,
        codePage_,
    };
    return corvide::runTool(context, command);
}

bool CBuildRunner::runJob(const Job& job)
{
    if (job.outputName && !job.outputName->empty() && isUpToDate(job.sourcePath, *job.outputName, job.stamp))
        return true;
    appendOutputLine(job.fileName);
    int errorLines = 0;
    const CRunResult result = runTool(job.command, &errorLines);
    runErrors_ += result.errors;
    // A generator says why it fails in a numbered error, which the count
    // sees; one that ends in failure without one would otherwise pass as
    // a clean build. Its outputs are not to be trusted, so the build goes
    // on as after any error.
    if (result.success && result.exitCode.value_or(0) != 0 && errorLines == 0) {
        appendOutputLine(toolFailedLine(toolCommandLine(job.command), *result.exitCode));
        ++runErrors_;
    }
    return result.success;
}

void CBuildRunner::work(std::vector<Job> jobs)
{
    appendOutputLine(std::string(kCompiling));
    runsSucceeded_ = true;
    runErrors_ = 0;
    for (const Job& job : jobs) {
        if (!runJob(job)) {
            runsSucceeded_ = false;
            break;
        }
    }
    stopped_ = stopEvent_.isSignalled();
    notifications_.postBuildFinished();
}

void CBuildRunner::onLinesWaiting()
{
    for (std::string& line : pending_.take())
        output_.addLine(std::move(line));
}

void CBuildRunner::writeEnd()
{
    outcome_.stopped = stopped_;
    outcome_.completed = !stopped_ && runsSucceeded_;
    outcome_.errors = output_.errorCount() + runErrors_;
    outcome_.warnings = output_.warningCount();
    if (stopped_) {
        output_.addLine(std::string(kCancelled));
        beep(CSound::Information);
        return;
    }
    if (!runsSucceeded_) {
        beep(CSound::Information);
        return;
    }
    output_.addLine(std::string());
    output_.addLine(summaryLine(summaryName_, outcome_.errors, outcome_.warnings));
    beep(outcome_.errors > 0 ? CSound::Information : CSound::Exclamation);
}

void CBuildRunner::onBuildFinished()
{
    if (!worker_.joinable())
        return;
    worker_.join();
    // Every line of the command is classified before the counts are read.
    onLinesWaiting();
    writeEnd();
    building_ = false;
    if (observer_) {
        observer_->buildingChanged(false);
        observer_->buildEnded();
    }
}

} // namespace corvide
