#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "GrammarReading.h"
#include "brannock/grammar/SymbolTable.h"
#include "brannock/grammar/TokenSet.h"

using brannock::testing::compactOptions;
using brannock::testing::GrammarReading;
using brannock::testing::unicodeOptions;

TEST(TokenNumbering, ExplicitNumbersMoveTheNextNumberOn)
{
    GrammarReading reading("%token A 300 B\n%token C\n%%\ns : A B C ;\n");
    EXPECT_EQ(reading.messages(), "");
    EXPECT_EQ(reading.number("A"), 300);
    EXPECT_EQ(reading.number("B"), 301);
    EXPECT_EQ(reading.number("C"), 302);
}

TEST(TokenNumbering, CharacterTokensTakeTheirCode)
{
    GrammarReading reading("%%\ns : '+' '\\n' 'ab' \"+\" '\\x41' '\\101' '\\'' ;\n");
    EXPECT_EQ(reading.number("'+'"), 43);
    EXPECT_EQ(reading.number("'\\n'"), 10);
    EXPECT_EQ(reading.number("'ab'"), 257);
    EXPECT_EQ(reading.number("'\\''"), 39);
    // The same character in other spellings is another token with that number.
    EXPECT_EQ(reading.messages(), "g.y(2) : error Y2025: '\"+\"' : token number is not unique\n"
                                  "g.y(2) : error Y2025: ''\\101'' : token number is not unique\n");
}

TEST(TokenNumbering, LiteralNumberedAtFirstScanCannotBeRenumbered)
{
    GrammarReading reading("%token '+' 300\n%%\ns : '+' ;\n");
    EXPECT_EQ(reading.messages(), "g.y(1) : error Y2026: re-initialisation of ''+''\n");
}

TEST(TokenNumbering, UnicodeParserNumbersFrom65537)
{
    GrammarReading reading("%token A\n%%\ns : A 'ab' '\xe4\xb8\xad' ;\n", unicodeOptions());
    EXPECT_EQ(reading.messages(), "");
    EXPECT_EQ(reading.number("error"), 65536);
    EXPECT_EQ(reading.number("A"), 65537);
    EXPECT_EQ(reading.number("'ab'"), 65538);
    EXPECT_EQ(reading.number("'\xe4\xb8\xad'"), 0x4E2D);
}

TEST(TokenNumbering, ByteParserCodesAreTheCodePagesBytes)
{
    // A multibyte character of a byte parser is too big for a character.
    GrammarReading reading("%%\ns : '\xc3\xa9' ;\n");
    EXPECT_EQ(reading.messages(), "g.y(2) : error Y2016: '50089' : too big for character\n");
    EXPECT_EQ(reading.number("'\xc3\xa9'"), 0xA9);
}

TEST(TokenNumbering, CompactTablesLeaveUnnamedLiteralsUnnumbered)
{
    GrammarReading reading("%token '-' 'if' X\n%token '*' 290\n%%\ns : '+' '-' 'if' X '*' ;\n", compactOptions());
    EXPECT_EQ(reading.messages(), "");
    EXPECT_FALSE(reading.symbol("'+'")->numbered);
    EXPECT_FALSE(reading.symbol("'-'")->numbered);
    EXPECT_EQ(reading.number("'if'"), 257);
    EXPECT_EQ(reading.number("X"), 258);
    EXPECT_EQ(reading.number("'*'"), 290);
    // Unnumbered tokens sort right after the end of input, in list order.
    std::vector<std::string> order;
    for (const brannock::Symbol* token : reading.grammar().usedTokens())
        order.push_back(token->name);
    EXPECT_EQ(order, (std::vector<std::string>{"$end", "'+'", "'-'", "error", "'if'", "X", "'*'"}));
}

TEST(TokenNumbering, UsedTokensInNumberOrderWithTheirIndices)
{
    GrammarReading reading("%token B 400 A 300 UNUSED\n%%\ns : B '+' A ;\n");
    const auto& tokens = reading.grammar().usedTokens();
    std::vector<std::string> names;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        names.push_back(tokens[i]->name);
        EXPECT_EQ(tokens[i]->tokenIndex, static_cast<int>(i));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"$end", "'+'", "error", "A", "B"}));
    EXPECT_EQ(reading.symbol("UNUSED")->tokenIndex, -1);
}

TEST(TokenNumbering, TokenNamedOnlyByPrecIsUsedButNoGrammarSymbol)
{
    GrammarReading reading("%token N\n%left '-'\n%right UMINUS\n%%\ne : N | e '-' e | '-' e %prec UMINUS ;\n", {},
                           true);
    EXPECT_EQ(reading.messages(), "");
    EXPECT_EQ(reading.symbol("UMINUS")->tokenIndex, -1);
    std::vector<std::string> names;
    for (const brannock::Symbol* token : reading.grammar().usedTokens())
        names.push_back(token->name);
    EXPECT_EQ(names, (std::vector<std::string>{"$end", "'-'", "error", "N"}));
}

TEST(GrammarModel, StartRuleComesFirst)
{
    GrammarReading reading("%start e\n%token N\n%%\ns : e ;\ne : N ;\n");
    const auto& rules = reading.grammar().rules();
    ASSERT_EQ(rules.size(), 3u);
    EXPECT_EQ(rules[0]->leftSide->name, "$accept");
    ASSERT_EQ(rules[0]->rightSide.size(), 1u);
    EXPECT_EQ(rules[0]->rightSide[0]->name, "e");
    EXPECT_EQ(reading.grammar().nonterminals()[0]->symbol->name, "$accept");
    EXPECT_EQ(reading.grammar().nonterminals()[1]->symbol->name, "s");
    for (std::size_t i = 0; i < rules.size(); ++i)
        EXPECT_EQ(rules[i]->number, static_cast<int>(i));
}

TEST(GrammarModel, FirstLeftSideIsTheStartWithoutStartDeclaration)
{
    GrammarReading reading("%%\nlist : list item | ;\nitem : 'x' ;\n");
    EXPECT_EQ(reading.grammar().start()->name, "list");
    EXPECT_EQ(reading.grammar().nonterminals()[1]->rules.size(), 2u);
}

TEST(GrammarModel, PrecedenceLevelsGrowLineByLine)
{
    GrammarReading reading("%left '+' '-'\n%left '*'\n%right UMINUS\n%nonassoc '<'\n%%\n"
                           "e : e '+' e | e '*' e | '-' e %prec UMINUS | e '<' e | 'n' ;\n");
    EXPECT_EQ(reading.symbol("'+'")->precedence, 0);
    EXPECT_EQ(reading.symbol("'-'")->precedence, 0);
    EXPECT_EQ(reading.symbol("'*'")->precedence, 1);
    EXPECT_EQ(reading.symbol("UMINUS")->associativity, brannock::Associativity::Right);
    EXPECT_EQ(reading.symbol("'<'")->associativity, brannock::Associativity::Nonassociative);
    EXPECT_EQ(reading.grammar().rules()[3]->precedenceSymbol->name, "UMINUS");
}

TEST(GrammarModel, DestructorsResolveThroughTypes)
{
    GrammarReading reading("%token <s> A\n%token <t> B\n%token C\n%type <s> e\n%%\n"
                           "e : A B C { } ;\n~ <s> : { } ;\n~ : { } ;\n");
    EXPECT_EQ(reading.symbol("A")->destructor, 1);
    EXPECT_EQ(reading.symbol("e")->destructor, 1);
    EXPECT_EQ(reading.symbol("B")->destructor, -1); // typed, and its type has none
    EXPECT_EQ(reading.symbol("C")->destructor, 2);  // untyped
    EXPECT_EQ(reading.symbol("error")->destructor, -1);
}

TEST(GrammarModel, MidRuleActionDestructorAndType)
{
    GrammarReading reading("%type <v> a\n%%\na : <w>{ } ~ { } 'x' { } ;\n");
    const brannock::Symbol* midRule = reading.symbol("$$1");
    ASSERT_NE(midRule, nullptr);
    EXPECT_EQ(midRule->type->name, "<w>");
    EXPECT_EQ(midRule->destructor, 1);
}

TEST(SymbolTable, HashOverCharactersWithWrapAround)
{
    const toolframe::CodePage utf8(toolframe::CodePage::kUtf8);
    // "ab": ((0 * 2) ^ 97) * 2 ^ 98 = 194 ^ 98 = 160; 160 % 211.
    EXPECT_EQ(brannock::SymbolTable::bucketOf("ab", utf8, false), 160);
    // Long names wrap the 32-bit hash negative; the bucket stays in range.
    const std::string longName(40, 'z');
    std::int32_t h = 0;
    for (char c : longName)
        h = static_cast<std::int32_t>((static_cast<std::uint32_t>(h) * 2) ^ static_cast<unsigned char>(c));
    EXPECT_EQ(brannock::SymbolTable::bucketOf(longName, utf8, false), std::abs(h % 211));
    // A multibyte character counts as its bytes concatenated.
    EXPECT_EQ(brannock::SymbolTable::bucketOf("\xc3\xa9", utf8, false), 0xC3A9 % 211);
    EXPECT_EQ(brannock::SymbolTable::bucketOf("%TOKEN", utf8, true), brannock::SymbolTable::bucketOf("%token", utf8, true));
}

TEST(SymbolTable, KeywordsIgnoreCaseNamesDoNot)
{
    const toolframe::CodePage utf8(toolframe::CodePage::kUtf8);
    brannock::SymbolTable table(utf8);
    table.addKeyword("%token", brannock::TokenCode::Token);
    EXPECT_NE(table.find("%ToKeN", true), nullptr);
    EXPECT_EQ(table.find("%ToKeN", false), nullptr);
    brannock::Symbol& lower = table.lookup("expr", 3);
    brannock::Symbol& upper = table.lookup("EXPR", 4);
    EXPECT_NE(&lower, &upper);
    EXPECT_EQ(&table.lookup("expr", 9), &lower);
    EXPECT_EQ(lower.line, 3);
    EXPECT_EQ(table.all().size(), 3u);
}

TEST(TokenSet, BytesUnionAndLowestFirstIteration)
{
    brannock::TokenSet a(17), b(17);
    EXPECT_EQ(a.byteCount(), 3u);
    EXPECT_EQ(brannock::TokenSet(16).byteCount(), 2u);
    EXPECT_EQ(brannock::TokenSet(0).byteCount(), 0u);
    a.insert(16);
    a.insert(3);
    b.insert(3);
    EXPECT_FALSE(a.unite(b));
    b.insert(9);
    EXPECT_TRUE(a.unite(b));
    std::vector<std::size_t> members;
    a.forEach([&](std::size_t index) { members.push_back(index); });
    EXPECT_EQ(members, (std::vector<std::size_t>{3, 9, 16}));
    EXPECT_TRUE(a.contains(9));
    EXPECT_FALSE(a.contains(8));
}

// Copies share their members until one of them changes; a change to one
// never shows in another.
TEST(TokenSet, CopiesStayApartWhenOneChanges)
{
    brannock::TokenSet a(300);
    a.insert(5);
    a.insert(200);
    brannock::TokenSet b = a;
    EXPECT_TRUE(a == b);
    b.insert(64);
    EXPECT_FALSE(a.contains(64));
    EXPECT_TRUE(b.contains(64));
    EXPECT_EQ(a.size(), 2u);
    EXPECT_EQ(b.size(), 3u);

    brannock::TokenSet subset(300);
    subset.insert(200);
    EXPECT_TRUE(subset.unite(b)); // now equal to b
    EXPECT_TRUE(subset == b);
    subset.insert(299);
    EXPECT_FALSE(b.contains(299));
    EXPECT_EQ(b.size(), 3u);
    EXPECT_FALSE(b.unite(a));
    EXPECT_TRUE(a.unite(subset));
    std::vector<std::size_t> members;
    a.forEach([&](std::size_t index) { members.push_back(index); });
    EXPECT_EQ(members, (std::vector<std::size_t>{5, 64, 200, 299}));
    EXPECT_EQ(a.lowest(), 5u);
    EXPECT_EQ(b.size(), 3u);

    brannock::TokenSet empty(300);
    EXPECT_TRUE(empty.empty());
    EXPECT_EQ(empty.size(), 0u);
    EXPECT_FALSE(a.unite(empty));
    EXPECT_FALSE(empty == a);
}

// Unions of random sets agree with a plain bit vector, whatever the sharing.
TEST(TokenSet, UnionsAgreeWithAPlainBitVector)
{
    std::mt19937 random(5);
    constexpr std::size_t kTokens = 700;
    std::vector<brannock::TokenSet> sets;
    std::vector<std::vector<bool>> plain;
    for (int round = 0; round < 400; ++round) {
        const std::size_t choice = random() % 4;
        if (sets.empty() || choice == 0) {
            sets.emplace_back(kTokens);
            plain.emplace_back(kTokens, false);
            const std::size_t count = random() % 20;
            const std::size_t cluster = random() % kTokens;
            for (std::size_t i = 0; i < count; ++i) {
                const std::size_t index = (cluster + random() % 150) % kTokens;
                sets.back().insert(index);
                plain.back()[index] = true;
            }
        } else if (choice == 1) {
            const std::size_t from = random() % sets.size();
            sets.push_back(sets[from]);
            plain.push_back(plain[from]);
        } else {
            const std::size_t into = random() % sets.size();
            const std::size_t from = random() % sets.size();
            bool grows = false;
            for (std::size_t i = 0; i < kTokens; ++i)
                grows = grows || (plain[from][i] && !plain[into][i]);
            EXPECT_EQ(sets[into].unite(sets[from]), grows);
            for (std::size_t i = 0; i < kTokens; ++i)
                plain[into][i] = plain[into][i] || plain[from][i];
        }
    }
    for (std::size_t s = 0; s < sets.size(); ++s) {
        std::vector<std::size_t> members;
        sets[s].forEach([&](std::size_t index) { members.push_back(index); });
        std::vector<std::size_t> expected;
        for (std::size_t i = 0; i < kTokens; ++i)
            if (plain[s][i])
                expected.push_back(i);
        EXPECT_EQ(members, expected);
        EXPECT_EQ(sets[s].size(), expected.size());
        for (std::size_t t = 0; t < sets.size(); ++t)
            EXPECT_EQ(sets[s] == sets[t], plain[s] == plain[t]);
    }
}

TEST(TokenOrder, StableSortMatchesTheExchangeSort)
{
    // Unique numbers apart from zeros, as in a grammar without errors.
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::pair<long, int>> tokens; // number, identity
        const int count = 1 + static_cast<int>(random() % 40);
        std::vector<long> numbers;
        for (int i = 0; i < count; ++i)
            numbers.push_back(random() % 3 == 0 ? 0 : 1 + i * 7 + static_cast<long>(random() % 7));
        std::shuffle(numbers.begin(), numbers.end(), random);
        for (int i = 0; i < count; ++i)
            tokens.emplace_back(numbers[static_cast<std::size_t>(i)], i);
        auto exchanged = tokens;
        for (std::size_t i = 0; i < exchanged.size(); ++i)
            for (std::size_t j = i + 1; j < exchanged.size(); ++j)
                if (exchanged[i].first > exchanged[j].first)
                    std::swap(exchanged[i], exchanged[j]);
        auto stable = tokens;
        std::stable_sort(stable.begin(), stable.end(), [](auto& a, auto& b) { return a.first < b.first; });
        EXPECT_EQ(stable, exchanged);
    }
}

TEST(TokenNumbering, KeywordsInAnyCaseAndWithEitherIntroducer)
{
    GrammarReading reading("%TOKEN A\n\\token B\n%Left C\n\\%\ns : A B C ;\n");
    EXPECT_EQ(reading.messages(), "");
    EXPECT_EQ(reading.number("A"), 257);
    EXPECT_EQ(reading.number("B"), 258);
    EXPECT_EQ(reading.symbol("C")->associativity, brannock::Associativity::Left);
}

TEST(TokenNumbering, CharacterBeyondSixteenBitsIsTwoUnitsInAUnicodeParser)
{
    GrammarReading reading("%%\ns : '\xf0\x9f\x98\x80' '\\x41' ;\n", unicodeOptions());
    EXPECT_EQ(reading.messages(), "");
    // Two UTF-16 code units: a two-character token that is not name-like.
    const brannock::Symbol* emoji = reading.symbol("'\xf0\x9f\x98\x80'");
    ASSERT_NE(emoji, nullptr);
    EXPECT_FALSE(emoji->nameLike);
    EXPECT_EQ(emoji->number, 65537);
    EXPECT_EQ(reading.number("'\\x41'"), 65);
}
