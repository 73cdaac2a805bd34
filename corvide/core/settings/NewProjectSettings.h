#pragma once

#include "corvide/core/options/OptionDefaults.h"
#include "corvide/core/settings/SettingsStore.h"

namespace corvide {

// The language and compiler last chosen for a new project (key
// "NewProject", values "TargetLanguage" and "Compiler"). They also give the
// defaults of the option sets when a project is opened, for the keys its
// file lacks.
struct CNewProjectSettings {
    static constexpr std::string_view kKey = "NewProject";
    static constexpr std::string_view kLanguageValue = "TargetLanguage";
    static constexpr std::string_view kCompilerValue = "Compiler";

    int targetLanguage = kLanguageC;
    int compiler = kCompilerGcc;

    static CNewProjectSettings read(const CSettingsStore& store);
    bool write(CSettingsStore& store) const;

    // What opening a project passes: compact tables and Unicode off, the
    // single model and LALR.
    COptionDefaults projectDefaults() const { return COptionDefaults::forProject(targetLanguage, compiler); }
};

} // namespace corvide
