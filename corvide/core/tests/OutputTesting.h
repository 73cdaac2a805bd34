#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "corvide/core/output/EditorDocuments.h"
#include "corvide/core/output/PlainTextDocument.h"
#include "corvide/core/output/UserFeedback.h"
#include "corvide/core/text/CaseInsensitive.h"

// An editor of plain-text documents and a status bar that remember what
// the Output window asked of them.
namespace corvide::testing {

class RecordingEditor : public CEditorDocuments {
public:
    // Files that openDocument() can open, with their lines.
    std::map<std::string, std::vector<std::string>> files;
    std::vector<std::unique_ptr<CPlainTextDocument>> open;
    std::vector<std::pair<std::string, int>> shown;

    CPlainTextDocument& openNow(const std::string& path, std::vector<std::string> lines)
    {
        open.push_back(std::make_unique<CPlainTextDocument>(path, std::move(lines)));
        return *open.back();
    }

    CMarkableDocument* findDocument(const std::string& path) override
    {
        for (const auto& document : open)
            if (equalNoCase(document->path(), path, toolframe::CodePage()))
                return document.get();
        return nullptr;
    }
    CMarkableDocument* openDocument(const std::string& path) override
    {
        const auto file = files.find(path);
        return file == files.end() ? nullptr : &openNow(path, file->second);
    }
    void showLine(CMarkableDocument& document, int line) override { shown.emplace_back(document.path(), line); }
};

class RecordingFeedback : public CUserFeedback {
public:
    std::vector<CSound> sounds;
    std::vector<std::string> status;

    void beep(CSound sound) override { sounds.push_back(sound); }
    void showStatus(std::string_view text) override { status.emplace_back(text); }
};

} // namespace corvide::testing
