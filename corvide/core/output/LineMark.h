#pragma once

namespace corvide {

class CMarkableDocument;

// A line of an open document that an Output entry points at. The document
// moves the mark when lines are inserted or removed above it, so that the
// entry still leads to the text it was reported for; when the document
// closes, the mark is detached and keeps its last line.
class CLineMark {
public:
    CLineMark(const CMarkableDocument& document, int line) : document_(&document), line_(line) {}

    int line() const { return line_; }
    // The document it belongs to; none once that has closed.
    const CMarkableDocument* document() const { return document_; }

    void moveTo(int line) { line_ = line; }
    void detach() { document_ = nullptr; }

private:
    const CMarkableDocument* document_;
    int line_;
};

} // namespace corvide
