#include "corvide/core/options/LindleOptions.h"

#include "corvide/core/options/OptionTable.h"
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

void CLindleOptions::setDefaults(const COptionDefaults& defaults)
{
    optiontable::applyDefaults(*this, fields(), defaults);
}

bool CLindleOptions::writeSection(CProfileFile& file, std::string_view section) const
{
    return optiontable::write(*this, fields(), file, section);
}

void CLindleOptions::readSection(const CProfileFile& file, std::string_view section)
{
    optiontable::read(*this, fields(), file, section);
}

bool CLindleOptions::differsFrom(const CLindleOptions& other) const
{
    return optiontable::differ(*this, other, fields());
}

std::string CLindleOptions::commandLineSwitches() const { return optiontable::switches(*this, fields()); }

} // namespace corvide
