#include "toolframe/output/IncludeGuard.h"

#include <gtest/gtest.h>

using toolframe::CodePage;
using toolframe::includeGuard;

TEST(IncludeGuard, FromTheFileNameUpperCased)
{
    const CodePage utf8(CodePage::kUtf8);
    EXPECT_EQ(includeGuard("myparser.h", utf8), "_MYPARSER_H");
    EXPECT_EQ(includeGuard("dir\\sub/my-parser 2.hpp", utf8), "_MY_PARSER_2_HPP");
    EXPECT_EQ(includeGuard("c:x.h", utf8), "_X_H");
    EXPECT_EQ(includeGuard("Y.TAB.H", utf8), "_Y_TAB_H");
}

TEST(IncludeGuard, MultibyteCharacterBecomesOneUnderscore)
{
    EXPECT_EQ(includeGuard("caf\xc3\xa9.h", CodePage(CodePage::kUtf8)), "_CAF__H");
    EXPECT_EQ(includeGuard("\x95\x5cx.h", CodePage(932)), "__X_H");
}

TEST(IncludeGuard, LibraryIncludeLine)
{
    EXPECT_EQ(toolframe::libraryIncludeLine("yypars.h", false), "#include <yypars.h>\n");
    EXPECT_EQ(toolframe::libraryIncludeLine("yypars.h", true), "#include \"yypars.h\"\n");
}
