#pragma once

#include <string>

#include "corvide/core/options/OptionDefaults.h"

namespace corvide {

// The fields that both generators' option sets have, under the same keys
// and switches. Codes are short lower-case strings; the empty code is the
// tool's own default. The comments name each field's key.
struct COptionSet {
    bool bannerSuppressed = true;      // OptionDollar
    std::string targetLanguage;        // OptionCapitalT: "" C, "cpp" C++, "j" Java
    std::string model;                 // OptionM: "" single, "m" multiple, "i" multiple instance
    bool unicode = false;              // OptionCapitalW
    std::string otherOptions;          // OtherOptions, passed on as typed
    bool quotedLibraryIncludes = false; // OptionQ
    bool includeFile = true;           // OptionI
    bool verboseFile = true;           // OptionV
    bool shortFileNames = false;       // OptionZ
    bool compatibleNames = false;      // OptionC: y.tab / lex.yy
    std::string outputExtension;       // OptionE, without the dot
    std::string includeExtension;      // OptionX, without the dot
    bool compactTables = false;        // OptionS
    int rangeForBases = kDefaultRange; // OptionCapitalL
    bool noLineDirectives = false;     // OptionL
    bool plainLineNames = false;       // OptionF
    bool fullPathLineNames = false;    // OptionG
    bool noDefaultStates = false;      // OptionCapitalS
    bool noErrorsForDefaultStates = false; // OptionCapitalE

    bool targetsJava() const { return targetLanguage == "j"; }
    bool targetsC() const { return targetLanguage.empty(); }
};

} // namespace corvide
