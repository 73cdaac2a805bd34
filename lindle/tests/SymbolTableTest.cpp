#include <gtest/gtest.h>

#include <string>

#include "lindle/reader/SymbolTable.h"

namespace lindle {
namespace {

const toolframe::CodePage kUtf8(toolframe::CodePage::kUtf8);

TEST(SymbolTable, KeywordsMatchInAnyCaseWithTheirShortForms)
{
    const SymbolTable symbols(kUtf8);
    EXPECT_EQ(symbols.keyword("start"), Token::Start);
    EXPECT_EQ(symbols.keyword("StArT"), Token::Start);
    for (const char* shortForm : {"s", "st", "sta", "star", "S", "STAR"})
        EXPECT_EQ(symbols.keyword(shortForm), Token::Start) << shortForm;
    EXPECT_EQ(symbols.keyword("X"), Token::Exclusive);
    EXPECT_EQ(symbols.keyword("t"), Token::Table);
    EXPECT_EQ(symbols.keyword("CODEPAGE_OEM"), Token::CodePageOem);
    EXPECT_EQ(symbols.keyword("p"), Token::SizeP);
    EXPECT_EQ(symbols.keyword("starts"), std::nullopt);
    EXPECT_EQ(symbols.keyword("foo"), std::nullopt);
    EXPECT_EQ(symbols.keyword("alpha"), std::nullopt);
}

TEST(SymbolTable, ClassNamesMatchInAnyCaseInTheirOrder)
{
    const SymbolTable symbols(kUtf8);
    ASSERT_EQ(kClassNameSpellings.size(), static_cast<std::size_t>(ClassName::Trailbyte) + 1);
    for (std::size_t i = 0; i < kClassNameSpellings.size(); ++i) {
        std::string upper(kClassNameSpellings[i]);
        for (char& c : upper)
            c = static_cast<char>(c - 'a' + 'A');
        EXPECT_EQ(symbols.className(kClassNameSpellings[i]), static_cast<ClassName>(i)) << upper;
        EXPECT_EQ(symbols.className(upper), static_cast<ClassName>(i)) << upper;
    }
    EXPECT_EQ(symbols.className("Alpha"), ClassName::Alpha);
    EXPECT_EQ(spellingOf(ClassName::Wxdigit), "wxdigit");
    EXPECT_EQ(symbols.className("foo"), std::nullopt);
    EXPECT_EQ(symbols.className(""), std::nullopt);
    EXPECT_EQ(symbols.className("start"), std::nullopt);
}

TEST(SymbolTable, StartConditionsMatchExactlyAndBeginWithInitial)
{
    SymbolTable symbols(kUtf8);
    const StartCondition& initial = symbols.startCondition("INITIAL");
    EXPECT_EQ(initial.number, 0);
    EXPECT_FALSE(initial.exclusive);
    EXPECT_EQ(symbols.startCondition("initial").number, StartCondition::kUndeclared);

    StartCondition& word = symbols.startCondition("Word");
    word.number = 1;
    EXPECT_EQ(&symbols.startCondition("Word"), &word);
    EXPECT_EQ(symbols.startCondition("word").number, StartCondition::kUndeclared);

    // A condition may be spelt like a keyword or a class name.
    symbols.startCondition("start").number = 2;
    symbols.startCondition("alpha").number = 3;
    EXPECT_EQ(symbols.keyword("start"), Token::Start);
    EXPECT_EQ(symbols.className("alpha"), ClassName::Alpha);
    EXPECT_EQ(symbols.startCondition("start").number, 2);
}

TEST(SymbolTable, EntriesStayWhereTheyAre)
{
    SymbolTable symbols(kUtf8);
    StartCondition* first = &symbols.startCondition("n0");
    symbols.defineMacro("m0", "text");
    const std::string* macro = symbols.macro("m0");
    for (int i = 1; i < 2000; ++i) {
        symbols.startCondition("n" + std::to_string(i)).number = i;
        symbols.defineMacro("m" + std::to_string(i), "x");
    }
    EXPECT_EQ(&symbols.startCondition("n0"), first);
    EXPECT_EQ(symbols.startCondition("n1999").number, 1999);
    EXPECT_EQ(symbols.macro("m0"), macro);
    EXPECT_EQ(*macro, "text");
}

TEST(SymbolTable, MacrosMatchExactlyAndTakeTheNewestText)
{
    SymbolTable symbols(kUtf8);
    EXPECT_EQ(symbols.macro("D"), nullptr);
    EXPECT_TRUE(symbols.defineMacro("D", "[0-9]"));
    EXPECT_EQ(symbols.macro("d"), nullptr);
    EXPECT_FALSE(symbols.defineMacro("D", "[a-z]"));
    ASSERT_NE(symbols.macro("D"), nullptr);
    EXPECT_EQ(*symbols.macro("D"), "[a-z]");
    // Macros live apart from the names: a macro may be named like a
    // condition or a keyword.
    EXPECT_TRUE(symbols.defineMacro("INITIAL", "i"));
    EXPECT_TRUE(symbols.defineMacro("start", "s"));
    EXPECT_EQ(symbols.startCondition("INITIAL").number, 0);
    EXPECT_EQ(symbols.keyword("start"), Token::Start);
}

TEST(SymbolTable, IntegerTextsKeepTheirFirstValue)
{
    SymbolTable symbols(kUtf8);
    EXPECT_EQ(symbols.integer("0x1F", 31), 31u);
    EXPECT_EQ(symbols.integer("0x1F", 99), 31u);
    EXPECT_EQ(symbols.integer("0X1F", 32), 32u);
    // An integer text is no start condition.
    EXPECT_EQ(symbols.startCondition("0x1F").number, StartCondition::kUndeclared);
}

TEST(SymbolTable, TokenTextsAreKeptOnceForEachKind)
{
    SymbolTable symbols(kUtf8);
    const std::string_view string = symbols.text(TokenText::String, "\"ab\"");
    EXPECT_EQ(string, "\"ab\"");
    EXPECT_EQ(symbols.text(TokenText::String, std::string("\"ab\"")).data(), string.data());
    const std::string_view character = symbols.text(TokenText::Character, "\"ab\"");
    EXPECT_NE(character.data(), string.data());
    EXPECT_NE(symbols.text(TokenText::Class, "[ab]").data(), symbols.text(TokenText::Class, "[AB]").data());
}

} // namespace
} // namespace lindle
