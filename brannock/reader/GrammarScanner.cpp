#include "brannock/reader/GrammarScanner.h"

#include <climits>
#include <cstdlib>
#include <cwchar>

#include "toolframe/source/CodeCopier.h"
#include "brannock/MessageNumbers.h"

namespace brannock {

enum class GrammarScanner::State {
    Start = 0,
    Slash = 1,
    BlockComment = 2,
    BlockCommentStar = 3,
    LineComment = 4,
    Directive = 5,
    Keyword = 6,
    Identifier = 7,
    Zero = 8,
    Decimal = 9,
    Octal = 10,
    HexStart = 11,
    Hex = 12,
    CharacterToken = 13,
    CharacterEscape = 14,
    TagStart = 15,
    Tag = 16,
    Equals = 17,
};

namespace {

struct KeywordSpelling {
    std::string_view name; // without its introducer
    TokenCode code;
};

constexpr KeywordSpelling kKeywords[] = {
    {"include", TokenCode::Include}, {"left", TokenCode::Left},       {"name", TokenCode::Name},
    {"nonassoc", TokenCode::Nonassoc}, {"nonterm", TokenCode::Nonterm}, {"prec", TokenCode::Prec},
    {"right", TokenCode::Right},     {"start", TokenCode::Start},     {"token", TokenCode::Token},
    {"type", TokenCode::Type},       {"union", TokenCode::Union},     {"binary", TokenCode::Nonassoc},
    {"term", TokenCode::Token},
};

struct ShortDirective {
    char character; // after % or \ .
    TokenCode code;
};

constexpr ShortDirective kShortDirectives[] = {
    {'<', TokenCode::Left}, {'>', TokenCode::Right}, {'=', TokenCode::Prec},
    {'0', TokenCode::Token}, {'2', TokenCode::Nonassoc},
};

struct SingleCharacterToken {
    char character;
    TokenCode code;
};

constexpr SingleCharacterToken kPunctuation[] = {
    {',', TokenCode::Comma}, {':', TokenCode::Colon}, {';', TokenCode::Semicolon},
    {'|', TokenCode::Bar},   {'~', TokenCode::Tilde},
};

struct NamedEscape {
    char letter;
    long value;
};

constexpr NamedEscape kNamedEscapes[] = {
    {'a', 7}, {'b', 8}, {'f', 12}, {'n', 10}, {'r', 13}, {'t', 9}, {'v', 11},
    {'"', '"'}, {'\'', '\''}, {'?', '?'}, {'\\', '\\'},
};

bool isBlank(const toolframe::SourceCharacter& c)
{
    return c.is(' ') || c.is('\t') || c.is('\n') || c.is('\v') || c.is('\f') || c.is('\r');
}
bool isLetter(std::uint32_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(std::uint32_t c) { return c >= '0' && c <= '9'; }
bool isOctalDigit(std::uint32_t c) { return c >= '0' && c <= '7'; }
bool isHexDigit(std::uint32_t c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool isNameStart(std::uint32_t c) { return isLetter(c) || c == '_'; }
bool isNamePart(std::uint32_t c) { return isNameStart(c) || isDigit(c); }
int digitValue(char c) { return isDigit(static_cast<unsigned char>(c)) ? c - '0' : (c | 0x20) - 'a' + 10; }

// The code a message quotes for a character.
toolframe::MessageArgument codeOf(const toolframe::SourceCharacter& c)
{
    return toolframe::MessageArgument::code(c.code < toolframe::SourceCharacter::kUnconvertible ? c.code : c.value);
}

} // namespace

GrammarScanner::GrammarScanner(toolframe::SourceInput& input, Grammar& grammar, Emitter& emitter,
                               toolframe::Diagnostics& diagnostics, const ActionSiteSource& sites)
    : input_(input), grammar_(grammar), emitter_(emitter), diagnostics_(diagnostics), sites_(sites),
      translator_(emitter, diagnostics)
{
    for (const KeywordSpelling& keyword : kKeywords)
        for (const char* introducer : {"%", "\\"})
            grammar_.symbols().addKeyword(std::string(introducer) + std::string(keyword.name), keyword.code);
}

const Lexeme& GrammarScanner::next()
{
    lexeme_.symbol = nullptr;
    lexeme_.integer = 0;
    lexeme_.text.clear();
    lexeme_.action = -1;
    lexeme_.valid = true;
    lexeme_.code = scan();
    return lexeme_;
}

TokenCode GrammarScanner::scan()
{
    if (section_ >= 2)
        return copyProgramSection();
    State state = State::Start;
    std::uint32_t quote = 0;
    for (;;) {
        const toolframe::SourceCharacter& c = input_.next();
        switch (state) {
        case State::Start:
            if (c.isEndOfFile())
                return TokenCode::EndOfFile;
            if (isBlank(c))
                continue;
            lexeme_.line = input_.currentLine();
            input_.markLast();
            if (c.is('/')) {
                state = State::Slash;
            } else if (c.is('%') || c.is('\\')) {
                state = State::Directive;
            } else if (isNameStart(c.code)) {
                state = State::Identifier;
            } else if (c.is('0')) {
                state = State::Zero;
            } else if (isDigit(c.code)) {
                state = State::Decimal;
            } else if (c.is('\'') || c.is('"')) {
                quote = c.code;
                state = State::CharacterToken;
            } else if (c.is('<')) {
                state = State::TagStart;
            } else if (c.is('{')) {
                return section_ == 0 ? copyDeclarationBlock() : copyAction(toolframe::CodeEnd::MatchingBrace, lexeme_.line);
            } else if (c.is('=')) {
                state = State::Equals;
            } else {
                for (const SingleCharacterToken& token : kPunctuation)
                    if (c.is(token.character))
                        return token.code;
                diagnostics_.report(UnrecognisedCharacter, codeOf(c));
            }
            break;
        case State::Slash:
            if (c.is('*')) {
                state = State::BlockComment;
            } else if (c.is('/')) {
                state = State::LineComment;
            } else {
                diagnostics_.report(UnrecognisedCharacter, toolframe::MessageArgument::code('/'));
                input_.putBack();
                state = State::Start;
            }
            break;
        case State::BlockComment:
        case State::BlockCommentStar:
            if (c.isEndOfFile())
                diagnostics_.fatal(EndOfFileInComment);
            if (state == State::BlockCommentStar && c.is('/'))
                state = State::Start;
            else
                state = c.is('*') ? State::BlockCommentStar : State::BlockComment;
            break;
        case State::LineComment:
            if (c.isEndOfFile())
                return TokenCode::EndOfFile;
            if (c.is('\n'))
                state = State::Start;
            break;
        case State::Directive:
            if (c.is('%') || c.is('\\')) {
                ++section_;
                return TokenCode::Separator;
            }
            if (c.is('{')) {
                copyCodeBlock();
                state = State::Start;
                break;
            }
            if (isLetter(c.code)) {
                state = State::Keyword;
                break;
            }
            for (const ShortDirective& directive : kShortDirectives)
                if (c.is(directive.character))
                    return directive.code;
            diagnostics_.report(InvalidEscapeSequence);
            input_.putBack();
            state = State::Start;
            break;
        case State::Keyword:
            if (isLetter(c.code))
                break;
            input_.putBack();
            if (const Symbol* keyword = grammar_.symbols().find(input_.marked(), true))
                return keyword->keywordCode;
            diagnostics_.report(InvalidKeyword, input_.marked());
            state = State::Start;
            break;
        case State::Identifier:
            if (isNamePart(c.code))
                break;
            input_.putBack();
            return finishIdentifier();
        case State::Zero:
            if (c.is('x') || c.is('X')) {
                state = State::HexStart;
            } else if (isOctalDigit(c.code)) {
                state = State::Octal;
            } else {
                input_.putBack();
                return finishInteger(8);
            }
            break;
        case State::Decimal:
        case State::Octal:
        case State::Hex:
            if (state == State::Decimal ? isDigit(c.code) : state == State::Octal ? isOctalDigit(c.code)
                                                                                : isHexDigit(c.code))
                break;
            input_.putBack();
            return finishInteger(state == State::Decimal ? 10 : state == State::Octal ? 8 : 16);
        case State::HexStart:
            if (isHexDigit(c.code)) {
                state = State::Hex;
                break;
            }
            input_.putBack();
            diagnostics_.report(HexIntegerWithoutDigits);
            lexeme_.text = std::string(input_.marked());
            lexeme_.valid = false;
            return TokenCode::Integer;
        case State::CharacterToken:
        case State::CharacterEscape:
            if (c.isEndOfFile())
                diagnostics_.fatal(UnexpectedEndOfFile);
            if (c.is('\n')) {
                diagnostics_.report(NewlineInCharacterToken);
                input_.putBack();
                return finishCharacterToken(0);
            }
            if (state == State::CharacterEscape)
                state = State::CharacterToken;
            else if (c.is('\\'))
                state = State::CharacterEscape;
            else if (c.code == quote)
                return finishCharacterToken(quote);
            break;
        case State::TagStart:
            if (isNameStart(c.code)) {
                state = State::Tag;
            } else {
                diagnostics_.report(c.is('>') ? EmptyTag : TagMissingClose);
                if (!c.is('>'))
                    input_.putBack();
                state = State::Start;
            }
            break;
        case State::Tag:
            if (isNamePart(c.code))
                break;
            if (!c.is('>')) {
                diagnostics_.report(TagMissingClose);
                input_.putBack();
            }
            return finishTag();
        case State::Equals:
            if (c.isEndOfFile())
                diagnostics_.fatal(EndOfFileInAction);
            if (isBlank(c))
                break;
            if (c.is('{'))
                return copyAction(toolframe::CodeEnd::MatchingBrace, input_.currentLine());
            input_.putBack();
            return copyAction(toolframe::CodeEnd::Semicolon, input_.currentLine());
        }
    }
}

TokenCode GrammarScanner::finishIdentifier()
{
    lexeme_.symbol = &grammar_.symbols().lookup(input_.marked(), lexeme_.line);
    return TokenCode::Identifier;
}

TokenCode GrammarScanner::finishInteger(int base)
{
    const std::string_view text = input_.marked();
    lexeme_.text = std::string(text);
    const std::size_t start = base == 16 ? 2 : 0;
    unsigned long long value = 0;
    bool overflow = false;
    for (std::size_t i = start; i < text.size(); ++i) {
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digitValue(text[i]));
        overflow = overflow || value > 0xFFFFFFFFull;
        if (overflow)
            value = 0xFFFFFFFFull;
    }
    if (overflow) {
        diagnostics_.report(IntegerTooBig, text);
        lexeme_.valid = false;
    }
    lexeme_.integer = static_cast<unsigned long>(value);
    return TokenCode::Integer;
}

void GrammarScanner::appendCharacter(std::string_view bytes, std::vector<long>& values)
{
    if (!grammar_.unicode()) {
        values.push_back(static_cast<long>(toolframe::CodePage::characterValue(bytes)));
        return;
    }
    wchar_t wide = 0;
    std::mbstate_t state{};
    const std::size_t used = std::mbrtowc(&wide, bytes.data(), bytes.size(), &state);
    long code = used == bytes.size() || (used == 0 && bytes.size() == 1) ? static_cast<long>(wide)
                                                                         : static_cast<long>(toolframe::SourceCharacter::kUnconvertible);
    if (code > 0xFFFF && code < static_cast<long>(toolframe::SourceCharacter::kUnconvertible)) {
        // Beyond the 16 bits of a Unicode parser's characters: its two
        // UTF-16 code units.
        code -= 0x10000;
        values.push_back(0xD800 + (code >> 10));
        values.push_back(0xDC00 + (code & 0x3FF));
        return;
    }
    values.push_back(code);
}

void GrammarScanner::decodeEscape(std::string_view content, std::size_t& i, std::vector<long>& values)
{
    // content[i] is the character after the backslash.
    const char escaped = content[i];
    for (const NamedEscape& named : kNamedEscapes) {
        if (named.letter != escaped)
            continue;
        ++i;
        char bytes[MB_LEN_MAX];
        std::mbstate_t state{};
        if (!grammar_.unicode() && std::wcrtomb(bytes, static_cast<wchar_t>(named.value), &state) ==
                                       static_cast<std::size_t>(-1)) {
            diagnostics_.report(UnconvertibleUnicodeCharacter, toolframe::MessageArgument::wideCode(
                                                                   static_cast<unsigned long>(named.value)));
            return;
        }
        values.push_back(named.value);
        return;
    }
    if (isOctalDigit(static_cast<unsigned char>(escaped))) {
        long value = 0;
        for (int digits = 0; digits < 3 && i < content.size() && isOctalDigit(static_cast<unsigned char>(content[i]));
             ++digits)
            value = value * 8 + (content[i++] - '0');
        values.push_back(value);
        return;
    }
    if (escaped == 'x') {
        ++i;
        long value = 0;
        bool any = false;
        for (; i < content.size() && isHexDigit(static_cast<unsigned char>(content[i])); ++i, any = true)
            value = value < 0x10000000L ? value * 16 + digitValue(content[i]) : value;
        if (any)
            values.push_back(value);
        else
            diagnostics_.report(HexCharacterWithoutDigits);
        return;
    }
    const std::string_view character =
        content.substr(i, grammar_.symbols().codePage().characterLength(content.substr(i)));
    diagnostics_.report(UnrecognisedEscape, character);
    appendCharacter(character, values);
    i += character.size();
}

TokenCode GrammarScanner::finishCharacterToken(std::uint32_t quote)
{
    const std::string_view text = input_.marked();
    std::string_view content = text.substr(1);
    if (quote != 0 && !content.empty())
        content.remove_suffix(1);
    std::vector<long> values;
    for (std::size_t i = 0; i < content.size();) {
        if (content[i] == '\\' && i + 1 < content.size()) {
            ++i;
            decodeEscape(content, i, values);
            continue;
        }
        const std::size_t characterLength = grammar_.symbols().codePage().characterLength(content.substr(i));
        appendCharacter(content.substr(i, characterLength), values);
        i += characterLength;
    }
    if (content.empty())
        diagnostics_.report(EmptyCharacterToken);
    lexeme_.symbol = &grammar_.characterToken(text, values, lexeme_.line);
    return TokenCode::CharacterToken;
}

TokenCode GrammarScanner::finishTag()
{
    std::string_view name = input_.marked().substr(1);
    if (!name.empty() && name.back() == '>')
        name.remove_suffix(1);
    lexeme_.text = std::string(name);
    return TokenCode::Tag;
}

TokenCode GrammarScanner::copyDeclarationBlock()
{
    toolframe::OutputStream& out =
        blockTarget_ == BlockTarget::Source ? emitter_.sourceStream() : emitter_.includeOrSourceStream();
    out.setGrammarLine(lexeme_.line);
    const toolframe::CopyOutcome outcome = toolframe::CodeCopier(input_, out, nullptr).copy(toolframe::CodeEnd::MatchingBrace);
    if (!outcome.ended)
        diagnostics_.fatal(outcome.inComment ? EndOfFileInDeclarationCodeBlockComment : EndOfFileInDeclarationCodeBlock);
    out.writeCharacter('\n');
    out.requestResync();
    blockTarget_ = BlockTarget::IncludeOrSource;
    return TokenCode::DeclarationCodeBlock;
}

void GrammarScanner::copyCodeBlock()
{
    toolframe::OutputStream& out = emitter_.sourceStream();
    out.setGrammarLine(input_.currentLine());
    const toolframe::CopyOutcome outcome = toolframe::CodeCopier(input_, out, nullptr).copy(toolframe::CodeEnd::PercentBrace);
    if (!outcome.ended)
        diagnostics_.fatal(outcome.inComment ? EndOfFileInCodeBlockComment : EndOfFileInCodeBlock);
    out.writeCharacter('\n');
    out.requestResync();
}

TokenCode GrammarScanner::copyAction(toolframe::CodeEnd end, int line)
{
    if (actions_ == 0)
        emitter_.beginActionSwitch();
    const int number = actions_++;
    const ActionSite site = sites_.actionSite();
    emitter_.beginActionCase(number, site.ofRule ? std::optional<int>(site.itemsBefore + 1) : std::nullopt);
    toolframe::OutputStream& out = emitter_.sourceStream();
    out.setGrammarLine(line);
    translator_.begin(site, typesInUse_);
    const toolframe::CopyOutcome outcome = toolframe::CodeCopier(input_, out, &translator_).copy(end);
    if (!outcome.ended)
        diagnostics_.fatal(outcome.inComment ? EndOfFileInActionComment : EndOfFileInAction);
    out.writeCharacter('\n');
    out.requestResync();
    emitter_.endActionCase(site.ofRule);
    lexeme_.action = number;
    return TokenCode::Action;
}

TokenCode GrammarScanner::copyProgramSection()
{
    if (programSectionDone_)
        return TokenCode::EndOfFile;
    programSectionDone_ = true;
    // Blanks alone are no program section.
    std::string leading;
    const int line = input_.currentLine();
    const toolframe::SourceCharacter* c = &input_.next();
    for (; !c->isEndOfFile() && isBlank(*c); c = &input_.next())
        leading += input_.bytesOf(*c);
    if (c->isEndOfFile())
        return TokenCode::EndOfFile;
    toolframe::OutputStream& out = emitter_.sourceStream();
    out.setGrammarLine(line);
    out.writeNarrow(leading);
    for (; !c->isEndOfFile(); c = &input_.next())
        out.writeCharacter(c->value);
    out.writeCharacter('\n');
    out.requestResync();
    return TokenCode::ProgramCode;
}

} // namespace brannock
