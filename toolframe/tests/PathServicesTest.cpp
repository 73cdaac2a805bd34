#include "toolframe/platform/PathServices.h"

#include <gtest/gtest.h>

namespace path = toolframe::path;
using toolframe::CodePage;

namespace {
const CodePage kUtf8(CodePage::kUtf8);
const CodePage kShiftJis(932);
} // namespace

TEST(PathServices, FileNamePartFollowsEitherSeparator)
{
    EXPECT_EQ(path::fileNamePart("dir\\g.y", kUtf8), "g.y");
    EXPECT_EQ(path::fileNamePart("dir/sub/g.y", kUtf8), "g.y");
    EXPECT_EQ(path::fileNamePart("a/b\\c", kUtf8), "c");
    EXPECT_EQ(path::fileNamePart("g.y", kUtf8), "g.y");
    EXPECT_EQ(path::fileNamePart("dir/", kUtf8), "");
}

TEST(PathServices, DrivePrefixCountsOnlyAtTheStart)
{
    EXPECT_EQ(path::fileNamePart("c:g.y", kUtf8), "g.y");
    EXPECT_EQ(path::directoryPart("c:g.y", kUtf8), "c:");
    EXPECT_EQ(path::fileNamePart("dir/a:b.y", kUtf8), "a:b.y");
    EXPECT_EQ(path::fileNamePart("ab:c.y", kUtf8), "ab:c.y");
}

TEST(PathServices, DoubleByteTrailByteIsNotASeparator)
{
    // 0x95 0x5C is one Shift JIS character whose second byte is '\'.
    EXPECT_EQ(path::fileNamePart("dir\\\x95\x5c.y", kShiftJis), "\x95\x5c.y");
    EXPECT_EQ(path::fileNamePart("dir\\\x95\x5c.y", kUtf8), ".y");
}

TEST(PathServices, ReplaceExtensionOnlyAfterTheLastSeparator)
{
    EXPECT_EQ(path::replaceExtension("g.y", "c", kUtf8), "g.c");
    EXPECT_EQ(path::replaceExtension("g", "c", kUtf8), "g.c");
    EXPECT_EQ(path::replaceExtension("a.b.y", "h", kUtf8), "a.b.h");
    EXPECT_EQ(path::replaceExtension("dir.d\\file", "c", kUtf8), "dir.d\\file.c");
    EXPECT_EQ(path::replaceExtension("dir.d/file", "c", kUtf8), "dir.d/file.c");
    EXPECT_EQ(path::replaceExtension("out.txt", "v", kUtf8), "out.v");
    EXPECT_EQ(path::replaceExtension("g.", "c", kUtf8), "g.c");
    EXPECT_EQ(path::replaceExtension("g.y", "", kUtf8), "g.");
}

TEST(PathServices, FullPathIsAbsoluteAndNormalised)
{
    EXPECT_EQ(path::fullPath("g.y", "/work"), "/work/g.y");
    EXPECT_EQ(path::fullPath("./a/../b//g.y", "/work/x"), "/work/x/b/g.y");
    EXPECT_EQ(path::fullPath("../../../g.y", "/a"), "/g.y");
    EXPECT_EQ(path::fullPath("/abs/./g.y", "/ignored"), "/abs/g.y");
    EXPECT_EQ(path::fullPath("does/not/exist.y", "/"), "/does/not/exist.y");
    EXPECT_EQ(path::fullPath("", "/w"), "/w");
    EXPECT_EQ(path::fullPath("g.y").front(), '/');
}

TEST(PathServices, RelativePathFromTheOriginsDirectory)
{
    EXPECT_EQ(path::relativePath("/w/g.c", "/w/g.y"), "g.y");
    EXPECT_EQ(path::relativePath("/w/out/g.c", "/w/src/g.y"), "../src/g.y");
    EXPECT_EQ(path::relativePath("/w/g.c", "/w/src/g.y"), "src/g.y");
    EXPECT_EQ(path::relativePath("/a/b/c/g.c", "/x/g.y"), "../../../x/g.y");
    EXPECT_EQ(path::relativePath("g.c", "g.y"), "g.y");
    EXPECT_EQ(path::relativePath("out/g.c", "g.y"), "../g.y");
    // A directory that shares a prefix with another is not the same directory.
    EXPECT_EQ(path::relativePath("/w/ab/g.c", "/w/abc/g.y"), "../abc/g.y");
}

TEST(PathServices, ShortPathIsIdentity)
{
    EXPECT_EQ(path::shortPath("/long directory name/file.y"), "/long directory name/file.y");
}
