#include "lindle/reader/Token.h"

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

} // namespace lindle
