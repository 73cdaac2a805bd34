#include "corvide/core/options/BrannockOptions.h"

#include "corvide/core/options/SharedOptionFields.h"

namespace corvide {

namespace {

using Options = CBrannockOptions;
using Shared = SharedOptionFields<Options>;

constexpr std::string_view kParserCodes[] = {"s", "c"};
constexpr std::string_view kReductionCodes[] = {"n", "o", "e", "f"};

// The dialog takes ranges of 1 and more, and so does Brannock's -L: and
// -M:; a value below that read from a file would stop every build.
constexpr int kLeastRange = 1;

constexpr OptionField<Options> kFields[] = {
    Shared::banner(),
    Shared::targetLanguage(),
    Shared::model(),
    Shared::unicode(),
    codeField<Options>("OptionP", &Options::parserKind, DefaultRule::Parser, "-p", kParserCodes),
    Shared::otherOptions(),
    Shared::quotedLibraryIncludes(),
    [] {
        OptionField<Options> field = Shared::includeFile();
        field.legacyKey = "OptionD";
        return field;
    }(),
    Shared::verboseFile(),
    Shared::shortFileNames(),
    Shared::compatibleNames(),
    Shared::outputExtension(),
    Shared::includeExtension(),
    Shared::compactTables(),
    Shared::rangeForBases(kLeastRange, INT_MAX),
    numberField<Options>("OptionCapitalM", &Options::tokenDestructorRange, "-M:", kLeastRange, INT_MAX),
    Shared::noLineDirectives(),
    Shared::plainLineNames(),
    Shared::fullPathLineNames(),
    Shared::noDefaultStates(),
    Shared::noErrorsForDefaultStates(),
    codeField<Options>("OptionCapitalR", &Options::defaultReductions, DefaultRule::Empty, "-R", kReductionCodes),
    flagField<Options>("OptionCapitalN", &Options::noDefaultReductionsOnErrorShift, DefaultRule::Off, "-N"),
    flagField<Options>("OptionCapitalG", &Options::noDefaultGotoStates, DefaultRule::Off, "-G"),
    flagField<Options>("OptionCapitalI", &Options::noErrorGotosForDefaultStates, DefaultRule::Off, "-I"),
};

} // namespace

std::span<const OptionField<CBrannockOptions>> CBrannockOptions::fields() { return kFields; }

} // namespace corvide
