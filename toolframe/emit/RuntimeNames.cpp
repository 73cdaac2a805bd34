#include "toolframe/emit/RuntimeNames.h"

namespace toolframe::runtime {

namespace {

// Indexed by [unicode][model]; C++ has one header for every model.
constexpr std::string_view kParserHeaders[3][2][3] = {
    {{"yypars.h", "yympars.h", "yympars.h"}, {"yywpars.h", "yywmpars.h", "yywmpars.h"}},
    {{"yycpars.h", "yycpars.h", "yycpars.h"}, {"yywcpars.h", "yywcpars.h", "yywcpars.h"}},
    {{"", "", ""}, {"", "", ""}},
};

constexpr std::string_view kLexerHeaders[3][2][3] = {
    {{"yylex.h", "yymlex.h", "yymlex.h"}, {"yywlex.h", "yywmlex.h", "yywmlex.h"}},
    {{"yyclex.h", "yyclex.h", "yyclex.h"}, {"yywclex.h", "yywclex.h", "yywclex.h"}},
    {{"", "", ""}, {"", "", ""}},
};

} // namespace

std::string_view parserHeader(TargetLanguage language, CodeModel model, bool unicode)
{
    return kParserHeaders[static_cast<int>(language)][unicode ? 1 : 0][static_cast<int>(model)];
}

std::string_view lexerHeader(TargetLanguage language, CodeModel model, bool unicode)
{
    return kLexerHeaders[static_cast<int>(language)][unicode ? 1 : 0][static_cast<int>(model)];
}

std::string name(std::string_view stem, bool unicode)
{
    std::string result(unicode ? kUnicodeNamePrefix : kNamePrefix);
    result += stem;
    return result;
}

std::string macro(std::string_view stem, bool unicode)
{
    std::string result(unicode ? kUnicodeMacroPrefix : kMacroPrefix);
    result += stem;
    return result;
}

} // namespace toolframe::runtime
