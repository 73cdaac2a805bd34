#pragma once

#include <deque>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "brannock/emit/Emitter.h"
#include "brannock/grammar/Nonterminal.h"
#include "brannock/grammar/Rule.h"
#include "brannock/grammar/SymbolTable.h"
#include "brannock/ToolOptions.h"
#include "toolframe/diagnostics/Diagnostics.h"

namespace brannock {

// Told of each rule as it gets its number (the verbose report lists them).
class RuleListener {
public:
    virtual ~RuleListener() = default;
    virtual void ruleCompleted(const Rule& rule) = 0;
};

// What the grammar reader learns: symbols, numbering, precedence, types,
// destructors, nonterminals and rules, and the checks run on them once the
// rules are read. Every problem is reported through the diagnostics at the
// line given or at the symbol's first line.
class Grammar {
public:
    Grammar(const ToolOptions& options, const toolframe::CodePage& codePage, Emitter& emitter,
            toolframe::Diagnostics& diagnostics);
    Grammar(const Grammar&) = delete;
    Grammar& operator=(const Grammar&) = delete;

    SymbolTable& symbols() { return symbols_; }
    const SymbolTable& symbols() const { return symbols_; }
    Symbol& endOfInput() { return *endOfInput_; }
    Symbol& errorToken() { return *error_; }
    Symbol& accept() { return *accept_; }
    const Symbol& endOfInput() const { return *endOfInput_; }
    const Symbol& errorToken() const { return *error_; }
    bool unicode() const { return unicode_; }
    bool compactTables() const { return compact_; }

    // A character token as scanned: its full text and its character values.
    Symbol& characterToken(std::string_view text, const std::vector<long>& values, int line);

    // Declarations.
    void declareToken(Symbol& symbol, int line);
    void declareNonterminal(Symbol& symbol, int line);
    void setType(Symbol& symbol, const Symbol* tag, int line);
    void setAssociativity(Symbol& symbol, Associativity associativity, int level, int line);
    // The text is the number as written, which a message quotes.
    void numberToken(Symbol& symbol, long number, const std::string& text, int line);
    // The next free number, unless the token has one or is an unnamed
    // character token of compact tables.
    void numberAutomatically(Symbol& symbol, int line);
    void setStart(Symbol& symbol, int line);
    Symbol& tag(std::string_view name, int line);
    int nextPrecedenceLevel() { return precedenceLevels_++; }
    void useTypes() { typesInUse_ = true; }
    bool typesInUse() const { return typesInUse_; }

    // Rules.
    Rule& beginRule(Symbol& leftSide, int line);
    void appendSymbol(Rule& rule, Symbol& symbol);
    // A mid-rule action becomes "$$n" with one empty rule that carries it.
    Symbol& addMidRuleAction(int action, const Symbol* type, int line);
    void finishRule(Rule& rule);
    void setRulePrecedence(Rule& rule, Symbol& symbol, int line);

    // Destructor definitions.
    void setSymbolDestructor(Symbol& symbol, int action, const Symbol* firstType, int line);
    void setTypeDestructor(Symbol& tag, int action, int line);
    void setUntypedDestructor(int action, int line);

    // After the rules: undefined and unused symbols, destructors resolved.
    void checkDefinitions(int currentLine);
    // Before the automaton: the used tokens in ascending number order.
    void orderTokens();

    void setRuleListener(RuleListener* listener) { ruleListener_ = listener; }

    const Symbol* start() const { return start_; }
    const std::vector<Nonterminal*>& nonterminals() const { return nonterminalList_; }
    const std::vector<Rule*>& rules() const { return ruleList_; }
    const std::vector<Symbol*>& usedTokens() const { return usedTokens_; }
    int untypedDestructor() const { return untypedDestructor_; }

private:
    Symbol& predefine(std::string_view name);
    Nonterminal& nonterminalOf(Symbol& symbol, int line);
    void becomeToken(Symbol& symbol);
    void useToken(Symbol& symbol);
    void assignNumber(Symbol& symbol, long number, const std::string& text, int line);
    void resolveDestructor(Symbol& symbol);
    void reportAt(int line, int number, const Symbol& symbol);

    Emitter& emitter_;
    toolframe::Diagnostics& diagnostics_;
    SymbolTable symbols_;
    bool unicode_;
    bool compact_;
    Symbol* error_ = nullptr;
    Symbol* accept_ = nullptr;
    Symbol* endOfInput_ = nullptr;
    Symbol* start_ = nullptr;
    long nextTokenNumber_;
    std::unordered_map<long, const Symbol*> tokenNumbers_;
    std::vector<Symbol*> usedTokens_;
    std::deque<Nonterminal> nonterminalStorage_;
    std::vector<Nonterminal*> nonterminalList_;
    std::deque<Rule> ruleStorage_;
    std::vector<Rule*> ruleList_;
    bool typesInUse_ = false;
    int precedenceLevels_ = 0;
    int untypedDestructor_ = -1;
    int midRuleCounter_ = 1;
    RuleListener* ruleListener_ = nullptr;
};

} // namespace brannock
