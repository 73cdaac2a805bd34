#pragma once

#include <climits>
#include <string_view>

#include "corvide/core/options/OptionField.h"
#include "corvide/core/options/OptionSet.h"

namespace corvide {

// The rows that mean the same in both tools' tables; each table takes them
// in its own field order, beside its own rows.
template <class Options>
struct SharedOptionFields {
    using Row = OptionField<Options>;
    using Condition = SwitchCondition;

    static constexpr std::string_view kLanguageCodes[] = {"cpp", "j"};
    static constexpr std::string_view kModelCodes[] = {"m", "i"};

    static constexpr Row banner()
    {
        return flagField<Options>("OptionDollar", &COptionSet::bannerSuppressed, DefaultRule::On, "-$");
    }
    static constexpr Row targetLanguage()
    {
        return codeField<Options>("OptionCapitalT", &COptionSet::targetLanguage, DefaultRule::Language, "-T",
                                  kLanguageCodes);
    }
    static constexpr Row model()
    {
        return codeField<Options>("OptionM", &COptionSet::model, DefaultRule::Model, "-m", kModelCodes,
                                  Condition::OnlyForC);
    }
    static constexpr Row unicode()
    {
        return flagField<Options>("OptionCapitalW", &COptionSet::unicode, DefaultRule::Unicode, "-W",
                                  Condition::NotForJava);
    }
    static constexpr Row otherOptions() { return textField<Options>("OtherOptions", &COptionSet::otherOptions, ""); }
    static constexpr Row quotedLibraryIncludes()
    {
        return flagField<Options>("OptionQ", &COptionSet::quotedLibraryIncludes, DefaultRule::Off, "-q",
                                  Condition::NotForJava);
    }
    static constexpr Row includeFile()
    {
        return flagField<Options>("OptionI", &COptionSet::includeFile, DefaultRule::On, "-i", Condition::NotForJava);
    }
    static constexpr Row verboseFile()
    {
        return flagField<Options>("OptionV", &COptionSet::verboseFile, DefaultRule::On, "-v");
    }
    static constexpr Row shortFileNames()
    {
        return flagField<Options>("OptionZ", &COptionSet::shortFileNames, DefaultRule::ShortFileNames, "-z");
    }
    static constexpr Row compatibleNames()
    {
        return flagField<Options>("OptionC", &COptionSet::compatibleNames, DefaultRule::Off, "-c");
    }
    static constexpr Row outputExtension() { return textField<Options>("OptionE", &COptionSet::outputExtension, "-e"); }
    static constexpr Row includeExtension()
    {
        return textField<Options>("OptionX", &COptionSet::includeExtension, "-x", Condition::NotForJava);
    }
    static constexpr Row compactTables()
    {
        return flagField<Options>("OptionS", &COptionSet::compactTables, DefaultRule::CompactTables, "-s");
    }
    static constexpr Row rangeForBases(int minimum, int maximum)
    {
        return numberField<Options>("OptionCapitalL", &COptionSet::rangeForBases, "-L:", minimum, maximum);
    }
    static constexpr Row noLineDirectives()
    {
        return flagField<Options>("OptionL", &COptionSet::noLineDirectives, DefaultRule::Off, "-l");
    }
    static constexpr Row plainLineNames()
    {
        return flagField<Options>("OptionF", &COptionSet::plainLineNames, DefaultRule::PlainLineNames, "-f");
    }
    static constexpr Row fullPathLineNames()
    {
        return flagField<Options>("OptionG", &COptionSet::fullPathLineNames, DefaultRule::Off, "-g");
    }
    static constexpr Row noDefaultStates()
    {
        return flagField<Options>("OptionCapitalS", &COptionSet::noDefaultStates, DefaultRule::Off, "-S");
    }
    static constexpr Row noErrorsForDefaultStates()
    {
        return flagField<Options>("OptionCapitalE", &COptionSet::noErrorsForDefaultStates, DefaultRule::Off, "-E");
    }
};

} // namespace corvide
