#include "toolframe/emit/TableWriter.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CapturedOutput.h"
#include "toolframe/emit/LanguageFrame.h"
#include "toolframe/testing/TemporaryDirectory.h"

using toolframe::OutputStream;
using toolframe::RowSyntax;
using toolframe::TableWriter;

namespace {

const toolframe::MessageText kNoMessages[] = {{0, L""}};

// Rows never ask for a #line; the frame is only there to open a stream.
class NoDirectives : public toolframe::LanguageFrame {
public:
    void lineDirective(OutputStream&, int, std::string_view) override {}
    bool alwaysUnicode() const override { return false; }
    bool supportsIncludeFile() const override { return false; }
    std::string_view defaultSourceExtension() const override { return "c"; }
    std::string_view defaultIncludeExtension() const override { return ""; }
};

const RowSyntax kCRows{"\n\t", "{ ", " }", ", ", "1", "0", "NULL"};
const RowSyntax kJavaRows{"\n\t\t\t\t", "new yyreduction(", ")", ", ", "true", "false", "null"};

class TableWriterTest : public ::testing::Test {
protected:
    std::string written(const RowSyntax& syntax, const std::function<void(TableWriter&)>& write)
    {
        NoDirectives frame;
        OutputStream stream(diagnostics_, codePage_, frame, {});
        stream.open(directory_ / "out", {"out", "g.y"});
        TableWriter rows(stream, syntax);
        write(rows);
        stream.close();
        return directory_.read("out");
    }

    CapturedOutput messages_;
    toolframe::Diagnostics diagnostics_{'Y', toolframe::MessageCatalog(kNoMessages), messages_.file()};
    toolframe::CodePage codePage_;
    toolframe::testing::TemporaryDirectory directory_;
};

} // namespace

TEST_F(TableWriterTest, CommaSeparatesRowsButDoesNotLeadTheFirstOrTrailTheLast)
{
    EXPECT_EQ(written(kCRows,
                      [](TableWriter& rows) {
                          rows.row(0, {"1", "2", "3"});
                          rows.row(1, {"4", "5", "6"});
                          rows.row(2, {"7", "8", "9"});
                      }),
              "\n\t{ 1, 2, 3 },\n\t{ 4, 5, 6 },\n\t{ 7, 8, 9 }");
    EXPECT_EQ(written(kCRows, [](TableWriter& rows) { rows.row(0, {"1", "2"}); }), "\n\t{ 1, 2 }");
}

TEST_F(TableWriterTest, SingleValueRowsHaveNoBrackets)
{
    EXPECT_EQ(written(kJavaRows,
                      [](TableWriter& rows) {
                          rows.row(0, {"-1"});
                          rows.row(1, {"3"});
                      }),
              "\n\t\t\t\t-1,\n\t\t\t\t3");
    // A row of several values takes the language's brackets, whatever
    // they are.
    EXPECT_EQ(written(kJavaRows, [](TableWriter& rows) { rows.row(0, {"0", "1", "-1"}); }),
              "\n\t\t\t\tnew yyreduction(0, 1, -1)");
}

TEST_F(TableWriterTest, SeparatorComesFromTheSyntax)
{
    RowSyntax tight = kCRows;
    tight.separator = ",";
    EXPECT_EQ(written(tight, [](TableWriter& rows) { rows.row(0, {"1", "2", "3"}); }), "\n\t{ 1,2,3 }");
}

TEST_F(TableWriterTest, SpellingsAreTheLanguages)
{
    EXPECT_EQ(written(kCRows,
                      [](TableWriter& rows) {
                          rows.row(0, {rows.spell(true), rows.spell(false)});
                          rows.row(1, {rows.null(), "0"});
                      }),
              "\n\t{ 1, 0 },\n\t{ NULL, 0 }");
    EXPECT_EQ(written(kJavaRows,
                      [](TableWriter& rows) {
                          rows.row(0, {rows.spell(true), rows.spell(false)});
                          rows.row(1, {rows.null(), "0"});
                      }),
              "\n\t\t\t\tnew yyreduction(true, false),\n\t\t\t\tnew yyreduction(null, 0)");
}

TEST_F(TableWriterTest, ClosingRowFollowsTheLastRowWritten)
{
    EXPECT_EQ(written(kCRows,
                      [](TableWriter& rows) {
                          EXPECT_EQ(rows.nextIndex(), 0);
                          rows.row(0, {"\"$end\"", "0"});
                          rows.row(1, {"\"NUM\"", "257"});
                          EXPECT_EQ(rows.nextIndex(), 2);
                          rows.row(rows.nextIndex(), {rows.null(), "0"});
                      }),
              "\n\t{ \"$end\", 0 },\n\t{ \"NUM\", 257 },\n\t{ NULL, 0 }");
    // Of a table without rows the closing row is the first.
    EXPECT_EQ(written(kCRows, [](TableWriter& rows) { rows.row(rows.nextIndex(), {rows.null(), "0"}); }),
              "\n\t{ NULL, 0 }");
}

TEST_F(TableWriterTest, ValuesSpelledAtRunTimeWriteAsLiteralsDo)
{
    const std::vector<std::string> cells{"257", "YYAT_SHIFT", "4"};
    EXPECT_EQ(written(kCRows,
                      [&cells](TableWriter& rows) {
                          rows.row(0, cells);
                          rows.row(1, std::span<const std::string>(cells.data(), 1));
                      }),
              "\n\t{ 257, YYAT_SHIFT, 4 },\n\t257");
}

TEST_F(TableWriterTest, APartOpensWithoutSeparatorInItsOwnSyntax)
{
    RowSyntax shallow = kJavaRows;
    shallow.lead = "\n\t\t\t";
    EXPECT_EQ(written(kJavaRows,
                      [&shallow](TableWriter& rows) {
                          rows.row(0, {"1"});
                          rows.row(1, {"2"});
                          rows.startPart(shallow);
                          rows.row(2, {"3"});
                          rows.row(3, {"4", "5"});
                          EXPECT_EQ(rows.nextIndex(), 4);
                      }),
              "\n\t\t\t\t1,\n\t\t\t\t2\n\t\t\t3,\n\t\t\tnew yyreduction(4, 5)");
}
