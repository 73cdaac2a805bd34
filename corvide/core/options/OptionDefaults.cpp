#include "corvide/core/options/OptionDefaults.h"

#include <span>
#include <string_view>

namespace corvide {

namespace {

constexpr std::string_view kLanguageCodes[] = {"", "cpp", "j"};
constexpr std::string_view kModelCodes[] = {"", "m", "i"};
constexpr std::string_view kParserCodes[] = {"s", "", "c"};

std::string codeAt(std::span<const std::string_view> codes, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= codes.size())
        return {};
    return std::string(codes[static_cast<std::size_t>(index)]);
}

bool isCFamily(int language) { return language == kLanguageC || language == kLanguageCpp; }

} // namespace

bool defaultFlag(DefaultRule rule, const COptionDefaults& defaults)
{
    switch (rule) {
    case DefaultRule::On:
        return true;
    case DefaultRule::Unicode:
        return defaults.unicode;
    case DefaultRule::CompactTables:
        return defaults.compactTables;
    case DefaultRule::ShortFileNames:
        return isCFamily(defaults.language) && defaults.compiler == kCompilerVisualCpp16;
    case DefaultRule::PlainLineNames:
        return isCFamily(defaults.language) &&
               (defaults.compiler == kCompilerCppBuilder || defaults.compiler == kCompilerBorlandCpp);
    default:
        return false;
    }
}

std::string defaultCode(DefaultRule rule, const COptionDefaults& defaults)
{
    switch (rule) {
    case DefaultRule::Language:
        return codeAt(kLanguageCodes, defaults.language);
    case DefaultRule::Model:
        return codeAt(kModelCodes, defaults.model);
    case DefaultRule::Parser:
        return codeAt(kParserCodes, defaults.parser);
    default:
        return {};
    }
}

} // namespace corvide
