#pragma once

#include <string>

#include "corvide/core/output/MarkableDocument.h"

namespace corvide {

// What the Output window asks of the editor. The editor implements it;
// tests use open CPlainTextDocuments.
class CEditorDocuments {
public:
    virtual ~CEditorDocuments() = default;

    // The open document of path (compared ignoring case), if any.
    virtual CMarkableDocument* findDocument(const std::string& path) = 0;
    // Opens path, or brings its window forward (restored when minimised);
    // nothing when it cannot be opened.
    virtual CMarkableDocument* openDocument(const std::string& path) = 0;
    // Puts the caret on line of document and shows it.
    virtual void showLine(CMarkableDocument& document, int line) = 0;
};

} // namespace corvide
