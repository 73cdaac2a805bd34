#include <gtest/gtest.h>

#include <string>

#include "toolframe/source/HashBuckets.h"
#include "toolframe/source/NameHash.h"

namespace toolframe {
namespace {

const CodePage kUtf8(CodePage::kUtf8);

TEST(NameHash, DoublesAndCombinesEachCharacter)
{
    // "ab": h = 'a', then 'b' ^ 2 * 'a'.
    EXPECT_EQ(nameHash("ab", NameCase::Exact, kUtf8), 'b' ^ (2 * 'a'));
    EXPECT_EQ(nameHash("AB", NameCase::Blind, kUtf8), nameHash("ab", NameCase::Exact, kUtf8));
    EXPECT_NE(nameHash("AB", NameCase::Exact, kUtf8), nameHash("ab", NameCase::Exact, kUtf8));
    // A multibyte character is one value, its bytes most significant first.
    EXPECT_EQ(nameHash("\xc3\xa9", NameCase::Exact, kUtf8), 0xC3A9);
    EXPECT_EQ(nameHash("a\xc3\xa9", NameCase::Exact, kUtf8), 0xC3A9 ^ (2 * 'a'));
    // Only ASCII letters fold: the bytes of a multibyte character stay.
    EXPECT_EQ(nameHash("\xc3\x89", NameCase::Blind, kUtf8), 0xC389);
    // Long names wrap around to negative values.
    EXPECT_LT(nameHash(std::string(40, 'z'), NameCase::Exact, kUtf8), 0);
}

TEST(NameHash, BucketIsTheAbsoluteRemainder)
{
    EXPECT_EQ(nameBucket(0), 0u);
    EXPECT_EQ(nameBucket(211 * 5 + 7), 7u);
    EXPECT_EQ(nameBucket(-(211 * 5 + 7)), 7u);
    EXPECT_EQ(nameBucket(INT32_MIN), static_cast<std::size_t>(-(INT32_MIN % 211)));
}

struct Named {
    std::string name;
    int value;
};

auto named(const std::string& name)
{
    return [name](const Named& entry) { return entry.name == name; };
}

TEST(HashBuckets, FindsTheNewestMatchOfItsBucket)
{
    HashBuckets<Named> names;
    names.add(7, Named{"a", 1});
    names.add(7 + kNameBuckets, Named{"b", 2});
    names.add(-7, Named{"a", 3});
    // Hashes of one bucket share it; what a match rejects is passed over.
    EXPECT_EQ(names.find(7, named("a"))->value, 3);
    EXPECT_EQ(names.find(-7 - kNameBuckets, named("b"))->value, 2);
    EXPECT_EQ(names.find(8, named("a")), nullptr);
    EXPECT_EQ(names.find(7, named("c")), nullptr);
}

TEST(HashBuckets, EntriesStayWhereTheyAre)
{
    HashBuckets<Named> names;
    const Named* first = &names.add(nameHash("n0", NameCase::Exact, kUtf8), Named{"n0", 0});
    for (int i = 1; i < 2000; ++i) {
        const std::string name = "n" + std::to_string(i);
        names.add(nameHash(name, NameCase::Exact, kUtf8), Named{name, i});
    }
    EXPECT_EQ(names.find(nameHash("n0", NameCase::Exact, kUtf8), named("n0")), first);
    EXPECT_EQ(names.find(nameHash("n1999", NameCase::Exact, kUtf8), named("n1999"))->value, 1999);
}

} // namespace
} // namespace toolframe
