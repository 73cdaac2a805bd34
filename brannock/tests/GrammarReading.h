#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "brannock/lr/Automaton.h"
#include "brannock/grammar/Grammar.h"
#include "brannock/grammar/GrammarAnalysis.h"
#include "brannock/lr/NeverUsedReport.h"
#include "brannock/lr/ParseActions.h"
#include "brannock/tables/ParserTables.h"
#include "brannock/lr/VerboseWriter.h"
#include "toolframe/testing/TemporaryDirectory.h"
#include "brannock/reader/GrammarInput.h"
#include "brannock/reader/GrammarParser.h"
#include "brannock/Messages.h"
#include "brannock/testing/RecordingEmitter.h"
#include "toolframe/diagnostics/Diagnostics.h"

// Reads a grammar text the way a run does, over a recording emitter, and
// keeps the model, the calls and the messages for a test to look at.
namespace brannock::testing {

class GrammarReading {
public:
    // With automaton set, the automaton is built and its actions settled
    // as a run does, the verbose report going to a file of its own.
    explicit GrammarReading(const std::string& text, ToolOptions options = {}, bool automaton = false)
        : options_(std::move(options)),
          out_(open_memstream(&messages_, &messagesSize_)),
          diagnostics_('Y', brannock::messageCatalog(), out_),
          input_(codePage_, diagnostics_),
          verbose_(diagnostics_, codePage_)
    {
        if (automaton) {
            verbose_.file().open(directory_ / "g.v");
            verbose_.writeHeader("g.y", stamp_);
        }
        options_.sourceFile = "g.y";
        diagnostics_.setSourceName("g.y");
        diagnostics_.connect(&input_, nullptr, nullptr);
        source_ = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
        if (text.empty())
            source_ = std::fopen("/dev/null", "r");
        input_.open(source_, "g.y");
        grammar_ = std::make_unique<Grammar>(options_, codePage_, emitter_, diagnostics_);
        grammar_->setRuleListener(&verbose_);
        GrammarParser parser(options_, input_, *grammar_, emitter_, diagnostics_);
        try {
            parser.readDeclarationsAndRules();
            if (diagnostics_.errors() == 0)
                grammar_->checkDefinitions(input_.currentLine());
            if (diagnostics_.errors() == 0)
                grammar_->orderTokens();
            if (automaton && diagnostics_.errors() == 0)
                buildAutomaton();
            parser.readProgramSection();
            programSection_ = parser.programSectionPresent();
        } catch (const toolframe::RunAborted&) {
            aborted_ = true;
        }
        std::fclose(source_);
    }
    // A grammar of the test corpus.
    static std::string readFile(const std::string& name);

    void buildAutomaton()
    {
        verbose_.writeStatesTitle();
        analysis_ = std::make_unique<GrammarAnalysis>(*grammar_, options_.parserKind);
        automaton_ = std::make_unique<Automaton>(*grammar_, *analysis_);
        automaton_->build();
        actions_ = std::make_unique<ParseActions>(*automaton_, options_, diagnostics_, verbose_);
        actions_->build();
        actions_->markReachable();
        tables_ = std::make_unique<ParserTables>(*automaton_, options_);
        tables_->compress();
        tables_->write(emitter_);
        reportNeverUsed(*grammar_, diagnostics_, verbose_);
        verbose_.writeSummary(static_cast<int>(grammar_->usedTokens().size()),
                              static_cast<int>(grammar_->nonterminals().size()),
                              static_cast<int>(grammar_->rules().size()),
                              tables_->stateCount());
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
    const std::vector<LrState*>& states() const { return automaton_->states(); }
    const ParseActions& actions() const { return *actions_; }
    const ParserTables& tables() const { return *tables_; }
    // The calls of one table: from its begin operation up to its end.
    std::vector<std::string> table(const std::string& begin) const
    {
        std::vector<std::string> rows;
        bool inside = false;
        for (const std::string& call : calls()) {
            if (call.rfind(begin, 0) == 0)
                inside = true;
            else if (inside && call.rfind("end", 0) == 0)
                break;
            if (inside)
                rows.push_back(call);
        }
        return rows;
    }
    const LrState& state(std::size_t number) const { return *automaton_->states().at(number); }
    std::string report()
    {
        verbose_.file().close();
        return directory_.read("g.v");
    }
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
    toolframe::testing::TemporaryDirectory directory_;
    toolframe::DateTimeStamp stamp_{"01/01/70", "00:00:00"};
    VerboseWriter verbose_;
    RecordingEmitter emitter_;
    std::unique_ptr<Grammar> grammar_;
    std::unique_ptr<GrammarAnalysis> analysis_;
    std::unique_ptr<Automaton> automaton_;
    std::unique_ptr<ParseActions> actions_;
    std::unique_ptr<ParserTables> tables_;
    std::FILE* source_ = nullptr;
    bool aborted_ = false;
    bool programSection_ = false;
};

inline std::string GrammarReading::readFile(const std::string& name)
{
    return toolframe::testing::readFile(std::string(GRAMMARS_DIR) + "/" + name);
}

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
