#include "toolframe/output/BannerBox.h"

#include <gtest/gtest.h>

#include "CapturedOutput.h"
#include "toolframe/emit/LanguageFrame.h"
#include "toolframe/output/OutputStream.h"
#include "toolframe/testing/TemporaryDirectory.h"

namespace {

const toolframe::MessageText kNoMessages[] = {{0, L""}};

class NoDirectives : public toolframe::LanguageFrame {
public:
    void lineDirective(toolframe::OutputStream&, int, std::string_view) override {}
    bool alwaysUnicode() const override { return false; }
    bool supportsIncludeFile() const override { return true; }
    std::string_view defaultSourceExtension() const override { return "c"; }
    std::string_view defaultIncludeExtension() const override { return "h"; }
};

std::string banner(std::string_view output, std::string_view kind, std::string_view source, std::string_view tool)
{
    CapturedOutput messages;
    toolframe::Diagnostics diagnostics('Y', toolframe::MessageCatalog(kNoMessages), messages.file());
    const toolframe::CodePage codePage(toolframe::CodePage::kUtf8);
    NoDirectives frame;
    toolframe::testing::TemporaryDirectory directory;
    toolframe::OutputStream stream(diagnostics, codePage, frame, {});
    stream.open(directory / "out", {});
    const toolframe::DateTimeStamp stamp{"01/02/03", "04:05:06"};
    toolframe::writeBanner(stream, {output, kind, source, tool, "2.07", &stamp}, codePage);
    stream.close();
    return directory.read("out");
}

} // namespace

TEST(BannerBox, BoxLinesAreSeventySixAsterisks)
{
    EXPECT_EQ(toolframe::BannerBox::kTop.size(), 77u);
    EXPECT_EQ(toolframe::BannerBox::kBottom.size(), 77u);
    EXPECT_EQ(toolframe::BannerBox::kTop.substr(0, 2), "/*");
    EXPECT_EQ(toolframe::BannerBox::kBottom.substr(75), "*/");
}

TEST(BannerBox, NamesWithoutTheirDirectories)
{
    EXPECT_EQ(banner("out\\g.c", "C source file", "src/g.y", "Brannock"),
              "/****************************************************************************\n"
              "* g.c\n"
              "* C source file generated from g.y.\n"
              "* \n"
              "* Date: 01/02/03\n"
              "* Time: 04:05:06\n"
              "* \n"
              "* Brannock Version: 2.07\n"
              "****************************************************************************/\n"
              "\n");
}

TEST(BannerBox, SourceNameWithABlankIsQuoted)
{
    const std::string text = banner("my grammar.h", "C++ header file", "dir/my grammar.y", "Lindle");
    EXPECT_NE(text.find("* my grammar.h\n"), std::string::npos);
    EXPECT_NE(text.find("* C++ header file generated from \"my grammar.y\".\n"), std::string::npos);
    EXPECT_NE(text.find("* Lindle Version: 2.07\n"), std::string::npos);
}
