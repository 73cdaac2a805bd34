#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "corvide/core/output/EditorDocuments.h"
#include "corvide/core/output/OutputLine.h"
#include "corvide/core/output/OutputObserver.h"
#include "corvide/core/output/UserFeedback.h"
#include "toolframe/platform/CodePage.h"

namespace corvide {

// The Output window's document: its lines in order, each classified as a
// diagnostic entry or plain text as it is added, the error and warning
// counts of the lines since it was last cleared, and the current entry
// that Next Error and Previous Error move. Line 0 (a command's
// "Compiling...") is never an entry: index 0 means no current entry, and
// an index equal to the number of lines means the end of the list.
// Everything here runs on the user-interface thread.
class COutputDoc {
public:
    static constexpr std::string_view kBeginningReached = "Beginning of error list reached";
    static constexpr std::string_view kEndReached = "End of error list reached";

    explicit COutputDoc(toolframe::CodePage codePage = toolframe::CodePage());

    // Either may be absent: then no document is marked or opened, and no
    // sound or status is given.
    void setEditor(CEditorDocuments* editor) { editor_ = editor; }
    void setFeedback(CUserFeedback* feedback) { feedback_ = feedback; }
    void addObserver(COutputObserver& observer) { observers_.push_back(&observer); }
    void removeObserver(COutputObserver& observer) { std::erase(observers_, &observer); }

    void clear();
    // Classifies the line, counts it, and marks the line it names in an
    // open document.
    const COutputLine& addLine(std::string text);

    std::size_t lineCount() const { return lines_.size(); }
    const COutputLine& line(std::size_t index) const { return lines_[index]; }
    int errorCount() const { return errors_; }
    int warningCount() const { return warnings_; }
    // The lines that carry a code.
    std::size_t entryCount() const { return entries_; }

    std::size_t currentEntry() const { return current_; }
    const COutputLine* currentLine() const { return current_ != 0 ? &lines_[current_] : nullptr; }

    // Makes line index current and, when it names a source line, shows that
    // line in its document (opening it when openFile is set).
    void goToEntry(std::size_t index, bool openFile);
    void nextError();
    void previousError();

    // What help is asked for on the current entry ("Error Y1001"); empty
    // when there is no current entry with a code.
    std::string helpKeyword() const;

private:
    void showSource(COutputLine& line, bool openFile);
    void setCurrent(std::size_t index);
    void beep() const;
    void showStatus(std::string_view text) const;

    toolframe::CodePage codePage_;
    CEditorDocuments* editor_ = nullptr;
    CUserFeedback* feedback_ = nullptr;
    std::vector<COutputObserver*> observers_;
    std::vector<COutputLine> lines_;
    int errors_ = 0;
    int warnings_ = 0;
    std::size_t entries_ = 0;
    std::size_t current_ = 0;
};

} // namespace corvide
