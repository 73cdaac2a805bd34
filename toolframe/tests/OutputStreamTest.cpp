#include "toolframe/output/OutputStream.h"

#include <gtest/gtest.h>

#include "CapturedOutput.h"
#include "toolframe/emit/LanguageFrame.h"
#include "toolframe/output/LineDirectiveForms.h"
#include "toolframe/testing/TemporaryDirectory.h"

using toolframe::LineDirectiveForm;
using toolframe::LineDirectiveSettings;
using toolframe::OutputStream;

namespace {

const toolframe::MessageText kNoMessages[] = {{0, L""}};

class FixedForm : public toolframe::LanguageFrame {
public:
    explicit FixedForm(LineDirectiveForm form) : form_(form) {}
    void lineDirective(OutputStream& stream, int line, std::string_view name) override
    {
        toolframe::writeLineDirective(stream, form_, line, name);
    }
    bool alwaysUnicode() const override { return false; }
    bool supportsIncludeFile() const override { return true; }
    std::string_view defaultSourceExtension() const override { return "c"; }
    std::string_view defaultIncludeExtension() const override { return "h"; }

private:
    LineDirectiveForm form_;
};

class OutputStreamTest : public ::testing::Test {
protected:
    std::string written(LineDirectiveForm form, LineDirectiveSettings settings,
                        const std::function<void(OutputStream&)>& write,
                        toolframe::LineNames names = {"g.c", "my dir\\it's \"g\".y"})
    {
        FixedForm frame(form);
        OutputStream stream(diagnostics_, codePage_, frame, settings);
        stream.open(directory_ / "out", std::move(names));
        write(stream);
        stream.close();
        return directory_.read("out");
    }

    CapturedOutput messages_;
    toolframe::Diagnostics diagnostics_{'Y', toolframe::MessageCatalog(kNoMessages), messages_.file()};
    toolframe::CodePage codePage_{toolframe::CodePage::kUtf8};
    toolframe::testing::TemporaryDirectory directory_;
};

// Copies two lines of grammar text from line 7, then generates text.
void copyBlockThenGenerate(OutputStream& stream)
{
    stream.writeNarrow("generated\n");
    stream.setGrammarLine(7);
    stream.writeNarrow("int a;\n");
    stream.setGrammarLine(8); // consecutive: no second directive
    stream.writeNarrow("int b;");
    stream.requestResync();
    stream.writeNarrow("more\n");
}

} // namespace

TEST_F(OutputStreamTest, CopiedBlockIsFramedByDirectives)
{
    EXPECT_EQ(written(LineDirectiveForm::C, {}, copyBlockThenGenerate),
              "generated\n"
              "#line 7 \"my dir\\\\it\\'s \\\"g\\\".y\"\n"
              "int a;\n"
              "int b;\n"
              "#line 6 \"g.c\"\n"
              "more\n");
}

TEST_F(OutputStreamTest, BlockRightAfterABlockStaysInStep)
{
    // Two code blocks on consecutive lines: the second needs no directive,
    // and must not get one naming the generated file.
    EXPECT_EQ(written(LineDirectiveForm::C, {},
                      [](OutputStream& s) {
                          s.setGrammarLine(3);
                          s.writeNarrow("int a;\n");
                          s.requestResync();
                          s.setGrammarLine(4);
                          s.writeNarrow("int b;\n");
                          s.requestResync();
                          s.writeNarrow("generated\n");
                      }),
              "#line 3 \"my dir\\\\it\\'s \\\"g\\\".y\"\n"
              "int a;\n"
              "int b;\n"
              "#line 5 \"g.c\"\n"
              "generated\n");
}

TEST_F(OutputStreamTest, DisabledDirectivesStayAsComments)
{
    EXPECT_EQ(written(LineDirectiveForm::C, {false, false}, copyBlockThenGenerate),
              "generated\n"
              "/* #line 7 \"my dir\\\\it\\'s \\\"g\\\".y\" */\n"
              "int a;\n"
              "int b;\n"
              "/* #line 6 \"g.c\" */\n"
              "more\n");
    EXPECT_EQ(written(LineDirectiveForm::Cpp, {false, false}, copyBlockThenGenerate),
              "generated\n"
              "// #line 7 \"my dir\\\\it\\'s \\\"g\\\".y\"\n"
              "int a;\n"
              "int b;\n"
              "// #line 6 \"g.c\"\n"
              "more\n");
}

TEST_F(OutputStreamTest, PlainNamesAreNotEscaped)
{
    EXPECT_EQ(written(LineDirectiveForm::Cpp, {true, true}, copyBlockThenGenerate),
              "generated\n"
              "#line 7 \"my dir\\it's \"g\".y\"\n"
              "int a;\n"
              "int b;\n"
              "#line 6 \"g.c\"\n"
              "more\n");
}

TEST_F(OutputStreamTest, JavaDirectiveIsAlwaysAComment)
{
    const std::string expected = "generated\n"
                                 "// line 7 \"my dir\\\\it\\'s \\\"g\\\".y\"\n"
                                 "int a;\n"
                                 "int b;\n"
                                 "// line 6 \"g.c\"\n"
                                 "more\n";
    EXPECT_EQ(written(LineDirectiveForm::Java, {}, copyBlockThenGenerate), expected);
    EXPECT_EQ(written(LineDirectiveForm::Java, {false, false}, copyBlockThenGenerate), expected);
}

TEST_F(OutputStreamTest, TracksLinesAndGrammarLines)
{
    FixedForm frame(LineDirectiveForm::C);
    OutputStream stream(diagnostics_, codePage_, frame, {});
    stream.open(directory_ / "out", {"g.c", "g.y"});
    EXPECT_EQ(stream.line(), 1);
    EXPECT_TRUE(stream.atLineStart());
    stream.writeNarrow("a\nb");
    EXPECT_EQ(stream.line(), 2);
    EXPECT_FALSE(stream.atLineStart());
    stream.setGrammarLine(20); // newline, then the directive on line 3
    EXPECT_EQ(stream.line(), 4);
    EXPECT_EQ(stream.grammarLine(), 20);
    stream.writeNarrow("x\ny\n");
    EXPECT_EQ(stream.grammarLine(), 22);
    stream.setGrammarLine(22);
    EXPECT_EQ(stream.line(), 6); // in step: nothing written
    stream.close();
    EXPECT_EQ(directory_.read("out"), "a\nb\n#line 20 \"g.y\"\nx\ny\n");
}

TEST_F(OutputStreamTest, WritesMultibyteAndWideCharacters)
{
    EXPECT_EQ(written(LineDirectiveForm::C, {},
                      [](OutputStream& s) {
                          s.writeCharacter(0x955C); // two bytes, high first
                          s.writeCharacter(0xE282AC);
                          s.writeWide(L"\u00e9!");
                          s.writeNarrow(std::string_view("\0z", 2));
                      }),
              std::string("\x95\x5c\xe2\x82\xac\xc3\xa9!\0z", 10));
}

TEST_F(OutputStreamTest, UnopenedStreamIgnoresWrites)
{
    FixedForm frame(LineDirectiveForm::C);
    OutputStream stream(diagnostics_, codePage_, frame, {});
    stream.writeNarrow("nothing\n");
    stream.setGrammarLine(3);
    stream.close();
    EXPECT_FALSE(stream.isOpen());
    EXPECT_EQ(diagnostics_.errors(), 0);
}

TEST_F(OutputStreamTest, LineNamesFromFullOrRelativePaths)
{
    const auto relative = toolframe::lineNamesFor("out/g.c", "src/g.y", false, false, codePage_);
    EXPECT_EQ(relative.own, "g.c");
    EXPECT_EQ(relative.grammar, "../src/g.y");
    const auto full = toolframe::lineNamesFor("/w/out/g.c", "/w/src/g.y", true, true, codePage_);
    EXPECT_EQ(full.own, "/w/out/g.c");
    EXPECT_EQ(full.grammar, "/w/src/g.y");
}
