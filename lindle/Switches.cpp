#include "lindle/Switches.h"

#include "lindle/MessageNumbers.h"
#include "toolframe/run/SharedSwitches.h"

namespace lindle {

namespace {

using toolframe::PageBreak;
using toolframe::SwitchForm;
using toolframe::SwitchValue;
using Options = ToolOptions;
using Shared = toolframe::SharedSwitches<Options>;

// The transition range is a count of character values: below one byte's
// worth it could not hold a single state, beyond the UTF-16 range it
// would never be reached.
constexpr long kSmallestTransitionRange = 256;
constexpr long kLargestTransitionRange = 65536;

constexpr Switch kSwitches[] = {
    Shared::help(),
    Shared::noBanner(),
    {"-E", "-E", SwitchForm::Flag, "No introduction of error transitions for default states",
     [](Options& o, const SwitchValue&) { o.errorTransitionsForDefaultStates = false; }},
    {"-L:", "-L:n", SwitchForm::Number, "Use bases when transition range greater than n (default 1024)",
     [](Options& o, const SwitchValue& v) { o.transitionRangeLimit = static_cast<int>(v.number); },
     PageBreak::None, InvalidTransitionRange, kSmallestTransitionRange, kLargestTransitionRange},
    {"-R", "-R", SwitchForm::Flag, "No default transitions",
     [](Options& o, const SwitchValue&) { o.defaultTransitions = false; }},
    {"-S", "-S", SwitchForm::Flag, "No default states (does not affect -L option)",
     [](Options& o, const SwitchValue&) { o.defaultStates = false; }},
    Shared::targetC(),
    Shared::targetCpp(),
    Shared::targetJava(),
    Shared::unicode("Generate Unicode lexical analyser"),
    Shared::compatibleFileNames("Use compatible file name lex.yy"),
    {"-d", "-d", SwitchForm::Flag, "No DFA state minimisation",
     [](Options& o, const SwitchValue&) { o.minimiseDfa = false; }},
    Shared::outputExtension(PageBreak::Inside),
    Shared::plainLineNames(),
    Shared::fullPathLineNames(),
    Shared::includeFile(),
    Shared::noLineDirectives(),
    Shared::singleModel("Use single lexical analyser model (default for C)"),
    Shared::multipleModel("Use multiple lexical analyser model"),
    Shared::multipleInstanceModel("Use multiple instance lexical analyser model"),
    Shared::outputFile(),
    Shared::quotedLibraryIncludes(),
    {"-r", "-r", SwitchForm::Flag, "Full reject capability", [](Options& o, const SwitchValue&) { o.fullReject = true; }},
    Shared::compactTables(),
    {"-u", "-u", SwitchForm::Flag, "Generate case insensitive lexical analyser",
     [](Options& o, const SwitchValue&) { o.caseSensitive = false; }},
    Shared::verboseFile(),
    Shared::includeExtension(),
    Shared::shortFileNames(),
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
