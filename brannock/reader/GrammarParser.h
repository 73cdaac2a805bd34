#pragma once

#include <optional>
#include <vector>

#include "brannock/reader/ActionSite.h"
#include "brannock/emit/Emitter.h"
#include "brannock/grammar/Grammar.h"
#include "toolframe/source/SourceInput.h"
#include "brannock/reader/GrammarScanner.h"
#include "brannock/ToolOptions.h"
#include "toolframe/diagnostics/Diagnostics.h"

namespace brannock {

// Reads a grammar by recursive descent, building the model and streaming
// user code to the emitter in file order. Each procedure knows the tokens
// that may follow it: a token that cannot start what is expected is
// reported once and skipped up to one that can start it or follow it; a
// required token that is missing is reported and taken as read.
class GrammarParser : public ActionSiteSource {
public:
    GrammarParser(const ToolOptions& options, toolframe::SourceInput& input, Grammar& grammar, Emitter& emitter,
                  toolframe::Diagnostics& diagnostics);

    // Declarations and rules, up to the separator before the program
    // section (not read yet, so that it lands behind the tables).
    void readDeclarationsAndRules();
    // The program section, copied to the source, and the end of the file.
    void readProgramSection();

    bool programSectionPresent() const { return programSection_; }
    int actionCount() const { return actions_; }

    ActionSite actionSite() const override;

private:
    struct PendingAction {
        int action;
        const Symbol* type;
        int line;
        int destructor = -1;
    };

    TokenCode token() const { return scanner_.current().code; }
    const Lexeme& lexeme() const { return scanner_.current(); }
    int line() const { return input_.currentLine(); }
    void advance();
    // Reports a missing token; true when it is there (and consumed).
    bool expect(TokenCode code);
    void reportMissing(TokenCode expected);
    void recover(TokenCodeSet start, TokenCodeSet follow);

    void declarations(TokenCodeSet follow);
    void declaration();
    void unionDeclaration();
    void nameDeclaration();
    void startDeclaration();
    void tokenDeclaration(Associativity associativity, bool hasAssociativity);
    void typeDeclaration();
    void nonterminalDeclaration();
    const Symbol* optionalTag();
    // Items separated by optional commas; item(symbol, line) consumes one.
    template <class Item>
    void symbolList(TokenCodeSet items, Item&& item);
    void writeRepeatedPreamble();

    void rules(TokenCodeSet follow);
    void rule(Symbol& leftSide, int line);
    // Returns the symbol that turned out to start the next rule, if any.
    Symbol* alternative(Symbol& leftSide, int line);
    void actionItem();
    void precedenceItem();
    void convertPendingAction();
    void finishAlternative();
    void destructorDefinition();

    const ToolOptions& options_;
    toolframe::SourceInput& input_;
    Grammar& grammar_;
    Emitter& emitter_;
    toolframe::Diagnostics& diagnostics_;
    GrammarScanner scanner_;

    bool preambleWritten_ = false;
    bool unionSeen_ = false;
    bool nameSeen_ = false;
    bool tokenDeclarationSeen_ = false;
    bool typeDeclarationSeen_ = false;
    bool programSection_ = false;
    int actions_ = 0;

    // The alternative being read.
    Rule* rule_ = nullptr;
    std::optional<PendingAction> pending_;
    const Symbol* actionTag_ = nullptr;
    // The next action is a destructor's, with this type for $$.
    bool destructorAction_ = false;
    const Symbol* destructorType_ = nullptr;
};

} // namespace brannock
