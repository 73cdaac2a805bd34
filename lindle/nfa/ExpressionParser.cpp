#include "lindle/nfa/ExpressionParser.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "lindle/MessageNumbers.h"
#include "lindle/nfa/ByteSplitting.h"
#include "lindle/nfa/SurrogatePairs.h"

namespace lindle {

namespace {

// The largest count a repetition takes, as in glibc's regular expressions:
// more than any pattern needs, and it keeps one rule's automaton within
// reach where a count of millions would run until memory ran out.
constexpr std::uint32_t kLargestRepetition = 32767;

// The deepest nesting of parentheses the parser descends into. Each level
// takes a few frames of the machine stack, which must not run out: a
// deeper expression is refused as the parser's memory running out. No
// hand-written pattern comes near it, and a generated one that does
// gives a message instead of a crash.
constexpr int kDeepestNesting = 1000;

struct ControlEscape {
    char letter;
    std::uint32_t unit;
};

constexpr ControlEscape kControlEscapes[] = {
    {'a', 7}, {'b', 8}, {'f', 12}, {'n', 10}, {'r', 13}, {'t', 9}, {'v', 11},
};

bool isOctal(char c) { return c >= '0' && c <= '7'; }

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The masks of the character maxima are all ones below their top bit.
std::uint32_t masked(std::uint32_t value, std::uint32_t maximum) { return value & maximum; }

} // namespace

ExpressionParser::ExpressionParser(Nfa& nfa, CharacterSpace& space, const Translation& translation,
                                   toolframe::Diagnostics& diagnostics, bool unicode, bool caseInsensitive)
    : nfa_(nfa),
      space_(space),
      translation_(translation),
      diagnostics_(diagnostics),
      caseInsensitive_(caseInsensitive),
      sourceCodePage_(space.ansiCodePage())
{
    mode_.unicode = unicode;
}

void ExpressionParser::report(int number, toolframe::MessageArgument first, toolframe::MessageArgument second)
{
    diagnostics_.reportAt(line_, number, first, second);
}

std::optional<NfaFragment> ExpressionParser::parse(std::string_view text, const CharacterSettings& settings, int line)
{
    mode_.settings = settings;
    line_ = line;
    depth_ = 0;
    tokenizer_.emplace(text, sourceCodePage_);
    const int begin = nfa_.size();
    try {
        advance();
        const NfaFragment fragment = expression();
        if (token_.token != ExpressionTokenizer::kEnd)
            unexpected();
        return fragment;
    } catch (const Abandoned&) {
        nfa_.clear(NfaFragment{-1, -1, begin});
        return std::nullopt;
    }
}

NfaFragment ExpressionParser::newline(const CharacterSettings& settings, int line)
{
    mode_.settings = settings;
    line_ = line;
    const CharacterValues newline = space_.controlCharacter('\n', mode_);
    if (newline.error != 0)
        report(newline.error, toolframe::MessageArgument::wideCode('\n'));
    return sequence(newline.values);
}

bool ExpressionParser::startsPiece(Token token)
{
    switch (token) {
    case Token::Character: case Token::String: case Token::Class: case Token::Dot: case Token::OpenParen:
    case Token::CharMarker: case Token::ByteMarker:
        return true;
    default:
        return false;
    }
}

void ExpressionParser::unexpected()
{
    if (token_.token == ExpressionTokenizer::kEnd)
        report(SyntaxError);
    else
        report(UnexpectedToken, tokenName(token_.token));
    throw Abandoned{};
}

void ExpressionParser::expect(Token token)
{
    if (token_.token != token) {
        report(MissingToken, tokenName(token), tokenName(token_.token));
        throw Abandoned{};
    }
}

NfaFragment ExpressionParser::expression()
{
    NfaFragment result = branch();
    while (token_.token == Token::Bar) {
        advance();
        result = nfa_.alternate(result, branch());
    }
    return result;
}

NfaFragment ExpressionParser::branch()
{
    if (!startsPiece(token_.token))
        unexpected();
    NfaFragment result = piece();
    while (startsPiece(token_.token))
        result = nfa_.concatenate(result, piece());
    return result;
}

NfaFragment ExpressionParser::piece()
{
    const bool characters = mode_.settings.characters;
    while (token_.token == Token::CharMarker || token_.token == Token::ByteMarker) {
        mode_.settings.characters = token_.token == Token::CharMarker;
        advance();
    }
    NfaFragment result = atom();
    mode_.settings.characters = characters;
    for (;;) {
        switch (token_.token) {
        case Token::Star: result = nfa_.closure(result); break;
        case Token::Plus: result = nfa_.positiveClosure(result); break;
        case Token::Question: result = nfa_.option(result); break;
        case Token::OpenBrace: result = repetition(result); continue;
        default: return result;
        }
        advance();
    }
}

NfaFragment ExpressionParser::atom()
{
    const ExpressionToken token = token_;
    switch (token.token) {
    case Token::OpenParen: {
        if (++depth_ > kDeepestNesting)
            report(toolframe::OutOfMemory); // fatal: does not come back
        advance();
        const NfaFragment inner = expression();
        expect(Token::CloseParen);
        advance();
        --depth_;
        return inner;
    }
    case Token::Dot: advance(); return dotAtom();
    case Token::String: advance(); return stringAtom(token);
    case Token::Class: advance(); return classAtom(token);
    case Token::Character: advance(); return characterAtom(token.text);
    default: unexpected();
    }
}

std::uint32_t ExpressionParser::repetitionCount()
{
    expect(Token::Integer);
    const std::string_view digits = token_.text;
    std::uint64_t value = 0;
    bool tooBig = false;
    std::size_t at = 0;
    int base = 10;
    if (digits.size() > 1 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        at = 2;
        if (digits.size() == 2)
            report(HexIntegerWithoutDigits);
    } else if (digits[0] == '0') {
        base = 8;
    }
    for (; at < digits.size(); ++at) {
        const int digit = hexValue(digits[at]);
        if (digit < 0 || digit >= base) {
            report(UnexpectedToken, tokenName(Token::Character));
            throw Abandoned{};
        }
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > UINT32_MAX)
            tooBig = true, value &= UINT32_MAX;
    }
    if (tooBig)
        report(IntegerTooBig, std::string(digits));
    else if (value > kLargestRepetition)
        report(IntegerOutOfRange, std::string(digits));
    token_ = tokenizer_->nextInRepetition();
    return tooBig ? kLargestRepetition + 1 : static_cast<std::uint32_t>(value);
}

NfaFragment ExpressionParser::repetition(NfaFragment piece)
{
    const int pieceEnd = nfa_.size();
    token_ = tokenizer_->nextInRepetition();
    std::uint32_t least = repetitionCount();
    std::uint32_t most = least;
    bool unbounded = false;
    if (token_.token == Token::Comma) {
        token_ = tokenizer_->nextInRepetition();
        if (token_.token == Token::CloseBrace) {
            unbounded = true;
        } else {
            most = repetitionCount();
            if (most < least) {
                report(ReversedRange);
                std::swap(least, most);
            }
        }
    }
    expect(Token::CloseBrace);
    advance();
    // A count beyond the largest was reported: the piece stands alone
    // rather than have its copies exhaust time and memory.
    if (least > kLargestRepetition || (!unbounded && most > kLargestRepetition))
        return piece;

    const std::uint32_t copies = unbounded ? least + 1 : most;
    if (copies == 0) {
        nfa_.clear(piece);
        return nfa_.empty();
    }
    // Every copy is taken from the piece before anything links it.
    std::vector<NfaFragment> parts{piece};
    for (std::uint32_t i = 1; i < copies; ++i)
        parts.push_back(nfa_.copy(piece, pieceEnd));
    if (unbounded) {
        parts[least] = nfa_.closure(parts[least]);
    } else if (least < copies) {
        // The optional copies nest, x(x(x)?)? rather than x?x?x?: the same
        // language, but after k copies only the next one and the way out
        // are open, not every copy after it.
        NfaFragment tail = nfa_.option(parts[copies - 1]);
        for (std::uint32_t i = copies - 1; i-- > least;)
            tail = nfa_.option(nfa_.concatenate(parts[i], tail));
        parts.resize(least + 1);
        parts[least] = tail;
    }
    NfaFragment result = parts[0];
    for (std::size_t i = 1; i < parts.size(); ++i)
        result = nfa_.concatenate(result, parts[i]);
    return result;
}

std::uint32_t ExpressionParser::numericEscape(std::string_view& text, bool inClass, bool hexadecimal, bool& valid)
{
    const std::uint32_t maximum = space_.maximum(mode_, inClass);
    std::uint64_t value = 0;
    bool overflow = false;
    std::size_t digits = 0;
    if (hexadecimal) {
        while (digits < text.size() && hexValue(text[digits]) >= 0) {
            value = value << 4 | static_cast<std::uint64_t>(hexValue(text[digits]));
            if (value > UINT32_MAX)
                overflow = true, value &= UINT32_MAX;
            ++digits;
        }
        if (digits == 0) {
            report(HexCharacterWithoutDigits);
            valid = false;
            return 0;
        }
    } else {
        while (digits < 3 && digits < text.size() && isOctal(text[digits]))
            value = value * 8 + static_cast<std::uint64_t>(text[digits++] - '0');
    }
    text.remove_prefix(digits);
    auto result = static_cast<std::uint32_t>(value);
    if (overflow || result > maximum) {
        report(hexadecimal ? HexCharacterTooBig : OctalCharacterTooBig);
        result = masked(result, maximum);
    }
    if (const int invalid = space_.invalidMultibyteError(result, mode_); invalid != 0)
        report(invalid, toolframe::MessageArgument::code(result), mode_.settings.codePage);
    valid = true;
    return result;
}

std::vector<std::uint32_t> ExpressionParser::character(std::string_view& text, bool inClass)
{
    if (text[0] == '\\') {
        text.remove_prefix(1);
        if (text.empty())
            return {}; // a newline followed: the reader has reported it
        const char letter = text[0];
        for (const ControlEscape& escape : kControlEscapes) {
            if (escape.letter == letter) {
                text.remove_prefix(1);
                const CharacterValues values = space_.controlCharacter(escape.unit, mode_);
                if (values.error != 0)
                    report(values.error, toolframe::MessageArgument::wideCode(escape.unit));
                return values.values;
            }
        }
        if (isOctal(letter) || letter == 'x') {
            if (letter == 'x')
                text.remove_prefix(1);
            bool valid = false;
            const std::uint32_t value = numericEscape(text, inClass, letter == 'x', valid);
            if (!valid)
                return {};
            return {value};
        }
    }
    const std::size_t length = sourceCodePage_.characterLength(text);
    const std::string_view bytes = text.substr(0, length);
    text.remove_prefix(length);
    const CharacterValues values = space_.sourceCharacter(bytes, mode_);
    if (values.error != 0) {
        const auto code = toolframe::MessageArgument::code(toolframe::CodePage::characterValue(bytes));
        if (values.error == MultibyteCharacterTooBig)
            report(values.error);
        else
            report(values.error, code, mode_.settings.codePage);
    }
    return values.values;
}

NfaFragment ExpressionParser::node(CharacterSet set)
{
    set = translation_.apply(set);
    if (!mode_.unicode && !set.empty() && set.highest() > 0xFF)
        return byteTransitions(nfa_, set);
    if (set.size() == 1)
        return nfa_.character(set.lowest());
    return nfa_.set(std::move(set));
}

NfaFragment ExpressionParser::sequence(const std::vector<std::uint32_t>& values)
{
    if (values.empty())
        return nfa_.empty();
    std::optional<NfaFragment> result;
    for (std::uint32_t value : values) {
        const NfaFragment next = node(caseInsensitive_ ? space_.caseClosure(value, mode_) : CharacterSet::single(value));
        result = result ? nfa_.concatenate(*result, next) : next;
    }
    return *result;
}

NfaFragment ExpressionParser::characterAtom(std::string_view text)
{
    if (text[0] == '%') {
        if (text.size() == 1)
            report(InvalidLexEscape);
        else
            report(InvalidKeyword, text);
        return nfa_.empty();
    }
    return sequence(character(text, false));
}

NfaFragment ExpressionParser::stringAtom(const ExpressionToken& token)
{
    std::string_view text = token.text.substr(1);
    if (token.closed)
        text.remove_suffix(1);
    std::vector<std::uint32_t> values;
    while (!text.empty()) {
        const std::vector<std::uint32_t> one = character(text, false);
        values.insert(values.end(), one.begin(), one.end());
    }
    if (values.empty()) {
        report(EmptyCharacterString);
        return nfa_.empty();
    }
    return sequence(values);
}

void ExpressionParser::classExpression(std::string_view name, CharacterSet& set)
{
    if (name.empty()) {
        report(EmptyClassExpression);
        classHasError_ = true;
        return;
    }
    const std::optional<ClassName> className = classNameFor(name);
    if (!className) {
        report(InvalidClassExpression, name);
        classHasError_ = true;
        return;
    }
    bool lost = false;
    set.add(space_.classExpression(*className, mode_, lost));
    classHasError_ = classHasError_ || lost;
    if (lost)
        report(ClassExpressionLosesCharacters, classNameText(*className));
}

NfaFragment ExpressionParser::classAtom(const ExpressionToken& token)
{
    std::string_view text = token.text.substr(1);
    if (token.closed)
        text.remove_suffix(1);
    const bool negated = !text.empty() && text[0] == '^';
    if (negated)
        text.remove_prefix(1);
    CharacterSet set;
    // In a Unicode scanner, the characters beyond U+FFFF, by code point.
    CharacterSet beyond;
    std::vector<std::vector<std::uint32_t>> sequences; // characters of more than one value
    // A Unicode character as one value: its code unit, or its code point
    // beyond U+FFFF; none for a character dropped by an error.
    const auto unicodeCharacter = [](const std::vector<std::uint32_t>& units) -> std::optional<std::uint32_t> {
        if (units.size() == 1)
            return units[0];
        if (characterOfPair(units) != 0)
            return characterOfPair(units);
        return std::nullopt;
    };
    const auto addUnicode = [&](std::uint32_t from, std::uint32_t to) {
        if (from < kFirstBeyondBmp)
            set.add(from, std::min(to, kFirstBeyondBmp - 1));
        if (to >= kFirstBeyondBmp)
            beyond.add(std::max(from, kFirstBeyondBmp), to);
    };
    const bool multibyte = space_.multibyteCharacters(mode_);
    classHasError_ = false;
    bool first = true;
    while (!text.empty()) {
        if (text.starts_with("[:")) {
            const std::size_t end = text.find(":]", 2);
            if (end != std::string_view::npos) {
                classExpression(text.substr(2, end - 2), set);
                text.remove_prefix(end + 2);
                first = false;
                continue;
            }
        }
        // A '-' first or last stands for itself.
        if (text[0] == '-' && (first || text.size() == 1)) {
            set.add('-');
            text.remove_prefix(1);
            first = false;
            continue;
        }
        first = false;
        const std::vector<std::uint32_t> low = character(text, true);
        if (text.size() >= 2 && text[0] == '-') {
            text.remove_prefix(1);
            const std::vector<std::uint32_t> high = character(text, true);
            if (mode_.unicode && low.size() + high.size() > 2 && unicodeCharacter(low) && unicodeCharacter(high)) {
                // A range with an end beyond U+FFFF runs over characters,
                // not over the code units that hold them.
                std::uint32_t from = *unicodeCharacter(low);
                std::uint32_t to = *unicodeCharacter(high);
                if (from > to) {
                    report(ReversedClassRange);
                    std::swap(from, to);
                }
                addUnicode(from, to);
                continue;
            }
            if (low.size() == 1 && high.size() == 1) {
                std::uint32_t from = low[0];
                std::uint32_t to = high[0];
                if (from > to) {
                    report(ReversedClassRange);
                    std::swap(from, to);
                }
                CharacterSet range = CharacterSet::range(from, to);
                set.add(multibyte ? range.intersection(space_.universe(mode_)) : range);
                continue;
            }
            if (!mode_.unicode && !low.empty() && !high.empty()) {
                // Bytes count one by one: the range runs from the last byte
                // before the '-' to the first after it.
                for (std::size_t i = 0; i + 1 < low.size(); ++i)
                    set.add(low[i]);
                for (std::size_t i = 1; i < high.size(); ++i)
                    set.add(high[i]);
                std::uint32_t from = low.back();
                std::uint32_t to = high.front();
                if (from > to) {
                    report(ReversedClassRange);
                    std::swap(from, to);
                }
                set.add(from, to);
                continue;
            }
            // A pair of code units cannot bound a range: keep what was
            // written as members.
            for (const auto* end : {&low, &high})
                if (end->size() > 1)
                    sequences.push_back(*end);
                else
                    for (std::uint32_t value : *end)
                        set.add(value);
            set.add('-');
            continue;
        }
        if (mode_.unicode && characterOfPair(low) != 0)
            beyond.add(characterOfPair(low));
        else if (low.size() > 1 && mode_.unicode)
            sequences.push_back(low);
        else
            for (std::uint32_t value : low)
                set.add(value);
    }
    if (caseInsensitive_)
        set = space_.caseClosure(set, mode_);
    // A class that names characters beyond U+FFFF is a set of characters,
    // and holds those whole: a high surrogate alone is half of one, which
    // would match where the class leaves the character out. So is its
    // complement, even when that leaves none of them.
    const bool namesBeyond = !beyond.empty();
    if (negated) {
        set = set.complement(space_.universe(mode_));
        if (namesBeyond)
            beyond = beyond.complement(CharacterSet::range(kFirstBeyondBmp, kLastCharacter));
    }
    if (namesBeyond)
        set = set.difference(CharacterSet::range(kFirstHighSurrogate, kLastHighSurrogate));
    // A class emptied by a bad class expression has been reported already.
    if (set.empty() && beyond.empty() && sequences.empty() && !classHasError_)
        report(EmptyCharacterClass);
    NfaFragment result = node(std::move(set));
    if (!beyond.empty())
        result = nfa_.alternate(result, surrogatePairs(nfa_, beyond, [this](CharacterSet units) {
                                    return node(std::move(units));
                                }));
    for (const auto& values : sequences)
        result = nfa_.alternate(result, sequence(values));
    return result;
}

NfaFragment ExpressionParser::dotAtom()
{
    CharacterSet newline;
    for (std::uint32_t value : space_.controlCharacter('\n', mode_).values)
        newline.add(value);
    return node(space_.universe(mode_).difference(newline));
}

} // namespace lindle
