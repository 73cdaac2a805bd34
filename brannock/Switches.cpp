#include "brannock/Switches.h"

#include "brannock/MessageNumbers.h"
#include "toolframe/run/SharedSwitches.h"

namespace brannock {

namespace {

using toolframe::PageBreak;
using toolframe::SwitchForm;
using toolframe::SwitchValue;
using Options = ToolOptions;
using Shared = toolframe::SharedSwitches<Options>;

template <DefaultReductionMode mode>
void setReductionMode(Options& options, const SwitchValue&)
{
    options.defaultReductionMode = mode;
}

template <ParserKind kind>
void setParserKind(Options& options, const SwitchValue&)
{
    options.parserKind = kind;
}

constexpr Switch kSwitches[] = {
    Shared::help(),
    Shared::noBanner(),
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
    Shared::targetC(),
    Shared::targetCpp(),
    Shared::targetJava(),
    Shared::unicode("Generate Unicode parser"),
    Shared::compatibleFileNames("Use compatible file names y.tab and y.output"),
    Shared::outputExtension(),
    Shared::plainLineNames(),
    Shared::fullPathLineNames(),
    Shared::includeFile(),
    Shared::noLineDirectives(),
    Shared::singleModel("Use single parser model (default for C)"),
    Shared::multipleModel("Use multiple parser model"),
    Shared::multipleInstanceModel("Use multiple instance parser model"),
    Shared::outputFile(),
    {"-ps", "-ps", SwitchForm::Flag, "Generate simple LR (SLR) parser", setParserKind<ParserKind::Slr>},
    {"-pla", "-pla", SwitchForm::Flag, "Generate lookahead LR (LALR) parser (default)",
     setParserKind<ParserKind::Lalr>},
    {"-pc", "-pc", SwitchForm::Flag, "Generate canonical LR (CLR) parser", setParserKind<ParserKind::CanonicalLr>},
    Shared::quotedLibraryIncludes(),
    Shared::compactTables(),
    Shared::verboseFile(PageBreak::After),
    Shared::includeExtension(),
    Shared::shortFileNames(),
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
