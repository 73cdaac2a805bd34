#include "toolframe/output/StringEscaping.h"

namespace toolframe {

namespace {

struct Escape {
    char character;
    const char* c;    // nullptr: octal
    const char* java; // nullptr: octal; "" : as is
};

constexpr Escape kEscapes[] = {
    {'\a', "\\a", nullptr},  {'\b', "\\b", "\\b"},   {'\t', "\\t", "\\t"},
    {'\n', "\\n", "\\n"},    {'\v', "\\v", nullptr}, {'\f', "\\f", "\\f"},
    {'\r', "\\r", "\\r"},    {'"', "\\\"", "\\\""},  {'\'', "\\'", "\\'"},
    {'?', "\\?", ""},        {'\\', "\\\\", "\\\\"},
};

bool isPrintableAscii(unsigned char c) { return c >= 0x20 && c < 0x7F; }

void appendOctal(std::string& out, unsigned char c)
{
    out += '\\';
    out += static_cast<char>('0' + ((c >> 6) & 7));
    out += static_cast<char>('0' + ((c >> 3) & 7));
    out += static_cast<char>('0' + (c & 7));
}

void appendSingleByte(std::string& out, char character, LiteralDialect dialect)
{
    for (const Escape& escape : kEscapes) {
        if (escape.character != character)
            continue;
        const char* text = dialect == LiteralDialect::C ? escape.c : escape.java;
        if (text == nullptr)
            appendOctal(out, static_cast<unsigned char>(character));
        else if (*text == '\0')
            out += character;
        else
            out += text;
        return;
    }
    const auto byte = static_cast<unsigned char>(character);
    if (byte < 0x80 && !isPrintableAscii(byte))
        appendOctal(out, byte);
    else
        out += character;
}

} // namespace

std::string escapeForLiteral(std::string_view text, LiteralDialect dialect, const CodePage& codePage)
{
    std::string out;
    out.reserve(text.size());
    codePage.forEachCharacter(text, [&](std::string_view character) {
        if (character.size() == 1)
            appendSingleByte(out, character[0], dialect);
        else
            out += character;
    });
    return out;
}

} // namespace toolframe
