#include "brannock/Switches.h"

#include "brannock/MessageNumbers.h"
#include "toolframe/diagnostics/MessageCatalog.h"

namespace brannock {

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

template <DefaultReductionMode mode>
void setReductionMode(Options& options, const SwitchValue&)
{
    options.defaultReductionMode = mode;
}

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

template <ParserKind kind>
void setParserKind(Options& options, const SwitchValue&)
{
    options.parserKind = kind;
}

constexpr Switch kSwitches[] = {
    {"-?", "-?", SwitchForm::Ignored, "Display help", ignore},
    {"-$", "-$", SwitchForm::Ignored, "Suppress display of sign-on banner", ignore},
    {"-E", "-E", SwitchForm::Flag, "No introduction of error actions for default states",
     [](Options& o, const SwitchValue&) { o.errorActionsForDefaultStates = false; }},
    {"-G", "-G", SwitchForm::Flag, "No default goto states",
     [](Options& o, const SwitchValue&) { o.defaultGotoStates = false; }},
    {"-I", "-I", SwitchForm::Flag, "No introduction of error gotos for default states",
     [](Options& o, const SwitchValue&) { o.errorGotosForDefaultStates = false; }},
    {"-L:", "-L:n", SwitchForm::Number, "Use bases when action range greater than n (default 1024)",
     [](Options& o, const SwitchValue& v) { o.actionRangeThreshold = static_cast<int>(v.number); },
     PageBreak::None, InvalidActionRange},
    {"-M:", "-M:n", SwitchForm::Number, "Use bases when token destructor range greater than n (default 1024)",
     [](Options& o, const SwitchValue& v) { o.tokenDestructorRangeThreshold = static_cast<int>(v.number); },
     PageBreak::None, InvalidTokenDestructorRange},
    {"-N", "-N", SwitchForm::Flag, "No default reductions if shift on error token",
     [](Options& o, const SwitchValue&) { o.defaultReductionsOnErrorShift = false; }},
    {"-Rn", "-Rn", SwitchForm::Flag, "No default reductions", setReductionMode<DefaultReductionMode::None>},
    {"-Ro", "-Ro", SwitchForm::Flag, "Default reductions if no other actions",
     setReductionMode<DefaultReductionMode::IfNoOtherActions>},
    {"-Re", "-Re", SwitchForm::Flag, "Default reductions for error token reductions only",
     setReductionMode<DefaultReductionMode::ErrorTokenOnly>},
    {"-Rf", "-Rf", SwitchForm::Flag, "Default reductions favouring error token reductions",
     setReductionMode<DefaultReductionMode::FavourErrorToken>, PageBreak::After},
    {"-Rd", "-Rd", SwitchForm::Flag, "Default reductions", setReductionMode<DefaultReductionMode::Always>},
    {"-S", "-S", SwitchForm::Flag, "No default action states",
     [](Options& o, const SwitchValue&) { o.defaultActionStates = false; }},
    {"-Tc", "-Tc", SwitchForm::Flag, "Generate C target code (default)", setTarget<TargetLanguage::C>},
    {"-Tcpp", "-Tcpp", SwitchForm::Flag, "Generate C++ target code", setTarget<TargetLanguage::Cpp>},
    {"-Tj", "-Tj", SwitchForm::Flag, "Generate Java target code", setTarget<TargetLanguage::Java>},
    {"-W", "-W", SwitchForm::Flag, "Generate Unicode parser", [](Options& o, const SwitchValue&) { o.unicode = true; }},
    {"-c", "-c", SwitchForm::Flag, "Use compatible file names y.tab and y.output",
     [](Options& o, const SwitchValue&) { o.compatibleFileNames = true; }},
    {"-e", "-e", SwitchForm::Extension,
     "Output file name extension (.c default for C, .cpp for C++, .java for\nJava)",
     [](Options& o, const SwitchValue& v) { o.outputExtension = std::string(v.text); }},
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
    {"-ms", "-ms", SwitchForm::Flag, "Use single parser model (default for C)", setModel<CodeModel::Single>},
    {"-mm", "-mm", SwitchForm::Flag, "Use multiple parser model", setModel<CodeModel::Multiple>},
    {"-mi", "-mi", SwitchForm::Flag, "Use multiple instance parser model", setModel<CodeModel::MultipleInstance>},
    {"-o", "-o", SwitchForm::RequiredFile, "Output file name",
     [](Options& o, const SwitchValue& v) { o.outputFile = std::string(v.text); }, PageBreak::None, 0, 1, 0,
     DuplicateOutputFile},
    {"-ps", "-ps", SwitchForm::Flag, "Generate simple LR (SLR) parser", setParserKind<ParserKind::Slr>},
    {"-pla", "-pla", SwitchForm::Flag, "Generate lookahead LR (LALR) parser (default)",
     setParserKind<ParserKind::Lalr>},
    {"-pc", "-pc", SwitchForm::Flag, "Generate canonical LR (CLR) parser", setParserKind<ParserKind::CanonicalLr>},
    {"-q", "-q", SwitchForm::Flag, "Use quotes around #include directive library file names",
     [](Options& o, const SwitchValue&) { o.quotedLibraryIncludes = true; }},
    {"-s", "-s", SwitchForm::Flag, "Use compact tables", [](Options& o, const SwitchValue&) { o.compactTables = true; }},
    {"-v", "-v", SwitchForm::OptionalFile, "Generate verbose file",
     [](Options& o, const SwitchValue& v) {
         o.verbose = true;
         if (!v.text.empty())
             o.verboseFile = std::string(v.text);
     },
     PageBreak::After, 0, 1, 0, DuplicateVerboseFile},
    {"-x", "-x", SwitchForm::Extension, "Include file name extension (.h default for C and C++)",
     [](Options& o, const SwitchValue& v) { o.includeExtension = std::string(v.text); }},
    {"-z", "-z", SwitchForm::Flag, "Use short file names", [](Options& o, const SwitchValue&) { o.shortFileNames = true; }},
};

constexpr toolframe::HelpLayout kHelpLayout{
    "Usage:\n"
    " Brannock <input-file> [-?] [-$] [-E] [-G] [-I] [-L:n] [-M:n] [-N] [-Rn] [-Ro]\n"
    "       [-Re] [-Rf] [-Rd] [-S] [-Tc] [-Tcpp] [-Tj] [-W] [-c]\n"
    "       [-e<extension>] [-f] [-g] [-i [<include-file>]] [-l] [-ms] [-mm] [-mi]\n"
    "       [-o <output-file>] [-ps] [-pla] [-pc] [-s] [-v [<verbose-file>]]\n"
    "       [-x<extension>] [-z]\n"
    "\n"
    "Options:\n"};

} // namespace

std::span<const Switch> switches() { return kSwitches; }

const toolframe::HelpLayout& helpLayout() { return kHelpLayout; }

} // namespace brannock
