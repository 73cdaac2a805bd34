#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OutputTesting.h"
#include "corvide/core/output/OutputDoc.h"

namespace {

using corvide::COutputDoc;
using corvide::COutputLine;
using corvide::CSound;
using corvide::testing::RecordingEditor;
using corvide::testing::RecordingFeedback;

void addLines(COutputDoc& doc, const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        doc.addLine(line);
}

const std::vector<std::string> kBuild = {
    "Compiling...",                              // 0
    "calc.y",                                    // 1
    "calc.y(12) : error Y1003: missing ';'",     // 2
    "error L0001: cannot open file",             // 3
    "warning Y10: x",                            // 4
    "a(b)(7):fatal error S0002 : bad",           // 5
    "calc.l(3) : warning L4001: rule never used", // 6
    "",                                          // 7
};

TEST(OutputDoc, ClassifiesEveryLineAndCountsTheEntries)
{
    COutputDoc doc;
    addLines(doc, kBuild);
    EXPECT_EQ(doc.lineCount(), 8u);
    EXPECT_EQ(doc.errorCount(), 3);
    EXPECT_EQ(doc.warningCount(), 1);
    EXPECT_EQ(doc.entryCount(), 4u);
    const COutputLine& error = doc.line(2);
    EXPECT_EQ(error.text(), kBuild[2]);
    EXPECT_EQ(error.file(), "calc.y");
    EXPECT_EQ(error.line(), 12);
    EXPECT_EQ(error.code(), "Y1003");
    EXPECT_EQ(error.message(), "missing ';'");
    EXPECT_TRUE(doc.line(3).isEntry());
    EXPECT_FALSE(doc.line(3).hasLocation());
    EXPECT_FALSE(doc.line(4).isEntry());
    EXPECT_EQ(doc.line(4).message(), "");
    EXPECT_EQ(doc.line(5).file(), "a(b)");
    doc.clear();
    EXPECT_EQ(doc.lineCount(), 0u);
    EXPECT_EQ(doc.errorCount(), 0);
    EXPECT_EQ(doc.warningCount(), 0);
    EXPECT_EQ(doc.entryCount(), 0u);
}

TEST(OutputDoc, StepsThroughTheEntriesToTheEndAndBack)
{
    COutputDoc doc;
    RecordingFeedback feedback;
    doc.setFeedback(&feedback);
    addLines(doc, kBuild);
    std::vector<std::size_t> forward;
    for (int i = 0; i < 5; ++i) {
        doc.nextError();
        forward.push_back(doc.currentEntry());
    }
    EXPECT_EQ(forward, (std::vector<std::size_t>{2, 3, 5, 6, 0}));
    EXPECT_EQ(feedback.status, (std::vector<std::string>{"missing ';'", "cannot open file", "bad",
                                                         "rule never used", "End of error list reached"}));
    EXPECT_EQ(feedback.sounds, std::vector<CSound>{CSound::Default});
    // From no entry, Previous Error starts at the end.
    std::vector<std::size_t> backward;
    for (int i = 0; i < 5; ++i) {
        doc.previousError();
        backward.push_back(doc.currentEntry());
    }
    EXPECT_EQ(backward, (std::vector<std::size_t>{6, 5, 3, 2, 0}));
    EXPECT_EQ(feedback.status.back(), "Beginning of error list reached");
    EXPECT_EQ(feedback.sounds.size(), 2u);
    EXPECT_EQ(doc.currentLine(), nullptr);
}

TEST(OutputDoc, GoesToAnyLineAndGivesHelpOnTheCurrentCode)
{
    COutputDoc doc;
    RecordingFeedback feedback;
    doc.setFeedback(&feedback);
    addLines(doc, kBuild);
    EXPECT_EQ(doc.helpKeyword(), "");
    doc.goToEntry(5, false);
    EXPECT_EQ(doc.currentLine(), &doc.line(5));
    EXPECT_EQ(doc.helpKeyword(), "Error S0002");
    doc.goToEntry(1, false); // a plain line can be gone to, and has no help
    EXPECT_EQ(doc.currentEntry(), 1u);
    EXPECT_EQ(doc.helpKeyword(), "");
    doc.nextError();
    EXPECT_EQ(doc.currentEntry(), 2u);
    doc.goToEntry(8, false);
    EXPECT_EQ(doc.currentEntry(), 0u);
    EXPECT_EQ(feedback.status.back(), "End of error list reached");
    doc.goToEntry(0, false);
    EXPECT_EQ(feedback.status.back(), "Beginning of error list reached");
    EXPECT_TRUE(feedback.sounds.size() == 2u);
}

TEST(OutputDoc, NavigatesAnEmptyWindowToItsEnds)
{
    COutputDoc doc;
    RecordingFeedback feedback;
    doc.setFeedback(&feedback);
    doc.nextError();
    doc.previousError();
    addLines(doc, {"Compiling...", "plain"});
    doc.nextError();
    doc.previousError();
    EXPECT_EQ(feedback.status, (std::vector<std::string>{"Beginning of error list reached",
                                                         "Beginning of error list reached",
                                                         "End of error list reached",
                                                         "Beginning of error list reached"}));
}

// The entry follows the text of an open document when lines are inserted
// or removed above it.
TEST(OutputDoc, MarksTheLineOfAnOpenDocumentAndFollowsItsEdits)
{
    COutputDoc doc;
    RecordingEditor editor;
    doc.setEditor(&editor);
    auto& calc = editor.openNow("/p/Calc.y", {"a", "b", "c", "d", "e"});
    addLines(doc, {"Compiling...", "/p/calc.y(4) : error Y2001: here", "/p/other.y(2) : error Y2001: closed"});
    calc.insertLines(1, {"new 1", "new 2"});
    calc.removeLines(2, 1);
    doc.goToEntry(1, false);
    ASSERT_EQ(editor.shown.size(), 1u);
    EXPECT_EQ(editor.shown[0].second, 5);
    EXPECT_EQ(calc.lineText(5), "d");
    // Removing the marked line leaves the mark where the text went.
    calc.removeLines(4, 3);
    doc.goToEntry(1, false);
    EXPECT_EQ(editor.shown.back().second, 4);
    // A closed document is not opened unless asked.
    doc.goToEntry(2, false);
    EXPECT_EQ(editor.shown.size(), 2u);
}

TEST(OutputDoc, OpensTheFileWhenAskedAndMarksItFromThenOn)
{
    COutputDoc doc;
    RecordingEditor editor;
    doc.setEditor(&editor);
    editor.files["/p/g.l"] = {"1", "2", "3", "4"};
    addLines(doc, {"Compiling...", "/p/g.l(3) : warning L4001: x", "/p/none.l(1) : error L2001: y"});
    doc.nextError();
    ASSERT_EQ(editor.open.size(), 1u);
    EXPECT_EQ(editor.shown.back(), (std::pair<std::string, int>{"/p/g.l", 3}));
    editor.open[0]->insertLines(1, {"0"});
    doc.goToEntry(1, true);
    EXPECT_EQ(editor.open.size(), 1u);
    EXPECT_EQ(editor.shown.back(), (std::pair<std::string, int>{"/p/g.l", 4}));
    // A file that cannot be opened: the entry is current all the same.
    doc.nextError();
    EXPECT_EQ(doc.currentEntry(), 2u);
    EXPECT_EQ(editor.shown.size(), 2u);
}

TEST(OutputDoc, KeepsAMarkWhoseDocumentClosed)
{
    COutputDoc doc;
    RecordingEditor editor;
    doc.setEditor(&editor);
    editor.openNow("/p/g.y", {"1", "2", "3"}).insertLines(1, {"0"});
    addLines(doc, {"Compiling...", "/p/g.y(2) : error Y2001: x"});
    editor.open.clear();
    doc.goToEntry(1, false);
    EXPECT_TRUE(editor.shown.empty());
}

class RecordingView : public corvide::COutputObserver {
public:
    std::vector<std::string> events;
    void lineAdded(std::size_t index, const COutputLine& line) override
    {
        events.push_back("add " + std::to_string(index) + " " + line.text());
    }
    void cleared() override { events.push_back("clear"); }
    void currentEntryChanged(std::size_t index) override { events.push_back("current " + std::to_string(index)); }
};

TEST(OutputDoc, TellsItsViews)
{
    COutputDoc doc;
    RecordingView view;
    doc.addObserver(view);
    addLines(doc, {"Compiling...", "error Y2001: x"});
    doc.nextError();
    doc.clear();
    doc.removeObserver(view);
    doc.addLine("unseen");
    EXPECT_EQ(view.events,
              (std::vector<std::string>{"add 0 Compiling...", "add 1 error Y2001: x", "current 1", "clear"}));
}

} // namespace
