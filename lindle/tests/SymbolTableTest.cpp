#include <gtest/gtest.h>

#include "lindle/reader/SymbolTable.h"

namespace lindle {
namespace {

TEST(SymbolTable, HashDoublesAndCombines)
{
    // "ab": h = 'a', then 'b' ^ 2 * 'a'.
    EXPECT_EQ(nameHash("ab", false), 'b' ^ (2 * 'a'));
    EXPECT_EQ(nameHash("AB", true), nameHash("ab", false));
    EXPECT_NE(nameHash("AB", false), nameHash("ab", false));
    // Long names wrap around to negative values, which still find a bucket.
    EXPECT_LT(nameHash(std::string(40, 'z'), false), 0);
}

TEST(SymbolTable, CaseBlindTablesMatchAnyCase)
{
    NameTable<int> keywords(true);
    EXPECT_TRUE(keywords.enter("start", 15).second);
    ASSERT_NE(keywords.find("START"), nullptr);
    EXPECT_EQ(*keywords.find("StArT"), 15);
    EXPECT_FALSE(keywords.enter("Start", 0).second);

    NameTable<int> names(false);
    names.enter("Word", 1);
    EXPECT_EQ(names.find("word"), nullptr);
    EXPECT_EQ(names.find(std::string(40, 'z')), nullptr);
    names.enter(std::string(40, 'z'), 2);
    EXPECT_EQ(*names.find(std::string(40, 'z')), 2);
}

TEST(SymbolTable, EntriesStayWhereTheyAre)
{
    NameTable<int> names(false);
    int* first = names.enter("n0", 0).first;
    for (int i = 1; i < 2000; ++i)
        names.enter("n" + std::to_string(i), i);
    EXPECT_EQ(names.find("n0"), first);
    EXPECT_EQ(*names.find("n1999"), 1999);
}

} // namespace
} // namespace lindle
