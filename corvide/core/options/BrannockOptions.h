#pragma once

#include <span>
#include <string>
#include <string_view>

#include "corvide/core/options/OptionField.h"
#include "corvide/core/options/OptionSet.h"
#include "corvide/core/profile/ProfileFile.h"

namespace corvide {

// A project's settings for Brannock: the shared fields and the grammar
// generator's own, kept as one section of the project file and turned into
// the switches of Brannock's command line.
struct CBrannockOptions : COptionSet {
    static constexpr std::string_view kSection = "BrannockOptions";

    std::string parserKind;                      // OptionP: "s" SLR, "" LALR, "c" canonical LR
    int tokenDestructorRange = kDefaultRange;    // OptionCapitalM
    std::string defaultReductions;               // OptionCapitalR: "", "n", "o", "e", "f"
    bool noDefaultReductionsOnErrorShift = false; // OptionCapitalN
    bool noDefaultGotoStates = false;            // OptionCapitalG
    bool noErrorGotosForDefaultStates = false;   // OptionCapitalI

    CBrannockOptions() { setDefaults(COptionDefaults{}); }
    explicit CBrannockOptions(const COptionDefaults& defaults) { setDefaults(defaults); }

    void setDefaults(const COptionDefaults& defaults);

    // False when any key failed to write; the others are written all the
    // same. Deletes OptionD, the include-file flag of older files.
    bool writeSection(CProfileFile& file, std::string_view section = kSection) const;
    // Keys missing from the section keep the current values. A code that
    // is not allowed becomes the tool's default; a range below 1 is
    // ignored.
    void readSection(const CProfileFile& file, std::string_view section = kSection);

    bool differsFrom(const CBrannockOptions& other) const;
    void copyFrom(const CBrannockOptions& other) { *this = other; }

    // The switches in field order, each with one trailing space.
    std::string commandLineSwitches() const;

    static std::span<const OptionField<CBrannockOptions>> fields();
};

} // namespace corvide
