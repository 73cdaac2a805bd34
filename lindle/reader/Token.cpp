#include "lindle/reader/Token.h"

#include <string_view>

namespace lindle {

namespace {

constexpr const char* kTokenNames[] = {
    "end of file", "%%", "%ascii", "%break", "%byte", "%char", "%codepage", "%codepage_ansi", "%codepage_oem",
    "%codepage_ascii", "%current", "%exclusive", "%include", "%name", "%return", "%start", "%table", "%a", "%e",
    "%k", "%n", "%o", "%option", "%p", "character", "character string", "character class", "macro name",
    "translation string", "$", "(", ")", "*", "+", ",", ".", "/", "<", ">", "?", "^", "{", "|", "}",
    "identifier", "integer", "separator", "action", "program code", "<<CHAR>>", "<<BYTE>>", "<<EOF>>",
    "declaration code block", "%{",
};

} // namespace

const char* tokenName(Token token) { return kTokenNames[static_cast<int>(token)]; }

Token characterToken(char c)
{
    static constexpr std::string_view kPunctuation = "$()*+,./<>?^{|}";
    const std::size_t at = kPunctuation.find(c);
    if (c == '\0' || at == std::string_view::npos)
        return Token::Character;
    return static_cast<Token>(static_cast<int>(Token::Dollar) + static_cast<int>(at));
}

} // namespace lindle
