#pragma once

#include <memory>
#include <string>
#include <vector>

#include "corvide/core/output/LineMark.h"

namespace corvide {

class CMarkableDocument;

// One line of the Output window: the text as received and, for a
// diagnostic, what it names. A line that is not a diagnostic has an empty
// code, file and message and line 0.
class COutputLine {
public:
    explicit COutputLine(std::string text) : text_(std::move(text)) {}

    const std::string& text() const { return text_; }
    const std::string& file() const { return file_; }
    int line() const { return line_; }
    const std::string& code() const { return code_; }
    const std::string& message() const { return message_; }
    bool isEntry() const { return !code_.empty(); }
    // Whether going to the entry can lead to a source line.
    bool hasLocation() const { return !file_.empty() && line_ != 0; }

    void setDiagnostic(std::string file, int line, std::string code, std::string message)
    {
        file_ = std::move(file);
        line_ = line;
        code_ = std::move(code);
        message_ = std::move(message);
    }

    // The marks tying the entry to open documents, one a document.
    void addMark(std::shared_ptr<CLineMark> mark) { marks_.push_back(std::move(mark)); }
    // The mark in document, if the entry has one there.
    const CLineMark* markIn(const CMarkableDocument* document) const
    {
        for (const auto& mark : marks_)
            if (mark->document() == document)
                return mark.get();
        return nullptr;
    }

private:
    std::string text_;
    std::string file_;
    int line_ = 0;
    std::string code_;
    std::string message_;
    std::vector<std::shared_ptr<CLineMark>> marks_;
};

} // namespace corvide
