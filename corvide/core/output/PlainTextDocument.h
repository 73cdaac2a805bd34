#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "corvide/core/output/LineMarks.h"
#include "corvide/core/output/MarkableDocument.h"

namespace corvide {

// A document of plain lines with marks that follow its edits: what the
// editor does, without drawing, for tests and for the command line.
class CPlainTextDocument : public CMarkableDocument {
public:
    CPlainTextDocument(std::string path, std::vector<std::string> lines);

    const std::string& path() const override { return path_; }
    std::shared_ptr<CLineMark> markLine(int line) override { return marks_.mark(line); }

    // Inserts lines before line `before` (1 for the first; one past the
    // last appends).
    void insertLines(int before, const std::vector<std::string>& lines);
    void removeLines(int first, int count);

    int lineCount() const { return static_cast<int>(lines_.size()); }
    // The text of line (1 for the first); empty outside the document.
    std::string_view lineText(int line) const;

private:
    std::string path_;
    std::vector<std::string> lines_;
    CLineMarks marks_;
};

} // namespace corvide
