#pragma once

#include <span>
#include <string>
#include <string_view>

#include "corvide/core/options/OptionField.h"
#include "corvide/core/options/OptionRecord.h"

namespace corvide {

// A project's settings for Brannock: the shared fields and the grammar
// generator's own, kept as one section of the project file and turned into
// the switches of Brannock's command line. Writing deletes OptionD, under
// which older files held the include-file flag, and reading takes it as
// the default for OptionI. Ranges below 1 are not read.
struct CBrannockOptions : COptionRecord<CBrannockOptions> {
    static constexpr std::string_view kSection = "BrannockOptions";

    std::string parserKind;                       // OptionP: "s" SLR, "" LALR, "c" canonical LR
    int tokenDestructorRange = kDefaultRange;     // OptionCapitalM
    std::string defaultReductions;                // OptionCapitalR: "", "n", "o", "e", "f"
    bool noDefaultReductionsOnErrorShift = false; // OptionCapitalN
    bool noDefaultGotoStates = false;             // OptionCapitalG
    bool noErrorGotosForDefaultStates = false;    // OptionCapitalI

    CBrannockOptions() { setDefaults(COptionDefaults{}); }
    explicit CBrannockOptions(const COptionDefaults& defaults) { setDefaults(defaults); }

    static std::span<const OptionField<CBrannockOptions>> fields();
};

} // namespace corvide
