#include "brannock/grammar/TokenCode.h"

namespace brannock {

namespace {

constexpr std::string_view kDisplayNames[kTokenCodeCount] = {
    "end of file", "%%",        "%include", "%left",       "%name",   "%nonassoc",
    "%nonterm",    "%prec",     "%right",   "%start",      "%token",  "%type",
    "%union",      "program code", "character token", ",", "integer", ":",
    ";",           "tag",       "identifier", "declaration code block", "action", "|",
    "~",
};

} // namespace

std::string_view displayName(TokenCode code)
{
    const auto index = static_cast<unsigned>(code);
    return index < kTokenCodeCount ? kDisplayNames[index] : std::string_view();
}

} // namespace brannock
