#include "corvide/core/build/ToolRun.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <string_view>

#include "corvide/core/build/MessageText.h"
#include "corvide/core/build/OutputLineSplitter.h"
#include "corvide/core/platform/Pipe.h"
#include "corvide/core/platform/ProcessSpawn.h"
#include "corvide/core/platform/SharedWord.h"
#include "corvide/core/project/CommandLinePath.h"
#include "toolframe/platform/PathServices.h"

namespace corvide {

namespace {

// The descriptor steps of a run and the line each failure adds, with the
// errno in decimal.
enum class Step {
    CreateSharedWord,
    CreateInputPipe,
    CreateOutputPipe,
    DuplicateOutput,
    CloseParentInput,
    CloseChildInput,
    CloseChildOutput,
    CloseChildError,
    CloseParentOutput,
};

struct StepFailure {
    Step step;
    std::string_view message;
};

constexpr StepFailure kStepFailures[] = {
    {Step::CreateSharedWord, "Error unable to create shared memory (%1)"},
    {Step::CreateInputPipe, "Error unable to create input pipe (%1)"},
    {Step::CreateOutputPipe, "Error unable to create output pipe (%1)"},
    {Step::DuplicateOutput, "Error unable to duplicate (child end) output pipe (%1)"},
    {Step::CloseParentInput, "Error unable to close non-inheritable (parent end) input pipe (%1)"},
    {Step::CloseChildInput, "Error unable to close (child end) input pipe (%1)"},
    {Step::CloseChildOutput, "Error unable to close (child end) output pipe (%1)"},
    {Step::CloseChildError, "Error unable to close (child end) error pipe (%1)"},
    {Step::CloseParentOutput, "Error unable to close (parent end) output pipe (%1)"},
};

constexpr std::string_view kCannotStart = "Cannot start the tool.";
constexpr std::string_view kFileNotFound = "The system cannot find the file specified.";
constexpr std::string_view kDirectoryNotFound = "The system cannot find the directory specified.";
constexpr std::string_view kSpawnFailed = "Error spawning '%1'. The build could not be performed.";
constexpr std::string_view kMissingSpawnerBox = "%1\n\nThis required file cannot be loaded.\nPlease re-install Corvane.";

// What the spawner's exit code means for the run.
enum class Named { Spawner, ToolCommand };

struct SpawnerExit {
    int code;
    std::string_view message;
    Named named;
};

constexpr SpawnerExit kSpawnerExits[] = {
    {1, "Error spawning '%1'.", Named::Spawner},
    {2, "Error spawning '%1'.", Named::ToolCommand},
    {3, "'%1' terminated at user request.", Named::ToolCommand},
};

constexpr std::size_t kReadSize = 4096;

std::string handleArgument(int fd)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lx", static_cast<unsigned long>(fd));
    return text;
}

std::string upperCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// One run's descriptors and lines.
class Run {
public:
    Run(const CRunContext& context, const CToolCommand& command)
        : context_(context), command_(command), toolCommand_(toolCommandLine(command)),
          spawnerName_(toolframe::path::fileNamePart(context.spawnerPath, context.codePage))
    {
    }
    ~Run()
    {
        for (int* fd : {&input_.read, &input_.write, &output_.read, &output_.write, &errorCopy_})
            platform::closeDescriptor(*fd);
    }
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    CRunResult perform();

private:
    void fail(Step step, int error)
    {
        for (const StepFailure& entry : kStepFailures)
            if (entry.step == step)
                context_.appendLine(filledIn(entry.message, {std::to_string(error)}));
    }
    // A creation: its failure adds its line and fails the run.
    void create(Step step, int error)
    {
        if (error == 0)
            return;
        fail(step, error);
        result_.success = false;
    }
    // A close: its failure only adds its line.
    void close(Step step, int& fd)
    {
        if (const int error = platform::closeDescriptor(fd))
            fail(step, error);
    }
    void createDescriptors();
    platform::SpawnOutcome startSpawner();
    void reportStartFailure(const platform::SpawnOutcome& outcome);
    void readOutput();
    void takeSpawnerExit(pid_t spawner);

    const CRunContext& context_;
    const CToolCommand& command_;
    const std::string toolCommand_;
    const std::string spawnerName_;
    platform::SharedWord word_;
    platform::PipeEnds input_;
    platform::PipeEnds output_;
    int errorCopy_ = -1;
    CRunResult result_;
};

void Run::createDescriptors()
{
    create(Step::CreateSharedWord, word_.creationError());
    create(Step::CreateInputPipe, platform::createPipe(input_));
    create(Step::CreateOutputPipe, platform::createPipe(output_));
    if (output_.write >= 0)
        create(Step::DuplicateOutput, platform::duplicateDescriptor(output_.write, errorCopy_));
}

platform::SpawnOutcome Run::startSpawner()
{
    platform::SpawnRequest request;
    request.program = context_.spawnerPath;
    request.arguments = {context_.spawnerPath, handleArgument(context_.stopEvent.watchDescriptor()),
                         handleArgument(word_.descriptor()), toolCommand_};
    request.input = input_.read;
    request.output = output_.write;
    request.error = errorCopy_;
    request.inherited = {context_.stopEvent.watchDescriptor(), word_.descriptor()};
    request.workingDirectory = command_.workingDirectory;
    request.environment = command_.environment;
    return platform::spawnProcess(request);
}

void Run::reportStartFailure(const platform::SpawnOutcome& outcome)
{
    context_.appendLine(std::string(kCannotStart));
    if (outcome.badDirectory) {
        context_.appendLine(std::string(kDirectoryNotFound));
    } else if (outcome.error == ENOENT) {
        if (!context_.spawnerWarningShown.exchange(true))
            context_.messageBox(filledIn(kMissingSpawnerBox, {upperCase(spawnerName_)}));
        context_.appendLine(std::string(kFileNotFound));
    }
    context_.appendLine(filledIn(kSpawnFailed, {spawnerName_}));
    ++result_.errors;
    result_.success = false;
}

void Run::readOutput()
{
    COutputLineSplitter splitter(context_.codePage, context_.appendLine);
    char buffer[kReadSize];
    for (;;) {
        const std::optional<std::size_t> count = platform::readSome(output_.read, buffer, sizeof buffer);
        if (!count || *count == 0)
            break;
        splitter.feed(std::string_view(buffer, *count));
    }
    splitter.finish();
}

void Run::takeSpawnerExit(pid_t spawner)
{
    const std::optional<int> code = platform::waitForExit(spawner);
    if (!code)
        return;
    if (*code == 0) {
        result_.exitCode = word_.read();
        return;
    }
    for (const SpawnerExit& entry : kSpawnerExits) {
        if (entry.code != *code)
            continue;
        context_.appendLine(filledIn(entry.message, {entry.named == Named::Spawner ? spawnerName_ : toolCommand_}));
        result_.success = false;
    }
}

CRunResult Run::perform()
{
    createDescriptors();
    if (!result_.success)
        return result_;
    const platform::SpawnOutcome outcome = startSpawner();
    if (!outcome.started())
        reportStartFailure(outcome);
    // The spawner holds its own copies now; the input pipe's end here is
    // closed so that the tool reads the end of its input at once.
    close(Step::CloseParentInput, input_.write);
    close(Step::CloseChildInput, input_.read);
    close(Step::CloseChildOutput, output_.write);
    close(Step::CloseChildError, errorCopy_);
    if (!outcome.started()) {
        close(Step::CloseParentOutput, output_.read);
        return result_;
    }
    readOutput();
    close(Step::CloseParentOutput, output_.read);
    takeSpawnerExit(outcome.process);
    return result_;
}

} // namespace

std::string toolCommandLine(const CToolCommand& command)
{
    std::string line = commandLinePath(command.executable);
    if (!command.arguments.empty()) {
        line += ' ';
        line += command.arguments;
    }
    return line;
}

CRunResult runTool(const CRunContext& context, const CToolCommand& command)
{
    return Run(context, command).perform();
}

} // namespace corvide
