#include "lindle/Switches.h"

#include "lindle/MessageNumbers.h"
#include "toolframe/diagnostics/MessageCatalog.h"

namespace lindle {

namespace {

using toolframe::CodeModel;
using toolframe::DuplicateIncludeFile;
using toolframe::DuplicateOutputFile;
using toolframe::DuplicateVerboseFile;
using toolframe::PageBreak;
using toolframe::SwitchForm;
using toolframe::SwitchValue;
using toolframe::TargetLanguage;
using Options = ToolOptions;

void ignore(Options&, const SwitchValue&) {}

template <TargetLanguage language>
void setTarget(Options& options, const SwitchValue&)
{
    options.targetLanguage = language;
}

template <CodeModel model>
void setModel(Options& options, const SwitchValue&)
{
    options.model = model;
}

// The transition range is a count of character values: below one byte's
// worth it could not hold a single state, beyond the UTF-16 range it
// would never be reached.
constexpr long kSmallestTransitionRange = 256;
constexpr long kLargestTransitionRange = 65536;

constexpr Switch kSwitches[] = {
    {"-?", "-?", SwitchForm::Ignored, "Display help", ignore},
    {"-$", "-$", SwitchForm::Ignored, "Suppress display of sign-on banner", ignore},
    {"-E", "-E", SwitchForm::Flag, "No introduction of error transitions for default states",
     [](Options& o, const SwitchValue&) { o.errorTransitionsForDefaultStates = false; }},
    {"-L:", "-L:n", SwitchForm::Number, "Use bases when transition range greater than n (default 1024)",
     [](Options& o, const SwitchValue& v) { o.transitionRangeLimit = static_cast<int>(v.number); },
     PageBreak::None, InvalidTransitionRange, kSmallestTransitionRange, kLargestTransitionRange},
    {"-R", "-R", SwitchForm::Flag, "No default transitions",
     [](Options& o, const SwitchValue&) { o.defaultTransitions = false; }},
    {"-S", "-S", SwitchForm::Flag, "No default states (does not affect -L option)",
     [](Options& o, const SwitchValue&) { o.defaultStates = false; }},
    {"-Tc", "-Tc", SwitchForm::Flag, "Generate C target code (default)", setTarget<TargetLanguage::C>},
    {"-Tcpp", "-Tcpp", SwitchForm::Flag, "Generate C++ target code", setTarget<TargetLanguage::Cpp>},
    {"-Tj", "-Tj", SwitchForm::Flag, "Generate Java target code", setTarget<TargetLanguage::Java>},
    {"-W", "-W", SwitchForm::Flag, "Generate Unicode lexical analyser",
     [](Options& o, const SwitchValue&) { o.unicode = true; }},
    {"-c", "-c", SwitchForm::Flag, "Use compatible file name lex.yy",
     [](Options& o, const SwitchValue&) { o.compatibleFileNames = true; }},
    {"-d", "-d", SwitchForm::Flag, "No DFA state minimisation",
     [](Options& o, const SwitchValue&) { o.minimiseDfa = false; }},
    {"-e", "-e", SwitchForm::Extension,
     "Output file name extension (.c default for C, .cpp for C++, .java for\nJava)",
     [](Options& o, const SwitchValue& v) { o.outputExtension = std::string(v.text); }, PageBreak::Inside},
    {"-f", "-f", SwitchForm::Flag, "Do not treat #line directive file names as strings",
     [](Options& o, const SwitchValue&) { o.plainLineNames = true; }},
    {"-g", "-g", SwitchForm::Flag, "Generate full path names in #line directives",
     [](Options& o, const SwitchValue&) { o.fullPathLineNames = true; }},
    {"-i", "-i", SwitchForm::OptionalFile, "Generate include file",
     [](Options& o, const SwitchValue& v) {
         o.generateIncludeFile = true;
         if (!v.text.empty())
             o.includeFile = std::string(v.text);
     },
     PageBreak::None, 0, 1, 0, DuplicateIncludeFile},
    {"-l", "-l", SwitchForm::Flag, "Do not produce #line directives in output file",
     [](Options& o, const SwitchValue&) { o.lineDirectives = false; }},
    {"-ms", "-ms", SwitchForm::Flag, "Use single lexical analyser model (default for C)", setModel<CodeModel::Single>},
    {"-mm", "-mm", SwitchForm::Flag, "Use multiple lexical analyser model", setModel<CodeModel::Multiple>},
    {"-mi", "-mi", SwitchForm::Flag, "Use multiple instance lexical analyser model",
     setModel<CodeModel::MultipleInstance>},
    {"-o", "-o", SwitchForm::RequiredFile, "Output file name",
     [](Options& o, const SwitchValue& v) { o.outputFile = std::string(v.text); }, PageBreak::None, 0, 1, 0,
     DuplicateOutputFile},
    {"-q", "-q", SwitchForm::Flag, "Use quotes around #include directive library file names",
     [](Options& o, const SwitchValue&) { o.quotedLibraryIncludes = true; }},
    {"-r", "-r", SwitchForm::Flag, "Full reject capability", [](Options& o, const SwitchValue&) { o.fullReject = true; }},
    {"-s", "-s", SwitchForm::Flag, "Use compact tables", [](Options& o, const SwitchValue&) { o.compactTables = true; }},
    {"-u", "-u", SwitchForm::Flag, "Generate case insensitive lexical analyser",
     [](Options& o, const SwitchValue&) { o.caseSensitive = false; }},
    {"-v", "-v", SwitchForm::OptionalFile, "Generate verbose file",
     [](Options& o, const SwitchValue& v) {
         o.verbose = true;
         if (!v.text.empty())
             o.verboseFile = std::string(v.text);
     },
     PageBreak::None, 0, 1, 0, DuplicateVerboseFile},
    {"-x", "-x", SwitchForm::Extension, "Include file name extension (.h default for C and C++)",
     [](Options& o, const SwitchValue& v) { o.includeExtension = std::string(v.text); }},
    {"-z", "-z", SwitchForm::Flag, "Use short file names", [](Options& o, const SwitchValue&) { o.shortFileNames = true; }},
};

constexpr toolframe::HelpLayout kHelpLayout{
    "Usage:\n"
    " Lindle <input-file> [-?] [-$] [-E] [-L:<number>][-R] [-S] [-Tc] [-Tcpp] [-Tj]\n"
    "      [-W] [-c] [-d] [-e<extension>] [-f] [-g] [-i [<include-file>]] [-l] [-ms]\n"
    "      [-mm] [-mi] [-o <output-file>] [-r] [-s] [-u] [-v [<verbose-file>]]\n"
    "      [-x<extension>] [-z]\n"
    "\n"
    "Options:\n"};

} // namespace

std::span<const Switch> switches() { return kSwitches; }

const toolframe::HelpLayout& helpLayout() { return kHelpLayout; }

} // namespace lindle
