#include "toolframe/platform/Locale.h"

#include <langinfo.h>

#include <cctype>
#include <clocale>
#include <string>

namespace toolframe {

namespace {

struct CharacterSetName {
    std::string_view name; // upper case, without '-' and '_'
    int codePage;
};

constexpr CharacterSetName kCharacterSets[] = {
    {"UTF8", CodePage::kUtf8},  {"ANSIX3.41968", CodePage::kAscii},
    {"ASCII", CodePage::kAscii}, {"USASCII", CodePage::kAscii},
    {"SHIFTJIS", 932},          {"SJIS", 932},
    {"CP932", 932},             {"GBK", 936},
    {"CP936", 936},             {"GB2312", 936},
    {"CP949", 949},             {"UHC", 949},
    {"EUCKR", 949},             {"BIG5", 950},
    {"CP950", 950},             {"KOI8R", 20866},
    {"KOI8U", 21866},           {"ISO885915", 28605},
};

std::string canonicalName(std::string_view name)
{
    std::string canonical;
    for (char c : name)
        if (c != '-' && c != '_')
            canonical += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return canonical;
}

int numberAfter(std::string_view name, std::string_view prefix)
{
    if (name.substr(0, prefix.size()) != prefix || name.size() == prefix.size())
        return 0;
    int value = 0;
    for (char c : name.substr(prefix.size())) {
        if (c < '0' || c > '9' || value > 100000)
            return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

int codePageForCharacterSet(std::string_view characterSet)
{
    const std::string name = canonicalName(characterSet);
    for (const CharacterSetName& known : kCharacterSets)
        if (known.name == name)
            return known.codePage;
    if (int part = numberAfter(name, "ISO8859"); part >= 1 && part <= 9)
        return 28590 + part;
    if (int windows = numberAfter(name, "CP"); windows >= 1250 && windows <= 1258)
        return windows;
    if (int windows = numberAfter(name, "WINDOWS"); windows >= 1250 && windows <= 1258)
        return windows;
    return 0;
}

CodePage setAnsiCharacterLocale()
{
    std::setlocale(LC_CTYPE, "");
    int codePage = codePageForCharacterSet(nl_langinfo(CODESET));
    if (codePage == CodePage::kAscii && std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr)
        codePage = CodePage::kUtf8;
    // A character set we cannot name keeps the user's locale and is stepped
    // through byte by byte.
    return CodePage(codePage);
}

} // namespace toolframe
