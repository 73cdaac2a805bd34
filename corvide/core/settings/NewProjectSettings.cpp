#include "corvide/core/settings/NewProjectSettings.h"

namespace corvide {

CNewProjectSettings CNewProjectSettings::read(const CSettingsStore& store)
{
    const CNewProjectSettings defaults;
    return CNewProjectSettings{store.profileInt(kKey, kLanguageValue, defaults.targetLanguage),
                               store.profileInt(kKey, kCompilerValue, defaults.compiler)};
}

bool CNewProjectSettings::write(CSettingsStore& store) const
{
    const bool language = store.setDword(kKey, kLanguageValue, static_cast<std::uint32_t>(targetLanguage));
    const bool compilerWritten = store.setDword(kKey, kCompilerValue, static_cast<std::uint32_t>(compiler));
    return language && compilerWritten;
}

} // namespace corvide
