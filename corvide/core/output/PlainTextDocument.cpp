#include "corvide/core/output/PlainTextDocument.h"

#include <algorithm>

namespace corvide {

CPlainTextDocument::CPlainTextDocument(std::string path, std::vector<std::string> lines)
    : path_(std::move(path)), lines_(std::move(lines)), marks_(*this)
{
}

void CPlainTextDocument::insertLines(int before, const std::vector<std::string>& lines)
{
    const int at = std::clamp(before, 1, lineCount() + 1);
    lines_.insert(lines_.begin() + (at - 1), lines.begin(), lines.end());
    marks_.linesInserted(at, static_cast<int>(lines.size()));
}

void CPlainTextDocument::removeLines(int first, int count)
{
    const int from = std::clamp(first, 1, lineCount() + 1);
    const int removed = std::clamp(count, 0, lineCount() + 1 - from);
    lines_.erase(lines_.begin() + (from - 1), lines_.begin() + (from - 1 + removed));
    marks_.linesRemoved(from, removed);
}

std::string_view CPlainTextDocument::lineText(int line) const
{
    return line >= 1 && line <= lineCount() ? std::string_view(lines_[static_cast<std::size_t>(line - 1)])
                                            : std::string_view();
}

} // namespace corvide
