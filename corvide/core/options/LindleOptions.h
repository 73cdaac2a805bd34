#pragma once

#include <span>
#include <string>
#include <string_view>

#include "corvide/core/options/OptionField.h"
#include "corvide/core/options/OptionSet.h"
#include "corvide/core/profile/ProfileFile.h"

namespace corvide {

// A project's settings for Lindle: the shared fields and the scanner
// generator's own, kept as one section of the project file and turned into
// the switches of Lindle's command line.
struct CLindleOptions : COptionSet {
    static constexpr std::string_view kSection = "LindleOptions";
    static constexpr int kLeastRange = 256;
    static constexpr int kGreatestRange = 65536;

    bool caseInsensitive = false;      // OptionU
    bool fullReject = false;           // OptionR
    bool noMinimisation = false;       // OptionD
    bool noDefaultTransitions = false; // OptionCapitalR

    CLindleOptions() { setDefaults(COptionDefaults{}); }
    explicit CLindleOptions(const COptionDefaults& defaults) { setDefaults(defaults); }

    // The parser index of the defaults does not concern Lindle.
    void setDefaults(const COptionDefaults& defaults);

    // False when any key failed to write; the others are written all the
    // same.
    bool writeSection(CProfileFile& file, std::string_view section = kSection) const;
    // Keys missing from the section keep the current values. A code that
    // is not allowed becomes the tool's default; a range outside 256 to
    // 65536 keeps the current value.
    void readSection(const CProfileFile& file, std::string_view section = kSection);

    bool differsFrom(const CLindleOptions& other) const;
    void copyFrom(const CLindleOptions& other) { *this = other; }

    // The switches in field order, each with one trailing space.
    std::string commandLineSwitches() const;

    static std::span<const OptionField<CLindleOptions>> fields();
};

} // namespace corvide
