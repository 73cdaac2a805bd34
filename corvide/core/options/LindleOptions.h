#pragma once

#include <span>
#include <string_view>

#include "corvide/core/options/OptionField.h"
#include "corvide/core/options/OptionRecord.h"

namespace corvide {

// A project's settings for Lindle: the shared fields and the scanner
// generator's own, kept as one section of the project file and turned into
// the switches of Lindle's command line. A range outside 256 to 65536 is
// not read. The parser index of the defaults does not concern Lindle.
struct CLindleOptions : COptionRecord<CLindleOptions> {
    static constexpr std::string_view kSection = "LindleOptions";
    static constexpr int kLeastRange = 256;
    static constexpr int kGreatestRange = 65536;

    bool caseInsensitive = false;      // OptionU
    bool fullReject = false;           // OptionR
    bool noMinimisation = false;       // OptionD
    bool noDefaultTransitions = false; // OptionCapitalR

    CLindleOptions() { setDefaults(COptionDefaults{}); }
    explicit CLindleOptions(const COptionDefaults& defaults) { setDefaults(defaults); }

    static std::span<const OptionField<CLindleOptions>> fields();
};

} // namespace corvide
