#include "brannock/reader/GrammarParser.h"

#include "brannock/MessageNumbers.h"
#include "toolframe/platform/PathServices.h"

namespace brannock {

namespace {

constexpr TokenCodeSet kDeclarationStart = {TokenCode::Include, TokenCode::Union, TokenCode::Name,
                                            TokenCode::Start,   TokenCode::Token, TokenCode::Left,
                                            TokenCode::Right,   TokenCode::Nonassoc, TokenCode::Type,
                                            TokenCode::Nonterm};
constexpr TokenCodeSet kRuleStart = {TokenCode::Identifier, TokenCode::Tilde};
constexpr TokenCodeSet kSymbol = {TokenCode::Identifier, TokenCode::CharacterToken};
constexpr TokenCodeSet kEndOfSection = {TokenCode::Separator, TokenCode::EndOfFile};
constexpr int kNameBlocks = 3;

} // namespace

GrammarParser::GrammarParser(const ToolOptions& options, toolframe::SourceInput& input, Grammar& grammar, Emitter& emitter,
                             toolframe::Diagnostics& diagnostics)
    : options_(options), input_(input), grammar_(grammar), emitter_(emitter), diagnostics_(diagnostics),
      scanner_(input, grammar, emitter, diagnostics, *this)
{
}

void GrammarParser::advance()
{
    if (scanner_.next().code == TokenCode::Action)
        ++actions_;
}

void GrammarParser::reportMissing(TokenCode expected)
{
    diagnostics_.report(MissingToken, displayName(expected), displayName(token()));
}

bool GrammarParser::expect(TokenCode code)
{
    if (token() == code) {
        advance();
        return true;
    }
    reportMissing(code);
    return false;
}

void GrammarParser::recover(TokenCodeSet start, TokenCodeSet follow)
{
    if (start.contains(token()) || follow.contains(token()))
        return;
    diagnostics_.report(UnexpectedToken, displayName(token()));
    while (!start.contains(token()) && !follow.contains(token()) && token() != TokenCode::EndOfFile)
        advance();
}

ActionSite GrammarParser::actionSite() const
{
    ActionSite site;
    if (destructorAction_ || rule_ == nullptr) {
        site.ofRule = false;
        site.resultType = destructorType_;
        return site;
    }
    for (const Symbol* symbol : rule_->rightSide)
        site.itemTypes.push_back(symbol->type);
    if (pending_)
        site.itemTypes.push_back(pending_->type);
    site.itemsBefore = static_cast<int>(site.itemTypes.size());
    site.resultType = actionTag_ != nullptr ? actionTag_ : rule_->leftSide->type;
    return site;
}

void GrammarParser::readDeclarationsAndRules()
{
    advance();
    declarations(kEndOfSection);
    writeRepeatedPreamble();
    emitter_.beginActionFunction();
    expect(TokenCode::Separator);
    rules(kEndOfSection);
}

void GrammarParser::readProgramSection()
{
    if (token() == TokenCode::Separator) {
        advance();
        if (token() == TokenCode::ProgramCode) {
            programSection_ = true;
            advance();
        }
    }
    if (token() != TokenCode::EndOfFile)
        diagnostics_.report(SyntaxError);
}

// Declarations.

void GrammarParser::writeRepeatedPreamble()
{
    if (preambleWritten_)
        return;
    preambleWritten_ = true;
    emitter_.beginSourceFile(true);
    if (!options_.generateIncludeFile)
        return;
    // The header as the generated source sees it.
    std::string include = options_.includeFile;
    std::string source = options_.outputFile;
    if (options_.shortFileNames) {
        include = toolframe::path::shortPath(include);
        source = toolframe::path::shortPath(source);
    }
    emitter_.includeGeneratedHeader(toolframe::path::relativePath(source, include));
}

void GrammarParser::declarations(TokenCodeSet follow)
{
    for (;;) {
        recover(kDeclarationStart, follow);
        if (!kDeclarationStart.contains(token()))
            return;
        declaration();
    }
}

void GrammarParser::declaration()
{
    scanner_.setBlockTarget(BlockTarget::IncludeOrSource);
    switch (token()) {
    case TokenCode::Include:
        advance();
        expect(TokenCode::DeclarationCodeBlock);
        break;
    case TokenCode::Union:
        unionDeclaration();
        break;
    case TokenCode::Name:
        nameDeclaration();
        break;
    case TokenCode::Start:
        startDeclaration();
        break;
    case TokenCode::Token:
        tokenDeclaration(Associativity::None, false);
        break;
    case TokenCode::Left:
        tokenDeclaration(Associativity::Left, true);
        break;
    case TokenCode::Right:
        tokenDeclaration(Associativity::Right, true);
        break;
    case TokenCode::Nonassoc:
        tokenDeclaration(Associativity::Nonassociative, true);
        break;
    case TokenCode::Type:
        typeDeclaration();
        break;
    case TokenCode::Nonterm:
        nonterminalDeclaration();
        break;
    default:
        advance();
        break;
    }
}

void GrammarParser::unionDeclaration()
{
    if (unionSeen_)
        diagnostics_.report(DuplicateUnion);
    unionSeen_ = true;
    emitter_.unionBlock(true);
    advance();
    if (token() == TokenCode::DeclarationCodeBlock) {
        emitter_.unionBlock(false);
        advance();
    } else {
        reportMissing(TokenCode::DeclarationCodeBlock);
        emitter_.unionBlock(false);
    }
}

void GrammarParser::nameDeclaration()
{
    if (nameSeen_)
        diagnostics_.report(DuplicateNameDeclaration);
    writeRepeatedPreamble();
    if (options_.targetLanguage == toolframe::TargetLanguage::Java && !nameSeen_) {
        // The constants and the value class must lie inside the class.
        if (unionSeen_)
            diagnostics_.report(UnionBeforeName);
        if (tokenDeclarationSeen_)
            diagnostics_.report(TokenDeclarationBeforeName);
        if (typeDeclarationSeen_)
            diagnostics_.report(TypeDeclarationBeforeName);
    }
    nameSeen_ = true;
    advance();
    if (token() != TokenCode::Identifier) {
        reportMissing(TokenCode::Identifier);
        return;
    }
    Symbol& name = *lexeme().symbol;
    if (name.kind == SymbolKind::Unknown)
        name.namesParserOnly = true;
    // Each block's call comes before the scanner copies the block, which
    // happens as the token before it is passed; the first block goes to the
    // include file, the constructor and destructor blocks to the source.
    void (Emitter::*const blockCalls[kNameBlocks])(bool, std::string_view) = {
        &Emitter::parserName, &Emitter::constructorBlock, &Emitter::destructorBlock};
    const std::string parserName = name.name;
    (emitter_.*blockCalls[0])(true, parserName);
    advance();
    for (int block = 0; block < kNameBlocks; ++block) {
        const bool present = token() == TokenCode::DeclarationCodeBlock;
        (emitter_.*blockCalls[block])(false, parserName);
        if (block + 1 < kNameBlocks)
            (emitter_.*blockCalls[block + 1])(true, parserName);
        if (!present) {
            // Absent blocks still get their calls.
            for (int rest = block + 1; rest < kNameBlocks; ++rest) {
                (emitter_.*blockCalls[rest])(false, parserName);
                if (rest + 1 < kNameBlocks)
                    (emitter_.*blockCalls[rest + 1])(true, parserName);
            }
            return;
        }
        scanner_.setBlockTarget(block + 1 < kNameBlocks ? BlockTarget::Source : BlockTarget::IncludeOrSource);
        advance();
    }
}

void GrammarParser::startDeclaration()
{
    advance();
    if (token() != TokenCode::Identifier) {
        reportMissing(TokenCode::Identifier);
        return;
    }
    grammar_.setStart(*lexeme().symbol, line());
    advance();
}

const Symbol* GrammarParser::optionalTag()
{
    if (token() != TokenCode::Tag)
        return nullptr;
    const Symbol* tag = &grammar_.tag(lexeme().text, line());
    grammar_.useTypes();
    scanner_.noteTypesInUse();
    advance();
    return tag;
}

template <class Item>
void GrammarParser::symbolList(TokenCodeSet items, Item&& item)
{
    for (;;) {
        if (token() == TokenCode::Comma) {
            advance();
            continue;
        }
        if (!items.contains(token()))
            return;
        item(*lexeme().symbol, line());
    }
}

void GrammarParser::tokenDeclaration(Associativity associativity, bool hasAssociativity)
{
    writeRepeatedPreamble();
    tokenDeclarationSeen_ = true;
    const int level = hasAssociativity ? grammar_.nextPrecedenceLevel() : 0;
    advance();
    const Symbol* tag = optionalTag();
    symbolList(kSymbol, [&](Symbol& symbol, int at) {
        grammar_.declareToken(symbol, at);
        if (tag != nullptr)
            grammar_.setType(symbol, tag, at);
        if (hasAssociativity && symbol.isToken())
            grammar_.setAssociativity(symbol, associativity, level, at);
        advance();
        if (token() == TokenCode::Integer) {
            // A number already reported as malformed numbers nothing.
            if (lexeme().valid)
                grammar_.numberToken(symbol, static_cast<long>(lexeme().integer), lexeme().text, line());
            advance();
        } else {
            grammar_.numberAutomatically(symbol, at);
        }
    });
}

void GrammarParser::typeDeclaration()
{
    typeDeclarationSeen_ = true;
    advance();
    const Symbol* tag = optionalTag();
    symbolList(kSymbol, [&](Symbol& symbol, int at) {
        grammar_.setType(symbol, tag, at);
        advance();
    });
}

void GrammarParser::nonterminalDeclaration()
{
    advance();
    const Symbol* tag = optionalTag();
    symbolList({TokenCode::Identifier}, [&](Symbol& symbol, int at) {
        grammar_.declareNonterminal(symbol, at);
        if (tag != nullptr)
            grammar_.setType(symbol, tag, at);
        advance();
    });
}

// Rules.

void GrammarParser::rules(TokenCodeSet follow)
{
    // At least one rule: what follows the rules cannot stand for them.
    if (!kRuleStart.contains(token()) && follow.contains(token()))
        diagnostics_.report(UnexpectedToken, displayName(token()));
    for (;;) {
        recover(kRuleStart, follow);
        if (token() == TokenCode::Identifier) {
            Symbol& leftSide = *lexeme().symbol;
            const int at = line();
            advance();
            rule(leftSide, at);
        } else if (token() == TokenCode::Tilde) {
            destructorDefinition();
        } else {
            return;
        }
    }
}

void GrammarParser::rule(Symbol& leftSide, int at)
{
    Symbol* left = &leftSide;
    for (;;) {
        if (token() != TokenCode::Colon)
            reportMissing(TokenCode::Colon);
        // The first item, which may be an action, is scanned as the colon
        // is passed: the alternative must exist by then.
        Symbol* nextRule = alternative(*left, at);
        while (nextRule == nullptr && token() == TokenCode::Bar)
            nextRule = alternative(*left, line());
        if (nextRule == nullptr)
            break;
        // "name :" inside an alternative: the rule before lacks its ';'.
        diagnostics_.report(MissingToken, displayName(TokenCode::Semicolon), displayName(TokenCode::Identifier));
        left = nextRule;
        at = line();
    }
    if (token() == TokenCode::Semicolon)
        advance();
    else
        reportMissing(TokenCode::Semicolon);
}

Symbol* GrammarParser::alternative(Symbol& leftSide, int at)
{
    rule_ = &grammar_.beginRule(leftSide, at);
    pending_.reset();
    actionTag_ = nullptr;
    if (token() == TokenCode::Colon || token() == TokenCode::Bar)
        advance();
    Symbol* lastIdentifier = nullptr;
    for (;;) {
        switch (token()) {
        case TokenCode::Identifier:
        case TokenCode::CharacterToken:
            convertPendingAction();
            lastIdentifier = token() == TokenCode::Identifier ? lexeme().symbol : nullptr;
            grammar_.appendSymbol(*rule_, *lexeme().symbol);
            advance();
            continue;
        case TokenCode::Tag:
            lastIdentifier = nullptr;
            actionTag_ = &grammar_.tag(lexeme().text, line());
            advance();
            if (token() != TokenCode::Action) {
                reportMissing(TokenCode::Action);
                actionTag_ = nullptr;
            }
            continue;
        case TokenCode::Action:
            lastIdentifier = nullptr;
            actionItem();
            continue;
        case TokenCode::Prec:
            lastIdentifier = nullptr;
            precedenceItem();
            continue;
        default:
            break;
        }
        break;
    }
    if (token() == TokenCode::Colon && lastIdentifier != nullptr) {
        // The identifier was the next rule's left-hand side.
        rule_->rightSide.pop_back();
        finishAlternative();
        return lastIdentifier;
    }
    finishAlternative();
    return nullptr;
}

void GrammarParser::actionItem()
{
    convertPendingAction();
    const Symbol* type = actionTag_ != nullptr ? actionTag_ : rule_->leftSide->type;
    pending_ = PendingAction{lexeme().action, type, lexeme().line};
    actionTag_ = nullptr;
    advance();
    if (token() != TokenCode::Tilde)
        return;
    // A destructor's action is scanned as the token before it is passed.
    destructorAction_ = true;
    destructorType_ = type;
    advance();
    if (token() == TokenCode::Tag) {
        destructorType_ = &grammar_.tag(lexeme().text, line());
        advance();
    }
    destructorAction_ = false;
    if (token() != TokenCode::Action) {
        reportMissing(TokenCode::Action);
        return;
    }
    pending_->destructor = lexeme().action;
    advance();
}

void GrammarParser::precedenceItem()
{
    advance();
    if (!kSymbol.contains(token())) {
        reportMissing(TokenCode::Identifier);
        return;
    }
    grammar_.setRulePrecedence(*rule_, *lexeme().symbol, line());
    advance();
}

void GrammarParser::convertPendingAction()
{
    if (!pending_)
        return;
    Symbol& midRule = grammar_.addMidRuleAction(pending_->action, pending_->type, pending_->line);
    if (pending_->destructor >= 0)
        grammar_.setSymbolDestructor(midRule, pending_->destructor, midRule.type, pending_->line);
    grammar_.appendSymbol(*rule_, midRule);
    pending_.reset();
}

void GrammarParser::finishAlternative()
{
    Rule& rule = *rule_;
    if (pending_) {
        rule.action = pending_->action;
    } else if (rule.rightSide.empty()) {
        if (rule.leftSide->type != nullptr)
            diagnostics_.report(UnassignedLeftSide);
    } else if (rule.leftSide->type != rule.rightSide.front()->type) {
        diagnostics_.report(DefaultActionTypeClash);
    }
    grammar_.finishRule(rule);
    pending_.reset();
    rule_ = nullptr;
}

void GrammarParser::destructorDefinition()
{
    const int at = line();
    advance();
    std::vector<Symbol*> listed;
    Symbol* tag = nullptr;
    if (token() == TokenCode::Tag) {
        tag = &grammar_.tag(lexeme().text, at);
        advance();
    } else {
        while (kSymbol.contains(token())) {
            listed.push_back(lexeme().symbol);
            advance();
            if (token() != TokenCode::Bar)
                break;
            advance();
            if (token() == TokenCode::Tilde)
                advance();
        }
    }
    const Symbol* type = tag != nullptr ? tag : listed.empty() ? nullptr : listed.front()->type;
    destructorAction_ = true;
    destructorType_ = type;
    if (token() == TokenCode::Colon)
        advance();
    else
        reportMissing(TokenCode::Colon);
    destructorAction_ = false;
    if (token() != TokenCode::Action) {
        reportMissing(TokenCode::Action);
        return;
    }
    const int action = lexeme().action;
    if (tag != nullptr)
        grammar_.setTypeDestructor(*tag, action, at);
    else if (listed.empty())
        grammar_.setUntypedDestructor(action, at);
    for (Symbol* symbol : listed)
        grammar_.setSymbolDestructor(*symbol, action, type, at);
    advance();
    if (token() == TokenCode::Semicolon)
        advance();
}

} // namespace brannock
