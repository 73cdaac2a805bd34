#include "toolframe/source/SourceInput.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using toolframe::CodePage;
using toolframe::Diagnostics;
using toolframe::MessageCatalog;
using toolframe::SourceInput;

struct Fixture {
    explicit Fixture(std::string text)
        : text_(std::move(text)), out_(std::fopen("/dev/null", "w")),
          file_(fmemopen(text_.data(), text_.size(), "r")), diagnostics_('L', MessageCatalog({}), out_),
          input_(codePage_, diagnostics_, {2001, 2002})
    {
        input_.open(file_);
    }
    ~Fixture()
    {
        std::fclose(file_);
        std::fclose(out_);
    }

    std::string rest()
    {
        std::string text;
        for (const auto* c = &input_.next(); !c->isEndOfFile() && !c->is('\n'); c = &input_.next())
            text += input_.bytesOf(*c);
        return text;
    }

    std::string text_;
    std::FILE* out_;
    std::FILE* file_;
    CodePage codePage_{CodePage::kUtf8};
    Diagnostics diagnostics_;
    SourceInput input_;
};

TEST(SourceInput, ReplacingTheMarkedTextReadsOnAtTheReplacement)
{
    Fixture fixture("x{D}+y\nz\n");
    EXPECT_TRUE(fixture.input_.atLineStart());
    fixture.input_.next();
    EXPECT_FALSE(fixture.input_.atLineStart());
    fixture.input_.next();
    fixture.input_.markLast();
    fixture.input_.next();
    fixture.input_.next();
    EXPECT_EQ(fixture.input_.offset(), 4u);
    ASSERT_TRUE(fixture.input_.replaceMarked("[0-9]", 100));
    EXPECT_EQ(fixture.input_.offset(), 1u);
    EXPECT_EQ(fixture.rest(), "[0-9]+y");
    EXPECT_TRUE(fixture.input_.atLineStart());
    EXPECT_EQ(fixture.rest(), "z");
}

TEST(SourceInput, AReplacementBeyondTheCapacityLeavesTheLine)
{
    Fixture fixture("{D}y\n");
    fixture.input_.next();
    fixture.input_.markLast();
    fixture.input_.next();
    fixture.input_.next();
    EXPECT_FALSE(fixture.input_.replaceMarked(std::string(10, 'a'), 10));
    EXPECT_EQ(fixture.rest(), "y");
}

} // namespace

namespace {

TEST(SourceInput, TheLastLineKeepsItsBytesAtTheEnd)
{
    Fixture fixture("{D");
    const auto& first = fixture.input_.next();
    const auto kept = first;
    fixture.input_.markLast();
    fixture.input_.next();
    EXPECT_TRUE(fixture.input_.next().isEndOfFile());
    fixture.input_.putBack();
    EXPECT_EQ(fixture.input_.bytesOf(kept), "{");
    EXPECT_EQ(fixture.input_.marked(), "{D");
    EXPECT_TRUE(fixture.input_.replaceMarked("[0-9]", 100));
    EXPECT_EQ(fixture.rest(), "[0-9]");
}

} // namespace

namespace {

TEST(SourceInput, ACarriageReturnBeforeTheNewlineBelongsToTheLineEnd)
{
    Fixture fixture("D [0-9]\r\na\rb\r\n\r\nlast\r");
    EXPECT_EQ(fixture.rest(), "D [0-9]");
    EXPECT_EQ(fixture.rest(), "a\rb");
    EXPECT_EQ(fixture.rest(), "");
    // Without a newline after it, a carriage return is text.
    EXPECT_EQ(fixture.rest(), "last\r");
}

} // namespace
