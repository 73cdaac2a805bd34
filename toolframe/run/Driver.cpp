#include "toolframe/run/Driver.h"

#include <unistd.h>

#include "toolframe/run/FileNameDerivation.h"
#include "toolframe/platform/Locale.h"
#include "toolframe/platform/MemoryExhaustion.h"
#include "toolframe/platform/StandardDescriptors.h"
#include "toolframe/platform/Terminal.h"

namespace toolframe {

const char* const kBannerLine = "Copyright (C) Fernhollow Software. Part of the Corvane 2 suite.";

namespace {

constexpr std::string_view kNoBannerSwitch = "-$";

} // namespace

Driver::Driver(const ToolIdentity& identity, std::FILE* out)
    : identity_(identity), out_(out), diagnostics_(identity.letter, identity.messages, out)
{
}

Driver::~Driver()
{
    if (sourceFile_ != nullptr)
        std::fclose(sourceFile_);
}

int Driver::main(std::span<const std::string_view> arguments)
{
    MemoryExhaustionHandler memoryHandler;
    int status = 1;
    try {
        status = run(arguments);
    } catch (const RunAborted&) {
    } catch (const CMemoryException&) {
        reportOutOfMemory();
    }
    return outputLost() ? 1 : status;
}

int Driver::main(int argc, char** argv)
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    return main(arguments);
}

bool Driver::outputLost()
{
    if (std::fflush(out_) == 0 && std::ferror(out_) == 0)
        return false;
    // Nobody saw the warnings, conflicts or errors of this run, so nobody
    // can judge its files: it fails and, like any failed run, keeps none,
    // so that make runs it again instead of taking it for a clean one.
    diagnostics_.discardOutputs();
    // Standard error is the one place left to say why.
    Diagnostics lost(identity_.letter, MessageCatalog(identity_.messages), stderr);
    try {
        lost.fatal(FileOutputError);
    } catch (const RunAborted&) {
    }
    return true;
}

void Driver::reportOutOfMemory()
{
    setAnsiCharacterLocale();
    try {
        diagnostics_.fatal(OutOfMemory);
    } catch (const RunAborted&) {
    }
}

void Driver::startUp()
{
    occupyClosedStandardDescriptors();
    codePage_ = setAnsiCharacterLocale();
    // A workbench reading through a pipe sees each line as it is written.
    if (!isTerminal(STDOUT_FILENO))
        std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (!isTerminal(STDERR_FILENO))
        std::setvbuf(stderr, nullptr, _IONBF, 0);
    stamp_ = stampNow();
}

void Driver::printVersionLine()
{
    std::fprintf(out_, "%.*s, Version %.*s\n", static_cast<int>(identity_.name.size()), identity_.name.data(),
                 static_cast<int>(identity_.version.size()), identity_.version.data());
}

void Driver::printBanner()
{
    printVersionLine();
    std::fprintf(out_, "%s\n\n", kBannerLine);
}

int Driver::run(std::span<const std::string_view> arguments)
{
    startUp();
    // One line that scripts can read, the banner's first: the version is
    // its last word.
    if (command_line::isSoleArgument(arguments, command_line::kVersionSwitch)) {
        printVersionLine();
        return 0;
    }
    for (std::string_view argument : arguments)
        if (argument == kNoBannerSwitch)
            options().showBanner = false;
    if (options().showBanner)
        printBanner();
    switch (readCommandLine(arguments)) {
    case CommandLineOutcome::Run:
        break;
    case CommandLineOutcome::Stop:
        return 1;
    case CommandLineOutcome::Answered:
        return 0;
    }
    diagnostics_.setSourceName(options().sourceFile);
    createStages();
    deriveFileNames(options(), language(), identity_.compatibleName, codePage_, diagnostics_);
    openFiles();
    runStages(sourceFile_);
    closeFiles();
    if (options().showBanner)
        std::fprintf(out_, "%s - %d error(s), %d warning(s)\n", printableText(options().sourceFile).c_str(),
                     diagnostics_.errors(), diagnostics_.warnings());
    std::fflush(out_);
    return diagnostics_.errors() == 0 ? 0 : 1;
}

void Driver::refuseSecondName(const std::string& path)
{
    // Opening a second name of a file already in use would truncate it:
    // the source itself, or an output about to be written twice over.
    const auto existing = identityOfPath(path);
    if (!existing || !existing->regular)
        return;
    for (const FileIdentity& opened : openedFiles_)
        if (opened.regular && opened.sameFileAs(*existing))
            diagnostics_.fatal(UnableToOpenFile, path);
}

void Driver::openOutput(OutputStream& stream, const std::string& path)
{
    refuseSecondName(path);
    const ToolOptions& settings = options();
    stream.open(path, lineNamesFor(path, settings.sourceFile, settings.fullPathLineNames, settings.shortFileNames,
                                   codePage_));
    if (const auto opened = stream.file().identity())
        openedFiles_.push_back(*opened);
}

void Driver::openFiles()
{
    const ToolOptions& settings = options();
    sourceFile_ = std::fopen(settings.sourceFile.c_str(), "r");
    const auto source = identityOfStream(sourceFile_);
    // A directory opens for reading here, but cannot be read.
    if (sourceFile_ == nullptr || !source || source->directory)
        diagnostics_.fatal(UnableToOpenFile, settings.sourceFile);
    openedFiles_.push_back(*source);

    const RunOutputs files = outputs();
    if (settings.generateIncludeFile)
        openOutput(*files.include, settings.includeFile);
    openOutput(*files.source, settings.outputFile);
    if (settings.verbose) {
        refuseSecondName(settings.verboseFile);
        files.verbose->open(settings.verboseFile);
        if (const auto opened = files.verbose->identity())
            openedFiles_.push_back(*opened);
    }
}

void Driver::closeFiles()
{
    const RunOutputs files = outputs();
    files.include->close();
    files.source->close();
    files.verbose->close();
}

} // namespace toolframe
