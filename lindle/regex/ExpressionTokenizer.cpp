#include "lindle/regex/ExpressionTokenizer.h"

#include <cctype>

namespace lindle {

namespace {

struct Operator {
    char character;
    Token token;
};

constexpr Operator kOperators[] = {
    {'$', Token::Dollar}, {'(', Token::OpenParen}, {')', Token::CloseParen}, {'*', Token::Star},
    {'+', Token::Plus},   {'.', Token::Dot},       {'/', Token::Slash},      {'<', Token::Less},
    {'>', Token::Greater}, {'?', Token::Question}, {'^', Token::Caret},      {'{', Token::OpenBrace},
    {'|', Token::Bar},    {'}', Token::CloseBrace},
};

constexpr std::string_view kCharMarker = "<<CHAR>>";
constexpr std::string_view kByteMarker = "<<BYTE>>";

} // namespace

std::size_t ExpressionTokenizer::characterLength(std::size_t at) const
{
    return codePage_.characterLength(text_.substr(at));
}

// An escape is the backslash and one character, or up to three octal
// digits, or an 'x' and every hexadecimal digit that follows.
std::size_t ExpressionTokenizer::escapeEnd(std::size_t at) const
{
    if (at + 1 >= text_.size())
        return text_.size();
    const auto isOctal = [](char c) { return c >= '0' && c <= '7'; };
    std::size_t end = at + 1;
    if (isOctal(text_[end])) {
        while (end < text_.size() && end < at + 4 && isOctal(text_[end]))
            ++end;
        return end;
    }
    if (text_[end] == 'x') {
        ++end;
        while (end < text_.size() && std::isxdigit(static_cast<unsigned char>(text_[end])))
            ++end;
        return end;
    }
    return end + characterLength(end);
}

ExpressionToken ExpressionTokenizer::take(Token token, std::size_t length, bool closed)
{
    ExpressionToken result{token, text_.substr(position_, length), closed};
    position_ += length;
    return result;
}

ExpressionToken ExpressionTokenizer::next()
{
    if (position_ >= text_.size())
        return {kEnd, {}};
    const std::string_view rest = text_.substr(position_);
    const char c = rest[0];
    if (rest.starts_with(kCharMarker))
        return take(Token::CharMarker, kCharMarker.size());
    if (rest.starts_with(kByteMarker))
        return take(Token::ByteMarker, kByteMarker.size());
    for (const Operator& op : kOperators)
        if (op.character == c)
            return take(op.token, 1);
    if (c == '\\')
        return take(Token::Character, escapeEnd(position_) - position_);
    if (c == '%') {
        // A keyword or a lex escape cannot stand here; it goes whole to the
        // parser's report.
        std::size_t end = position_ + 1;
        while (end < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[end])) || text_[end] == '_'))
            ++end;
        return take(Token::Character, end - position_);
    }
    if (c == '"' || c == '[') {
        // To the closing quote or bracket, or to the end of the text when
        // there is none (the reader has reported that).
        const char close = c == '"' ? '"' : ']';
        std::size_t at = position_ + 1;
        if (c == '[' && at < text_.size() && text_[at] == '^')
            ++at;
        while (at < text_.size() && text_[at] != close) {
            if (text_[at] == '\\') {
                at = escapeEnd(at);
            } else if (c == '[' && text_.substr(at).starts_with("[:")) {
                const std::size_t end = text_.find(":]", at + 2);
                at = end == std::string_view::npos ? at + 1 : end + 2;
            } else {
                at += characterLength(at);
            }
        }
        const bool closed = at < text_.size();
        return take(c == '"' ? Token::String : Token::Class, (closed ? at + 1 : at) - position_, closed);
    }
    return take(Token::Character, characterLength(position_));
}

ExpressionToken ExpressionTokenizer::nextInRepetition()
{
    if (position_ >= text_.size())
        return {kEnd, {}};
    const char c = text_[position_];
    if (c == ',')
        return take(Token::Comma, 1);
    if (std::isdigit(static_cast<unsigned char>(c))) {
        std::size_t end = position_;
        while (end < text_.size() && std::isalnum(static_cast<unsigned char>(text_[end])))
            ++end;
        return take(Token::Integer, end - position_);
    }
    return next();
}

} // namespace lindle
