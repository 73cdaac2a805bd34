#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "brannock/Grammar.h"
#include "brannock/GrammarInput.h"
#include "brannock/GrammarParser.h"
#include "brannock/Messages.h"
#include "brannock/testing/RecordingEmitter.h"
#include "toolframe/Diagnostics.h"

// Reads a grammar text the way a run does, over a recording emitter, and
// keeps the model, the calls and the messages for a test to look at.
namespace brannock::testing {

class GrammarReading {
public:
    explicit GrammarReading(const std::string& text, ToolOptions options = {})
        : options_(std::move(options)),
          out_(open_memstream(&messages_, &messagesSize_)),
          diagnostics_('Y', toolframe::MessageCatalog(brannock::messages()), out_),
          input_(codePage_, diagnostics_)
    {
        options_.sourceFile = "g.y";
        diagnostics_.setSourceName("g.y");
        diagnostics_.connect(&input_, nullptr, nullptr);
        source_ = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
        if (text.empty())
            source_ = std::fopen("/dev/null", "r");
        input_.open(source_);
        grammar_ = std::make_unique<Grammar>(options_, codePage_, emitter_, diagnostics_);
        GrammarParser parser(options_, input_, *grammar_, emitter_, diagnostics_);
        try {
            parser.readDeclarationsAndRules();
            if (diagnostics_.errors() == 0)
                grammar_->checkDefinitions(input_.currentLine());
            if (diagnostics_.errors() == 0)
                grammar_->orderTokens();
            parser.readProgramSection();
            programSection_ = parser.programSectionPresent();
        } catch (const toolframe::RunAborted&) {
            aborted_ = true;
        }
        std::fclose(source_);
    }
    ~GrammarReading()
    {
        std::fclose(out_);
        std::free(messages_);
    }
    GrammarReading(const GrammarReading&) = delete;
    GrammarReading& operator=(const GrammarReading&) = delete;

    std::string messages()
    {
        std::fflush(out_);
        return std::string(messages_, messagesSize_);
    }
    // The calls, without the #line directives the streams ask for.
    std::vector<std::string> calls() const
    {
        std::vector<std::string> texts;
        for (const std::string& text : emitter_.texts())
            if (text.rfind("lineDirective", 0) != 0)
                texts.push_back(text);
        return texts;
    }
    std::vector<std::string> allCalls() const { return emitter_.texts(); }
    Grammar& grammar() { return *grammar_; }
    const Symbol* symbol(const std::string& name) const { return grammar_->symbols().find(name); }
    long number(const std::string& name) const { return symbol(name)->number; }
    int errors() const { return diagnostics_.errors(); }
    int warnings() const { return diagnostics_.warnings(); }
    bool aborted() const { return aborted_; }
    bool programSection() const { return programSection_; }

private:
    ToolOptions options_;
    char* messages_ = nullptr;
    std::size_t messagesSize_ = 0;
    std::FILE* out_;
    toolframe::Diagnostics diagnostics_;
    toolframe::CodePage codePage_{toolframe::CodePage::kUtf8};
    GrammarInput input_;
    RecordingEmitter emitter_;
    std::unique_ptr<Grammar> grammar_;
    std::FILE* source_ = nullptr;
    bool aborted_ = false;
    bool programSection_ = false;
};

inline ToolOptions unicodeOptions()
{
    ToolOptions options;
    options.unicode = true;
    return options;
}

inline ToolOptions compactOptions()
{
    ToolOptions options;
    options.compactTables = true;
    return options;
}

} // namespace brannock::testing
