#include "toolframe/output/StringEscaping.h"

#include <gtest/gtest.h>

using toolframe::CodePage;
using toolframe::escapeForLiteral;
using toolframe::LiteralDialect;

namespace {

const CodePage kUtf8(CodePage::kUtf8);

std::string c(std::string_view text) { return escapeForLiteral(text, LiteralDialect::C, kUtf8); }
std::string java(std::string_view text) { return escapeForLiteral(text, LiteralDialect::Java, kUtf8); }

struct Row {
    char character;
    const char* c;
    const char* java;
};

// The whole table: named escapes, octal for other control characters, and
// '?' escaped only in C (against trigraphs).
constexpr Row kTable[] = {
    {'\a', "\\a", "\\007"}, {'\b', "\\b", "\\b"},   {'\t', "\\t", "\\t"},   {'\n', "\\n", "\\n"},
    {'\v', "\\v", "\\013"}, {'\f', "\\f", "\\f"},   {'\r', "\\r", "\\r"},   {'"', "\\\"", "\\\""},
    {'\'', "\\'", "\\'"},   {'?', "\\?", "?"},      {'\\', "\\\\", "\\\\"}, {'\x01', "\\001", "\\001"},
    {'\x1b', "\\033", "\\033"}, {'\x1f', "\\037", "\\037"}, {'\x7f', "\\177", "\\177"}, {' ', " ", " "},
    {'a', "a", "a"},        {'~', "~", "~"},
};

} // namespace

TEST(StringEscaping, EveryRowOfTheTable)
{
    for (const Row& row : kTable) {
        const std::string text(1, row.character);
        EXPECT_EQ(c(text), row.c) << int(row.character);
        EXPECT_EQ(java(text), row.java) << int(row.character);
    }
}

TEST(StringEscaping, NulIsOctal)
{
    EXPECT_EQ(c(std::string_view("\0", 1)), "\\000");
}

TEST(StringEscaping, PrintableAsciiIsKept)
{
    for (int ch = 0x20; ch < 0x7F; ++ch) {
        if (ch == '"' || ch == '\'' || ch == '?' || ch == '\\')
            continue;
        const std::string text(1, static_cast<char>(ch));
        EXPECT_EQ(c(text), text);
        EXPECT_EQ(java(text), text);
    }
}

TEST(StringEscaping, MultibyteCharactersStayWhole)
{
    EXPECT_EQ(c("caf\xc3\xa9"), "caf\xc3\xa9");
    // A Shift JIS character whose trail byte is '\' must not be escaped.
    EXPECT_EQ(escapeForLiteral("\x95\x5c.y", LiteralDialect::C, CodePage(932)), "\x95\x5c.y");
    EXPECT_EQ(escapeForLiteral("\x95\x5c.y", LiteralDialect::C, CodePage(1252)), "\x95\\\\.y");
}

TEST(StringEscaping, FileNameWithBlankQuoteAndBackslash)
{
    EXPECT_EQ(c("my dir\\it's \"g\".y"), "my dir\\\\it\\'s \\\"g\\\".y");
}
