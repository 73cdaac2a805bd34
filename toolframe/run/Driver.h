#pragma once

#include <cstdio>
#include <span>
#include <string_view>
#include <vector>

#include "toolframe/run/CommandLineParser.h"
#include "toolframe/diagnostics/Diagnostics.h"
#include "toolframe/emit/LanguageFrame.h"
#include "toolframe/output/OutputStream.h"
#include "toolframe/run/ToolOptions.h"
#include "toolframe/platform/CodePage.h"
#include "toolframe/platform/FileIdentity.h"
#include "toolframe/platform/LocalClock.h"

namespace toolframe {

// What tells one generator from the other in the shared frame.
struct ToolIdentity {
    std::string_view name;           // "Brannock", "Lindle"
    char letter;                     // of the message numbers: 'Y', 'L'
    std::string_view version;        // "2.07"
    std::string_view compatibleName; // the -c output name: "y.tab.c", "lex.yy.c"
    MessageCatalog messages;         // with the fatal errors that carry a position
};

// The files a run writes besides reading its source, in the order they are
// opened. The include stream and the verbose file are opened only when the
// options ask for them.
struct RunOutputs {
    OutputStream* include;
    OutputStream* source;
    OutputFile* verbose;
};

// One generator run, start to end: start-up, banner, switches, file names,
// stages, files, the tool's own stages, closing, summary line and exit
// status. Each tool supplies its switches, stages and outputs.
class Driver {
public:
    explicit Driver(const ToolIdentity& identity, std::FILE* out = stdout);
    virtual ~Driver();
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    // The whole run; returns the exit status.
    int main(std::span<const std::string_view> arguments);
    // The same over a program's own arguments, the program's name left out.
    int main(int argc, char** argv);

protected:
    virtual ToolOptions& options() = 0;
    virtual CommandLineOutcome readCommandLine(std::span<const std::string_view> arguments) = 0;
    // Creates the stage objects and connects the diagnostics to them.
    virtual void createStages() = 0;
    virtual LanguageFrame& language() = 0;
    virtual RunOutputs outputs() = 0;
    // Reads the source and writes the outputs.
    virtual void runStages(std::FILE* source) = 0;

    Diagnostics& diagnostics() { return diagnostics_; }
    const CodePage& codePage() const { return codePage_; }
    const DateTimeStamp& stamp() const { return stamp_; }
    const ToolIdentity& identity() const { return identity_; }
    std::FILE* out() const { return out_; }

private:
    int run(std::span<const std::string_view> arguments);
    void startUp();
    void printVersionLine();
    void printBanner();
    void openFiles();
    void openOutput(OutputStream& stream, const std::string& path);
    void refuseSecondName(const std::string& path);
    void closeFiles();
    void reportOutOfMemory();
    // True when some of what the run wrote to its output never arrived.
    bool outputLost();

    ToolIdentity identity_;
    std::FILE* out_;
    Diagnostics diagnostics_;
    CodePage codePage_;
    DateTimeStamp stamp_;
    std::FILE* sourceFile_ = nullptr;
    std::vector<FileIdentity> openedFiles_;
};

// The banner's second line.
extern const char* const kBannerLine;

} // namespace toolframe
