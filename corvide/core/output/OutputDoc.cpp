#include "corvide/core/output/OutputDoc.h"

#include "corvide/core/output/DiagnosticLine.h"

namespace corvide {

COutputDoc::COutputDoc(toolframe::CodePage codePage) : codePage_(codePage) {}

void COutputDoc::clear()
{
    lines_.clear();
    errors_ = 0;
    warnings_ = 0;
    entries_ = 0;
    current_ = 0;
    for (COutputObserver* observer : observers_)
        observer->cleared();
}

const COutputLine& COutputDoc::addLine(std::string text)
{
    const std::optional<CDiagnostic> diagnostic = parseDiagnostic(text, codePage_);
    COutputLine& line = lines_.emplace_back(std::move(text));
    if (diagnostic) {
        (diagnostic->severity == CSeverity::Error ? errors_ : warnings_) += 1;
        ++entries_;
        line.setDiagnostic(diagnostic->file, diagnostic->line, diagnostic->code, diagnostic->message);
        CMarkableDocument* document = editor_ && line.hasLocation() ? editor_->findDocument(line.file()) : nullptr;
        if (document)
            line.addMark(document->markLine(line.line()));
    }
    for (COutputObserver* observer : observers_)
        observer->lineAdded(lines_.size() - 1, line);
    return line;
}

void COutputDoc::setCurrent(std::size_t index)
{
    current_ = index;
    for (COutputObserver* observer : observers_)
        observer->currentEntryChanged(index);
}

void COutputDoc::beep() const
{
    if (feedback_)
        feedback_->beep(CSound::Default);
}

void COutputDoc::showStatus(std::string_view text) const
{
    if (feedback_)
        feedback_->showStatus(text);
}

void COutputDoc::showSource(COutputLine& line, bool openFile)
{
    if (!editor_ || !line.hasLocation())
        return;
    CMarkableDocument* document = editor_->findDocument(line.file());
    if (!document && openFile)
        document = editor_->openDocument(line.file());
    if (!document)
        return;
    // A document opened after the line came has no mark yet; from now on
    // the entry follows its edits too.
    if (!line.markIn(document))
        line.addMark(document->markLine(line.line()));
    editor_->showLine(*document, line.markIn(document)->line());
}

void COutputDoc::goToEntry(std::size_t index, bool openFile)
{
    if (index == 0 || index >= lines_.size()) {
        setCurrent(0);
        beep();
        showStatus(index == 0 ? kBeginningReached : kEndReached);
        return;
    }
    setCurrent(index);
    showSource(lines_[index], openFile);
    showStatus(lines_[index].message());
}

void COutputDoc::nextError()
{
    for (std::size_t index = current_ + 1; index < lines_.size(); ++index)
        if (lines_[index].isEntry())
            return goToEntry(index, true);
    goToEntry(lines_.size(), true);
}

void COutputDoc::previousError()
{
    for (std::size_t index = current_ != 0 ? current_ : lines_.size(); index > 1;)
        if (lines_[--index].isEntry())
            return goToEntry(index, true);
    goToEntry(0, true);
}

std::string COutputDoc::helpKeyword() const
{
    const COutputLine* line = currentLine();
    if (!line || !line->isEntry())
        return {};
    std::string keyword = "Error ";
    keyword += line->code();
    return keyword;
}

} // namespace corvide
