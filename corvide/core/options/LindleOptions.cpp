#include "corvide/core/options/LindleOptions.h"

#include "corvide/core/options/SharedOptionFields.h"

namespace corvide {

namespace {

using Options = CLindleOptions;
using Shared = SharedOptionFields<Options>;

constexpr OptionField<Options> kFields[] = {
    Shared::banner(),
    Shared::targetLanguage(),
    Shared::model(),
    Shared::unicode(),
    flagField<Options>("OptionU", &Options::caseInsensitive, DefaultRule::Off, "-u"),
    flagField<Options>("OptionR", &Options::fullReject, DefaultRule::Off, "-r"),
    Shared::otherOptions(),
    Shared::quotedLibraryIncludes(),
    Shared::includeFile(),
    Shared::verboseFile(),
    Shared::shortFileNames(),
    Shared::compatibleNames(),
    Shared::outputExtension(),
    Shared::includeExtension(),
    Shared::compactTables(),
    Shared::rangeForBases(Options::kLeastRange, Options::kGreatestRange),
    Shared::noLineDirectives(),
    Shared::plainLineNames(),
    Shared::fullPathLineNames(),
    flagField<Options>("OptionD", &Options::noMinimisation, DefaultRule::Off, "-d"),
    Shared::noDefaultStates(),
    Shared::noErrorsForDefaultStates(),
    flagField<Options>("OptionCapitalR", &Options::noDefaultTransitions, DefaultRule::Off, "-R"),
};

} // namespace

std::span<const OptionField<CLindleOptions>> CLindleOptions::fields() { return kFields; }

} // namespace corvide
