#include "lindle/regex/UnicodeClassification.h"

#include <locale.h>
#include <wctype.h>

namespace lindle {

namespace {

// Unicode's classification whatever the user's locale, so that a scanner
// does not change with the machine that generated it.
locale_t unicodeLocale()
{
    static const locale_t locale = [] {
        locale_t made = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
        return made != static_cast<locale_t>(nullptr) ? made : newlocale(LC_CTYPE_MASK, "C", nullptr);
    }();
    return locale;
}

bool isSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

} // namespace

bool passesWideTest(ClassName name, char32_t unit)
{
    if (isSurrogate(unit))
        return false;
    const auto c = static_cast<wint_t>(unit);
    const locale_t locale = unicodeLocale();
    switch (narrowOf(name)) {
    case ClassName::Alnum: return iswalnum_l(c, locale);
    case ClassName::Alpha: return iswalpha_l(c, locale);
    case ClassName::Blank: return unit == ' ' || unit == '\t';
    case ClassName::Cntrl: return iswcntrl_l(c, locale);
    case ClassName::Digit: return iswdigit_l(c, locale);
    case ClassName::Graph: return iswgraph_l(c, locale);
    case ClassName::Lower: return iswlower_l(c, locale);
    case ClassName::Print: return iswprint_l(c, locale);
    case ClassName::Punct: return iswpunct_l(c, locale);
    case ClassName::Space: return iswspace_l(c, locale);
    case ClassName::Upper: return iswupper_l(c, locale);
    case ClassName::Xdigit: return iswxdigit_l(c, locale);
    default: return false;
    }
}

char32_t unicodeUpper(char32_t unit)
{
    return isSurrogate(unit) ? unit : static_cast<char32_t>(towupper_l(static_cast<wint_t>(unit), unicodeLocale()));
}

char32_t unicodeLower(char32_t unit)
{
    return isSurrogate(unit) ? unit : static_cast<char32_t>(towlower_l(static_cast<wint_t>(unit), unicodeLocale()));
}

} // namespace lindle
