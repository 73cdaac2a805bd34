#include "toolframe/source/SourceInput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
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
        input_.open(file_, "g.y");
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

namespace {

// A file whose first read gives one line and whose next read fails, as a
// disk or a network file system may.
ssize_t readOneLineThenFail(void* cookie, char* buffer, size_t size)
{
    auto& reads = *static_cast<int*>(cookie);
    if (reads++ > 0) {
        errno = EIO;
        return -1;
    }
    const char line[] = "%%\n";
    const size_t length = std::min(size, sizeof line - 1);
    std::memcpy(buffer, line, length);
    return static_cast<ssize_t>(length);
}

} // namespace

TEST(SourceInput, AFailedReadIsFatal1010NotTheEndOfTheFile)
{
    int reads = 0;
    std::FILE* failing = fopencookie(&reads, "r", {readOneLineThenFail, nullptr, nullptr, nullptr});
    ASSERT_NE(failing, nullptr);
    std::FILE* messages = std::tmpfile();
    const toolframe::MessageText texts[] = {{0, L""}};
    Diagnostics diagnostics('Y', MessageCatalog(texts), messages);
    const CodePage codePage(CodePage::kUtf8);
    SourceInput input(codePage, diagnostics, {2001, 2002});
    input.open(failing, "g.y");
    std::string read;
    EXPECT_THROW(
        {
            for (const auto* c = &input.next(); !c->isEndOfFile(); c = &input.next())
                read += input.bytesOf(*c);
        },
        toolframe::RunAborted);
    EXPECT_EQ(read, "%%\n");
    std::rewind(messages);
    char text[200] = {};
    EXPECT_GT(std::fread(text, 1, sizeof text - 1, messages), 0u);
    EXPECT_EQ(std::string(text), "fatal error Y1010: unable to open file 'g.y'\n");
    std::fclose(messages);
    std::fclose(failing);
}
