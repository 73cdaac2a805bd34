#include "lindle/reader/LexReader.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "toolframe/platform/CodePageConverter.h"
#include "toolframe/source/CodeCopier.h"

namespace lindle {

namespace {

using toolframe::MessageArgument;
using toolframe::SourceCharacter;


bool isBlank(const SourceCharacter& c) { return c.is(' ') || c.is('\t'); }
bool isNameStart(const SourceCharacter& c) { return c.code < 0x80 && (std::isalpha(static_cast<int>(c.code)) || c.is('_')); }
bool isNamePart(const SourceCharacter& c) { return c.code < 0x80 && (std::isalnum(static_cast<int>(c.code)) || c.is('_')); }
bool isDigit(const SourceCharacter& c) { return c.code >= '0' && c.code <= '9'; }

constexpr std::uint64_t kLargestInteger = 0xFFFFFFFFu;
constexpr std::uint64_t kLargestTableValue = 65535;
constexpr std::uint32_t kLastUnicodeUnit = 0xFFFF;

} // namespace

LexReader::LexReader(const ToolOptions& options, LexInput& input,
                                         ScannerEmitter& emitter, ExpressionBuilder& builder,
                                         toolframe::Diagnostics& diagnostics, int ansiCodePage)
    : options_(options), input_(input), emitter_(emitter), builder_(builder), diagnostics_(diagnostics),
      ansiCodePage_(ansiCodePage), symbols_(toolframe::CodePage(ansiCodePage))
{
    conditionNames_.push_back("INITIAL");
    settings_.codePage = ansiCodePage;
}

void LexReader::read(std::FILE* source)
{
    input_.open(source, options_.sourceFile);
    const bool rulesFollow = readDefinitions();
    repeatPrologue();
    emitter_.beginActionFunction();
    std::vector<TranslationRun> runs;
    for (const auto& [character, value] : translation_) {
        if (!runs.empty() && runs.back().last + 1 == character && runs.back().value == value)
            runs.back().last = character;
        else
            runs.push_back(TranslationRun{character, character, value});
    }
    std::vector<StartConditionInfo> conditions;
    for (const std::string& name : conditionNames_)
        conditions.push_back({name, symbols_.startCondition(name).exclusive});
    builder_.definitionsRead(conditions, runs);
    if (rulesFollow) {
        readRules();
    } else {
        emitter_.closeActionFunction();
        builder_.rulesRead();
        emitter_.afterProgramCode(false);
    }
}

// ---------------------------------------------------------------------------
// Shared lexical rules

void LexReader::verbatimLine(const SourceCharacter& first)
{
    toolframe::OutputStream& out = emitter_.sourceStream();
    out.setGrammarLine(input_.currentLine());
    for (const SourceCharacter* c = &first; !c->isEndOfFile(); c = &get()) {
        out.writeCharacter(c->value);
        if (c->is('\n'))
            break;
    }
    out.requestResync();
}

// Called with "%{" read.
void LexReader::codeBlock()
{
    toolframe::OutputStream& out = emitter_.sourceStream();
    out.setGrammarLine(input_.currentLine());
    const toolframe::CopyOutcome outcome =
        toolframe::CodeCopier(input_, out, nullptr).copy(toolframe::CodeEnd::PercentBrace);
    if (!outcome.ended)
        diagnostics_.fatal(outcome.inComment ? EndOfFileInCodeBlockComment : EndOfFileInCodeBlock);
    out.writeCharacter('\n');
    out.requestResync();
}

// Called with "/*" or "//" read.
void LexReader::skipComment(bool block)
{
    bool star = false;
    for (;;) {
        const SourceCharacter& c = get();
        if (c.isEndOfFile()) {
            if (block)
                diagnostics_.fatal(EndOfFileInComment);
            return;
        }
        if (!block && c.is('\n'))
            return;
        if (block && star && c.is('/'))
            return;
        star = c.is('*');
    }
}

std::string LexReader::word(const SourceCharacter& first)
{
    std::string text(input_.bytesOf(first));
    for (;;) {
        const SourceCharacter& c = get();
        if (!isNamePart(c)) {
            unget();
            return text;
        }
        text += input_.bytesOf(c);
    }
}

std::optional<Token> LexReader::keyword(const std::string& text) { return symbols_.keyword(text); }

// Called with '%' read and not followed by '%' or '{': reports what is no
// keyword and leaves the lexeme's token unchanged then.
void LexReader::keywordOrEscape(Lexeme& lexeme)
{
    const SourceCharacter& c = get();
    if (!isNameStart(c)) {
        // The escape is the two characters; a line end stays a line end.
        if (c.isEndOfFile() || c.is('\n'))
            unget();
        diagnostics_.report(InvalidLexEscape);
        return;
    }
    const std::string name = word(c);
    lexeme.text = "%" + name;
    if (const auto token = keyword(name))
        lexeme.token = *token;
    else
        diagnostics_.report(InvalidKeyword, lexeme.text);
}

void LexReader::integer(const SourceCharacter& first, Lexeme& lexeme)
{
    lexeme.token = Token::Integer;
    lexeme.text = std::string(input_.bytesOf(first));
    unsigned base = 10;
    std::uint64_t value = first.code - '0';
    bool tooBig = false;
    bool digits = true;
    if (first.is('0')) {
        base = 8;
        const SourceCharacter& c = get();
        if (c.is('x') || c.is('X')) {
            base = 16;
            digits = false;
            lexeme.text += input_.bytesOf(c);
        } else {
            unget();
        }
    }
    for (;;) {
        const SourceCharacter& c = get();
        unsigned digit = 16;
        if (isDigit(c))
            digit = c.code - '0';
        else if (base == 16 && c.code < 0x80 && std::isxdigit(static_cast<int>(c.code)))
            digit = static_cast<unsigned>(std::tolower(static_cast<int>(c.code)) - 'a' + 10);
        if (digit >= base && !(base == 8 && digit < 10)) {
            unget();
            break;
        }
        lexeme.text += input_.bytesOf(c);
        digits = true;
        value = value * base + digit;
        if (value > kLargestInteger) {
            tooBig = true;
            value = kLargestInteger;
        }
    }
    if (!digits)
        diagnostics_.report(HexIntegerWithoutDigits);
    else if (tooBig)
        diagnostics_.report(IntegerTooBig, lexeme.text);
    lexeme.number = symbols_.integer(lexeme.text, value);
}

// Called after a backslash inside a string; numeric, when given, tells
// whether the value was written as a number rather than as a character,
// and written receives the bytes of a character escaped as itself.
std::uint32_t LexReader::escape(bool* numeric, std::uint32_t* written)
{
    const SourceCharacter& c = get();
    if (c.isEndOfFile() || c.is('\n')) {
        unget();
        diagnostics_.report(NewlineInCharacterEscape);
        return '\\';
    }
    switch (c.code) {
    case 'n': return '\n';
    case 't': return '\t';
    case 'r': return '\r';
    case 'b': return '\b';
    case 'f': return '\f';
    case 'v': return '\v';
    case 'a': return '\a';
    default: break;
    }
    if (c.code >= '0' && c.code <= '7') {
        std::uint32_t value = c.code - '0';
        for (int i = 0; i < 2; ++i) {
            const SourceCharacter& d = get();
            if (!(d.code >= '0' && d.code <= '7')) {
                unget();
                break;
            }
            value = value * 8 + (d.code - '0');
        }
        if (numeric != nullptr)
            *numeric = true;
        return value;
    }
    if (c.is('x') || c.is('X')) {
        std::uint32_t value = 0;
        int count = 0;
        for (;;) {
            const SourceCharacter& d = get();
            if (!(d.code < 0x80 && std::isxdigit(static_cast<int>(d.code)))) {
                unget();
                break;
            }
            const int digit = std::tolower(static_cast<int>(d.code));
            const std::uint32_t part = static_cast<std::uint32_t>(digit <= '9' ? digit - '0' : digit - 'a' + 10);
            value = std::min<std::uint32_t>(value * 16 + part, 0x10FFFF);
            ++count;
        }
        if (count == 0)
            diagnostics_.report(HexCharacterWithoutDigits);
        if (numeric != nullptr)
            *numeric = true;
        return value;
    }
    if (written != nullptr)
        *written = c.value;
    return options_.unicode ? c.code : c.value;
}

// Called with the opening quote read.
void LexReader::string(Lexeme& lexeme)
{
    lexeme.token = Token::String;
    lexeme.text.assign(1, '"');
    for (;;) {
        const SourceCharacter& c = get();
        if (c.isEndOfFile() || c.is('\n')) {
            unget();
            diagnostics_.report(NewlineInCharacterString);
            return;
        }
        lexeme.text += input_.bytesOf(c);
        if (c.is('"'))
            return;
        if (!options_.unicode) {
            lexeme.codes.push_back(c.is('\\') ? escape() : c.value);
            continue;
        }
        bool numeric = false;
        std::uint32_t written = c.value;
        const std::uint32_t code = c.is('\\') ? escape(&numeric, &written) : c.code;
        if (const std::optional<std::uint32_t> unit = unicodeUnit(code, written, numeric))
            lexeme.codes.push_back(*unit);
    }
}

// A Unicode scanner's alphabet is UTF-16 code units, and a table entry
// maps one of them: a character beyond U+FFFF, which takes two, has no
// entry to go in, nor has one that did not convert.
std::optional<std::uint32_t> LexReader::unicodeUnit(std::uint32_t code, std::uint32_t written, bool numeric)
{
    if (code == SourceCharacter::kUnconvertible) {
        diagnostics_.report(UnconvertibleToUnicode, MessageArgument::code(written));
        return std::nullopt;
    }
    if (code > kLastUnicodeUnit) {
        diagnostics_.report(numeric ? HexCharacterTooBig : MultibyteCharacterTooBig);
        return std::nullopt;
    }
    return code;
}

// ---------------------------------------------------------------------------
// Definitions section

Lexeme LexReader::scanDefinitionToken()
{
    for (;;) {
        Lexeme lexeme;
        if (atLineStart()) {
            const SourceCharacter& c = get();
            lexeme.line = input_.currentLine();
            if (isBlank(c)) {
                verbatimLine(c);
                continue;
            }
            if (isNameStart(c)) {
                lexeme.token = Token::MacroName;
                lexeme.text = word(c);
                const SourceCharacter* rest = &get();
                while (isBlank(*rest))
                    rest = &get();
                std::string text;
                for (; !rest->isEndOfFile() && !rest->is('\n'); rest = &get())
                    text += input_.bytesOf(*rest);
                while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
                    text.pop_back();
                lexeme.macroText = text;
                return lexeme;
            }
            unget();
        }
        const SourceCharacter& c = get();
        lexeme.line = input_.currentLine();
        lexeme.text = std::string(input_.bytesOf(c));
        if (c.isEndOfFile()) {
            lexeme.token = Token::EndOfFile;
            return lexeme;
        }
        if (isBlank(c) || c.is('\n'))
            continue;
        if (c.is('/')) {
            const SourceCharacter& d = get();
            if (d.is('*') || d.is('/')) {
                skipComment(d.is('*'));
                continue;
            }
            unget();
            diagnostics_.report(UnrecognisedCharacter, MessageArgument::code(c.value));
            continue;
        }
        if (c.is('%')) {
            const SourceCharacter& d = get();
            if (d.is('%')) {
                lexeme.token = Token::Separator;
                lexeme.text = "%%";
                return lexeme;
            }
            if (d.is('{')) {
                // Copied when the reader reaches it, not when it looks
                // ahead, so that it follows what the token before it writes.
                lexeme.token = Token::CodeBlock;
                return lexeme;
            }
            unget();
            lexeme.token = Token::EndOfFile;
            keywordOrEscape(lexeme);
            if (lexeme.token == Token::EndOfFile)
                continue;
            return lexeme;
        }
        if (isNameStart(c)) {
            lexeme.token = Token::Identifier;
            lexeme.text = word(c);
            return lexeme;
        }
        if (isDigit(c)) {
            integer(c, lexeme);
            return lexeme;
        }
        if (c.is('"')) {
            string(lexeme);
            return lexeme;
        }
        if (c.is(',')) {
            lexeme.token = Token::Comma;
            return lexeme;
        }
        if (c.is('{')) {
            lexeme.token = Token::OpenBrace;
            return lexeme;
        }
        if (c.is('}')) {
            lexeme.token = Token::CloseBrace;
            return lexeme;
        }
        diagnostics_.report(UnrecognisedCharacter, MessageArgument::code(c.value));
    }
}

void LexReader::advance() { lexeme_ = scanDefinitionToken(); }

bool LexReader::startsDeclaration(Token token) const
{
    switch (token) {
    case Token::EndOfFile: case Token::Separator: case Token::MacroName: case Token::Start: case Token::Exclusive:
    case Token::Table: case Token::SizeA: case Token::SizeE: case Token::SizeK: case Token::SizeN: case Token::SizeO:
    case Token::SizeP: case Token::Option: case Token::Name: case Token::Include: case Token::CodeBlock:
        return true;
    default:
        return false;
    }
}

// An entry, a comma or the closing "%table" goes on with a table; so that a
// table left open does not swallow what follows it, a new declaration ends it.
bool LexReader::continuesTable(Token token) const
{
    return token == Token::Integer || token == Token::Comma || startsDeclaration(token);
}

// Skips tokens up to one that may follow, naming the first one skipped.
void LexReader::resynchronise(bool (LexReader::*mayFollow)(Token) const)
{
    if ((this->*mayFollow)(lexeme_.token))
        return;
    diagnostics_.report(UnexpectedToken, tokenName(lexeme_.token));
    do
        advance();
    while (!(this->*mayFollow)(lexeme_.token));
}

void LexReader::recoverDeclaration() { resynchronise(&LexReader::startsDeclaration); }

// After an error inside a table: whether the table goes on.
bool LexReader::resumeTable()
{
    resynchronise(&LexReader::continuesTable);
    return lexeme_.token == Token::Table || !startsDeclaration(lexeme_.token);
}

void LexReader::repeatPrologue()
{
    if (prologueRepeated_)
        return;
    prologueRepeated_ = true;
    emitter_.beginSource(true);
    if (emitter_.includeStream().isOpen())
        emitter_.includeGeneratedHeader(emitter_.includeStream().names().own);
}

bool LexReader::readDefinitions()
{
    advance();
    for (;;) {
        switch (lexeme_.token) {
        case Token::EndOfFile:
            diagnostics_.report(MissingToken, tokenName(Token::Separator), tokenName(Token::EndOfFile));
            return false;
        case Token::Separator:
            return true;
        case Token::CodeBlock:
            codeBlock();
            advance();
            break;
        default:
            if (startsDeclaration(lexeme_.token))
                declaration();
            else
                recoverDeclaration();
        }
    }
}

void LexReader::declaration()
{
    repeatPrologue();
    const Token token = lexeme_.token;
    switch (token) {
    case Token::MacroName: {
        if (lexeme_.macroText.empty())
            diagnostics_.report(SyntaxError);
        if (!symbols_.defineMacro(lexeme_.text, lexeme_.macroText))
            diagnostics_.report(DuplicateMacro, lexeme_.text);
        advance();
        return;
    }
    case Token::Start:
    case Token::Exclusive:
        startConditionDeclaration(token == Token::Exclusive);
        return;
    case Token::Table:
        translationTable();
        return;
    case Token::Option:
        advance();
        while (lexeme_.token == Token::Identifier)
            advance();
        return;
    case Token::Name:
        nameDeclaration();
        return;
    case Token::Include:
        advance();
        if (lexeme_.token != Token::OpenBrace) {
            diagnostics_.report(MissingToken, tokenName(Token::DeclarationCodeBlock), tokenName(lexeme_.token));
            recoverDeclaration();
            return;
        }
        copyDeclarationBlock(emitter_.declarationStream());
        advance();
        return;
    default: // the table sizes
        advance();
        if (lexeme_.token != Token::Integer) {
            diagnostics_.report(MissingToken, tokenName(Token::Integer), tokenName(lexeme_.token));
            recoverDeclaration();
            return;
        }
        advance();
        return;
    }
}

void LexReader::startConditionDeclaration(bool exclusive)
{
    conditionDeclared_ = true;
    advance();
    if (lexeme_.token != Token::Identifier) {
        diagnostics_.report(MissingToken, tokenName(Token::Identifier), tokenName(lexeme_.token));
        recoverDeclaration();
        return;
    }
    while (lexeme_.token == Token::Identifier || lexeme_.token == Token::Comma) {
        if (lexeme_.token == Token::Identifier) {
            StartCondition& condition = symbols_.startCondition(lexeme_.text);
            if (condition.number < 0) {
                condition.number = conditionCount_++;
                condition.exclusive = exclusive;
                conditionNames_.push_back(lexeme_.text);
                emitter_.startConditionDeclared(lexeme_.text, 2 * condition.number);
            } else if (condition.exclusive != exclusive) {
                diagnostics_.report(StartStateExclusivityRedeclared, lexeme_.text);
                condition.exclusive = exclusive;
            } else {
                diagnostics_.report(DuplicateStartStateDeclaration, lexeme_.text);
            }
        }
        advance();
    }
}

void LexReader::translationTable()
{
    advance();
    for (;;) {
        if (lexeme_.token == Token::Table) {
            advance();
            return;
        }
        if (lexeme_.token == Token::Comma) {
            advance();
            continue;
        }
        if (lexeme_.token != Token::Integer) {
            diagnostics_.report(MissingToken, tokenName(Token::Table), tokenName(lexeme_.token));
            if (resumeTable())
                continue;
            return;
        }
        const Lexeme number = lexeme_;
        advance();
        if (lexeme_.token != Token::String) {
            diagnostics_.report(MissingToken, tokenName(Token::String), tokenName(lexeme_.token));
            if (resumeTable())
                continue;
            return;
        }
        if (number.number > kLargestTableValue) {
            diagnostics_.report(IntegerOutOfRange, number.text);
        } else {
            for (std::uint32_t code : lexeme_.codes) {
                if (translation_.contains(code))
                    diagnostics_.report(DuplicateTableEntry, MessageArgument::wideCode(code));
                else
                    translation_[code] = static_cast<int>(number.number);
            }
        }
        advance();
    }
}

void LexReader::copyDeclarationBlock(toolframe::OutputStream& out)
{
    out.setGrammarLine(input_.currentLine());
    const toolframe::CopyOutcome outcome =
        toolframe::CodeCopier(input_, out, nullptr).copy(toolframe::CodeEnd::MatchingBrace);
    if (!outcome.ended)
        diagnostics_.fatal(outcome.inComment ? EndOfFileInDeclarationCodeBlockComment
                                             : EndOfFileInDeclarationCodeBlock);
    out.writeCharacter('\n');
    out.requestResync();
}

void LexReader::nameDeclaration()
{
    if (nameDeclared_)
        diagnostics_.report(DuplicateNameDeclaration);
    else if (conditionDeclared_ && options_.targetLanguage == toolframe::TargetLanguage::Java)
        diagnostics_.report(StartStateBeforeName);
    nameDeclared_ = true;
    advance();
    if (lexeme_.token != Token::Identifier) {
        diagnostics_.report(MissingToken, tokenName(Token::Identifier), tokenName(lexeme_.token));
        recoverDeclaration();
        return;
    }
    const std::string name = lexeme_.text;
    advance();
    constexpr NamePart kParts[] = {NamePart::Declaration, NamePart::Constructor, NamePart::Destructor};
    for (NamePart part : kParts) {
        emitter_.namePart(part, name, true);
        const bool block = lexeme_.token == Token::OpenBrace;
        if (block)
            copyDeclarationBlock(part == NamePart::Declaration ? emitter_.declarationStream()
                                                               : emitter_.sourceStream());
        emitter_.namePart(part, name, false);
        if (!block)
            continue;
        advance();
    }
}

// ---------------------------------------------------------------------------
// Rules section

void LexReader::readRules()
{
    // The rest of the "%%" line belongs to nothing.
    for (;;) {
        const SourceCharacter& c = get();
        if (c.isEndOfFile() || c.is('\n'))
            break;
    }
    RulesItem item = RulesItem::More;
    while (item == RulesItem::More)
        item = rulesItem();
    if (sharing_)
        diagnostics_.report(MissingToken, tokenName(Token::Action), tokenName(Token::EndOfFile));
    if (!scopes_.empty())
        diagnostics_.report(MissingToken, tokenName(Token::CloseBrace), tokenName(Token::EndOfFile));
    if (switchOpen_)
        emitter_.closeActionSwitch();
    emitter_.closeActionFunction();
    // The tables go between the action function and the program code.
    builder_.rulesRead();
    if (item == RulesItem::ProgramCode)
        programCode();
    else
        emitter_.afterProgramCode(false);
}

void LexReader::skipLine()
{
    for (;;) {
        const SourceCharacter& c = get();
        if (c.isEndOfFile() || c.is('\n'))
            return;
    }
}

// After an error in a rule's prefix: the rest of the rule, its action
// included, so that the lines of an action it opens are not read as rules.
// The action is found in the rest of the line as it would be after a sound
// prefix: past the expression and the blanks that end it. Only a braced
// action may go on over further lines.
void LexReader::skipRule()
{
    std::vector<std::uint32_t> rest;
    for (;;) {
        const SourceCharacter& c = get();
        if (c.isEndOfFile() || c.is('\n')) {
            unget();
            break;
        }
        rest.push_back(c.code);
    }
    const std::size_t action = actionOffset(rest);
    if (action >= rest.size() || rest[action] != '{') {
        skipLine();
        return;
    }
    for (std::size_t i = rest.size(); i > action + 1; --i)
        unget();
    const toolframe::CopyOutcome outcome =
        toolframe::CodeCopier(input_, emitter_.sourceStream(), nullptr).copy(toolframe::CodeEnd::MatchingBrace);
    if (!outcome.ended)
        diagnostics_.fatal(outcome.inComment ? EndOfFileInActionComment : EndOfFileInAction);
    skipLine();
}

namespace {

// The end of a literal, class or count of an expression that opens at
// text[from - 1] and closes with closing.
std::size_t enclosedEnd(const std::vector<std::uint32_t>& text, std::size_t from, std::uint32_t closing)
{
    std::size_t i = from;
    while (i < text.size() && text[i] != closing) {
        if (text[i] == '\\')
            i += 2;
        else if (closing == ']' && text[i] == '[' && i + 1 < text.size() && text[i + 1] == ':')
            i = enclosedEnd(text, i + 2, ']'); // [:alpha:] inside a class
        else
            ++i;
    }
    return i + 1;
}

// Whether code may stand in a start-condition list, right or wrong: a ">"
// after anything else belongs to the expression or the action.
bool mayStandInConditionList(std::uint32_t code)
{
    return code >= 0x80 || std::isalnum(static_cast<int>(code)) || code == '_' || code == ',' || code == '*' ||
           code == '<' || code == ' ' || code == '\t';
}

} // namespace

// Where the action begins in the rest of a rule's line whose prefix broke:
// after the ">" that closes the prefix, if one does, the expression up to a
// blank outside its literals, classes and counts, and the blanks after it.
std::size_t LexReader::actionOffset(const std::vector<std::uint32_t>& rest)
{
    const auto isBlankCode = [](std::uint32_t code) { return code == ' ' || code == '\t'; };
    const auto prefixEnd = std::find_if_not(rest.begin(), rest.end(), mayStandInConditionList);
    std::size_t i = prefixEnd != rest.end() && *prefixEnd == '>' ? static_cast<std::size_t>(prefixEnd - rest.begin()) + 1 : 0;
    while (i < rest.size() && !isBlankCode(rest[i])) {
        switch (rest[i]) {
        case '\\': i += 2; break;
        case '"': i = enclosedEnd(rest, i + 1, '"'); break;
        case '[': i = enclosedEnd(rest, i + 1, ']'); break;
        case '{': i = enclosedEnd(rest, i + 1, '}'); break;
        default: ++i; break;
        }
    }
    while (i < rest.size() && isBlankCode(rest[i]))
        ++i;
    return i;
}

LexReader::RulesItem LexReader::rulesItem()
{
    if (atLineStart()) {
        const SourceCharacter& c = get();
        if (isBlank(c)) {
            verbatimLine(c);
            return RulesItem::More;
        }
        unget();
    }
    const SourceCharacter& c = get();
    if (c.isEndOfFile())
        return RulesItem::End;
    if (c.is('\n') || isBlank(c))
        return RulesItem::More;
    if (c.is('%')) {
        const SourceCharacter& d = get();
        if (d.is('%'))
            return RulesItem::ProgramCode;
        if (d.is('{')) {
            codeBlock();
            return RulesItem::More;
        }
        if (isNameStart(d)) {
            directive(word(d));
            return RulesItem::More;
        }
        if (d.isEndOfFile() || d.is('\n'))
            unget();
        diagnostics_.report(InvalidLexEscape);
        return RulesItem::More;
    }
    if (c.is('/')) {
        const SourceCharacter& d = get();
        if (d.is('*') || d.is('/')) {
            skipComment(d.is('*'));
            return RulesItem::More;
        }
        unget();
    }
    if (c.is('}')) {
        if (scopes_.empty())
            diagnostics_.report(UnexpectedToken, tokenName(Token::CloseBrace));
        else
            scopes_.pop_back();
        return RulesItem::More;
    }
    unget();
    rule();
    return RulesItem::More;
}

void LexReader::directive(const std::string& name)
{
    const auto token = keyword(name);
    if (!token) {
        diagnostics_.report(InvalidKeyword, "%" + name);
        return;
    }
    switch (*token) {
    case Token::Char: settings_.characters = true; break;
    case Token::Byte: settings_.characters = false; break;
    case Token::CodePage: codePageDirective(); break;
    case Token::CodePageAnsi: settings_.codePage = ansiCodePage_, settings_.codePageKind = CodePageKind::Ansi; break;
    // The console's code page is the ANSI one on this platform.
    case Token::CodePageOem: settings_.codePage = ansiCodePage_, settings_.codePageKind = CodePageKind::Oem; break;
    case Token::CodePageAscii: settings_.codePage = 0, settings_.codePageKind = CodePageKind::Ascii; break;
    case Token::Ascii: settings_.asciiClasses = true; break;
    case Token::Current: settings_.asciiClasses = false; break;
    case Token::Break: returnAfterAction_ = false; break;
    case Token::Return: returnAfterAction_ = true; break;
    default:
        diagnostics_.report(UnexpectedToken, tokenName(*token));
        skipLine();
        break;
    }
}

void LexReader::codePageDirective()
{
    const SourceCharacter* c = &get();
    while (isBlank(*c))
        c = &get();
    if (!isDigit(*c)) {
        const Token found = c->isEndOfFile() ? Token::EndOfFile : Token::Character;
        unget();
        diagnostics_.report(MissingToken, tokenName(Token::Integer), tokenName(found));
        return;
    }
    Lexeme number;
    integer(*c, number);
    if (number.number == 0 || number.number > INT32_MAX ||
        !toolframe::isConvertibleCodePage(static_cast<int>(number.number))) {
        diagnostics_.report(InvalidCodePage, static_cast<long>(number.number));
        return;
    }
    settings_.codePage = static_cast<int>(number.number);
    settings_.codePageKind = CodePageKind::Numbered;
}

// What a message names as found where a single character was read.
Token LexReader::tokenFound(const SourceCharacter& c)
{
    if (c.isEndOfFile())
        return Token::EndOfFile;
    return c.code < 0x80 ? characterToken(static_cast<char>(c.code)) : Token::Character;
}

bool LexReader::conditionList(bool& all, std::vector<int>& conditions)
{
    for (;;) {
        const SourceCharacter& c = get();
        if (c.is('*')) {
            all = true;
        } else if (isNameStart(c)) {
            const std::string name = word(c);
            StartCondition& condition = symbols_.startCondition(name);
            if (condition.number < 0) {
                if (condition.number == StartCondition::kUndeclared)
                    diagnostics_.report(UndeclaredStartState, name);
                condition.number = StartCondition::kReportedUndeclared;
            } else if (std::find(conditions.begin(), conditions.end(), condition.number) != conditions.end()) {
                diagnostics_.report(DuplicateStartState, name);
            } else {
                conditions.push_back(condition.number);
            }
        } else {
            unget();
            diagnostics_.report(MissingToken, tokenName(Token::Identifier), tokenName(tokenFound(c)));
            return false;
        }
        const SourceCharacter& d = get();
        if (d.is('>'))
            return true;
        if (!d.is(',')) {
            unget();
            diagnostics_.report(MissingToken, tokenName(Token::Greater), tokenName(tokenFound(d)));
            return false;
        }
    }
}

// The "^" and "<...>" before an expression; false after an error.
bool LexReader::prefix(bool& anchored, bool& all, std::vector<int>& conditions)
{
    for (;;) {
        const SourceCharacter& c = get();
        if (c.is('^')) {
            anchored = true;
            continue;
        }
        if (c.is('<')) {
            const SourceCharacter& d = get();
            unget();
            if (d.is('<')) { // <<EOF>>
                unget();
                return true;
            }
            if (!conditionList(all, conditions))
                return false;
            continue;
        }
        unget();
        return true;
    }
}

// A rule or scope inside a scope is active in the enclosing scope's
// conditions as well as in its own, and anchored when either is.
void LexReader::joinEnclosingScope(bool& anchored, bool& all, std::vector<int>& conditions) const
{
    if (scopes_.empty())
        return;
    const Scope& outer = scopes_.back();
    anchored = anchored || outer.anchored;
    all = all || outer.all;
    for (const int condition : outer.conditions)
        if (std::find(conditions.begin(), conditions.end(), condition) == conditions.end())
            conditions.push_back(condition);
}

void LexReader::rule()
{
    RuleExpression expression;
    bool all = false;
    std::vector<int> conditions;
    bool anchored = false;
    if (!prefix(anchored, all, conditions)) {
        skipRule();
        return;
    }
    const bool prefixed = anchored || all || !conditions.empty();
    // A prefix before "{" that starts no macro reference opens a scope.
    const SourceCharacter& c = get();
    if (c.is('{') && prefixed) {
        const SourceCharacter& d = get();
        unget();
        if (!isNameStart(d)) {
            Scope scope{anchored, all, conditions};
            joinEnclosingScope(scope.anchored, scope.all, scope.conditions);
            scopes_.push_back(scope);
            skipLine();
            return;
        }
    }
    unget();
    // A prefix must be followed by the expression it qualifies. The rest of
    // the rule is still read, so that a multi-line action is not taken for
    // rules.
    if (prefixed && (isBlank(c) || c.is('\n') || c.isEndOfFile()))
        diagnostics_.report(SyntaxError);
    expression.line = input_.currentLine();
    expression.anchored = anchored;
    expression.allConditions = all;
    expression.conditions = conditions;
    joinEnclosingScope(expression.anchored, expression.allConditions, expression.conditions);
    expression.settings = settings_;
    expressionText(expression);
    if (!switchOpen_) {
        switchOpen_ = true;
        emitter_.openActionSwitch();
    }
    expression.actionNumber = ++actionCount_;
    emitter_.caseLabel(expression.actionNumber);
    builder_.expression(expression);
    action();
}

void LexReader::macroReference()
{
    // The '{' is the last character read; a line of its own clears the
    // expansions of the one before.
    if (expansionLine_ != input_.currentLine()) {
        expansions_.clear();
        expansionLine_ = input_.currentLine();
    }
    input_.markLast();
    const std::size_t start = input_.offset() - 1;
    std::string name;
    for (;;) {
        const SourceCharacter& c = get();
        if (!isNamePart(c)) {
            if (!c.is('}')) {
                unget();
                diagnostics_.report(MacroReferenceUnclosed);
            }
            break;
        }
        name += input_.bytesOf(c);
    }
    const std::size_t referenceLength = input_.offset() - start;
    std::erase_if(expansions_, [&](const Expansion& e) { return e.end <= start; });
    const auto replace = [&](std::string_view text) {
        // Room for the newline and the terminator, as in every line.
        if (!input_.replaceMarked(text, LexInput::kExpansionBufferSize - 2))
            return false;
        const std::ptrdiff_t growth =
            static_cast<std::ptrdiff_t>(text.size()) - static_cast<std::ptrdiff_t>(referenceLength);
        for (Expansion& active : expansions_)
            active.end = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(active.end) + growth);
        return true;
    };
    for (const Expansion& active : expansions_) {
        if (active.macro == name) {
            diagnostics_.report(RecursiveMacroReference, name);
            replace("");
            return;
        }
    }
    const std::string* macro = symbols_.macro(name);
    if (macro == nullptr) {
        diagnostics_.report(UndefinedMacro, name);
        replace("");
        return;
    }
    // Each reference that does not fit is reported, as each unknown or
    // recursive one is; dropping it frees its room, so a later, shorter one
    // on the line may still fit.
    if (!replace(*macro)) {
        diagnostics_.report(OutOfMacroExpansionSpace);
        replace("");
        return;
    }
    expansions_.push_back(Expansion{name, start, start + macro->size()});
}

// The expression runs to the first blank, tab or newline outside quotes and
// brackets; macro references are replaced where they stand.
void LexReader::expressionText(RuleExpression& rule)
{
    {
        const SourceCharacter& c = get();
        if (c.is('<')) {
            static constexpr std::string_view kEndOfFile = "<<EOF>>";
            std::string seen = "<";
            std::size_t read = 1;
            while (read < kEndOfFile.size()) {
                const SourceCharacter& d = get();
                ++read;
                if (d.isEndOfFile() || d.is('\n')) {
                    unget();
                    --read;
                    break;
                }
                seen += input_.bytesOf(d);
                if (seen != kEndOfFile.substr(0, seen.size()))
                    break;
            }
            if (seen == kEndOfFile) {
                // "<<EOF>>" is the whole expression: what follows it
                // without a blank would be taken for the action.
                const SourceCharacter& after = get();
                unget();
                if (!after.isEndOfFile() && !after.is('\n') && !isBlank(after))
                    diagnostics_.report(MissingToken, tokenName(Token::Action), tokenName(tokenFound(after)));
                rule.endOfFile = true;
                return;
            }
            while (read-- > 0)
                unget();
        } else {
            unget();
        }
    }
    std::string text;
    bool inQuote = false;
    bool inClass = false;
    std::size_t slash = std::string::npos;
    bool dollar = false;
    for (;;) {
        const SourceCharacter& c = get();
        if (c.isEndOfFile() || c.is('\n')) {
            unget();
            break;
        }
        if (!inQuote && !inClass && isBlank(c)) {
            unget();
            break;
        }
        const std::string_view bytes = input_.bytesOf(c);
        dollar = false;
        if (c.is('\\')) {
            text += bytes;
            const SourceCharacter& d = get();
            if (d.isEndOfFile() || d.is('\n')) {
                unget();
                diagnostics_.report(NewlineInCharacterEscape);
                break;
            }
            text += input_.bytesOf(d);
            continue;
        }
        if (inQuote) {
            text += bytes;
            inQuote = !c.is('"');
            continue;
        }
        if (inClass) {
            text += bytes;
            inClass = !c.is(']');
            continue;
        }
        if (c.is('"')) {
            inQuote = true;
        } else if (c.is('[')) {
            inClass = true;
        } else if (c.is('{')) {
            const SourceCharacter& d = get();
            unget();
            if (isNameStart(d)) {
                macroReference();
                continue;
            }
        } else if (c.is('/')) {
            const SourceCharacter& d = get();
            if (d.is('*') || d.is('/')) {
                // A comment ends the expression.
                unget();
                unget();
                break;
            }
            unget();
            if (slash == std::string::npos) {
                slash = text.size();
                continue;
            }
        } else if (c.is('$')) {
            dollar = true;
        }
        text += bytes;
    }
    if (inQuote)
        diagnostics_.report(NewlineInCharacterString);
    else if (inClass)
        diagnostics_.report(NewlineInCharacterClass);
    if (slash != std::string::npos) {
        rule.hasTrailingContext = true;
        rule.trailingContext = text.substr(slash);
        text.resize(slash);
    } else if (dollar) {
        rule.hasTrailingContext = true;
        rule.trailingNewline = true;
        text.pop_back();
    }
    rule.text = std::move(text);
}

void LexReader::action()
{
    const SourceCharacter* c = &get();
    while (isBlank(*c) || c->is('\n'))
        c = &get();
    // Comments between the expression and its action are passed over.
    while (c->is('/')) {
        const SourceCharacter& d = get();
        if (!d.is('*') && !d.is('/')) {
            unget();
            break;
        }
        skipComment(d.is('*'));
        c = &get();
        while (isBlank(*c) || c->is('\n'))
            c = &get();
    }
    if (c->isEndOfFile()) {
        diagnostics_.report(MissingToken, tokenName(Token::Action), tokenName(Token::EndOfFile));
        return;
    }
    if (c->is('|')) {
        sharing_ = true;
        skipLine();
        return;
    }
    sharing_ = false;
    const int line = input_.currentLine();
    emitter_.beginAction(line);
    toolframe::OutputStream& out = emitter_.sourceStream();
    bool semicolon = false;
    if (c->is(';')) {
        semicolon = true;
    } else {
        const bool braced = c->is('{');
        if (braced)
            out.writeCharacter('{');
        else
            unget();
        const toolframe::CopyOutcome outcome = toolframe::CodeCopier(input_, out, nullptr)
                                                   .copy(braced ? toolframe::CodeEnd::MatchingBrace
                                                                : toolframe::CodeEnd::Semicolon);
        if (!outcome.ended)
            diagnostics_.fatal(outcome.inComment ? EndOfFileInActionComment : EndOfFileInAction);
        if (braced)
            out.writeCharacter('}');
    }
    // The copier keeps the ';' that ends an unbraced action, so only the
    // empty action asks the emitter for one.
    emitter_.endAction(semicolon);
    if (!returnAfterAction_)
        emitter_.breakAfterAction();
}

// Called with the second "%%" read; the rest of its line belongs to nothing.
void LexReader::programCode()
{
    skipLine();
    toolframe::OutputStream& out = emitter_.sourceStream();
    const SourceCharacter* c = &get();
    if (c->isEndOfFile()) {
        emitter_.afterProgramCode(false);
        return;
    }
    out.setGrammarLine(input_.currentLine());
    for (; !c->isEndOfFile(); c = &get())
        out.writeCharacter(c->value);
    out.writeCharacter('\n');
    out.requestResync();
    emitter_.afterProgramCode(true);
}

} // namespace lindle
