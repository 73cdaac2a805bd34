#include "toolframe/source/CodeCopier.h"

namespace toolframe {

namespace {

enum class State {
    Text = 0,
    Introducer = 1, // % or \ that may start %}
    Slash = 2,
    BlockComment = 3,
    BlockCommentStar = 4,
    LineComment = 5,
    Literal = 6,
    LiteralEscape = 7,
};

} // namespace

CopyOutcome CodeCopier::copy(CodeEnd end)
{
    State state = State::Text;
    int depth = 0;
    std::uint32_t quote = 0;
    std::uint32_t introducer = 0;
    for (;;) {
        const SourceCharacter& c = input_.next();
        if (c.isEndOfFile())
            return CopyOutcome{false, state == State::BlockComment || state == State::BlockCommentStar ||
                                          state == State::LineComment};
        switch (state) {
        case State::Text:
            if (end == CodeEnd::PercentBrace && (c.is('%') || c.is('\\'))) {
                introducer = c.value;
                state = State::Introducer;
                continue;
            }
            if (end == CodeEnd::MatchingBrace && c.is('}') && depth == 0)
                return CopyOutcome{true, false};
            if (translator_ != nullptr && c.code == translator_->introducer()) {
                translator_->translate(input_, out_);
                continue;
            }
            write(c);
            if (c.is('{'))
                ++depth;
            else if (c.is('}'))
                --depth;
            else if (c.is(';') && end == CodeEnd::Semicolon)
                return CopyOutcome{true, false};
            else if (c.is('/'))
                state = State::Slash;
            else if (c.is('"') || c.is('\'')) {
                quote = c.code;
                state = State::Literal;
            }
            break;
        case State::Introducer:
            if (c.is('}'))
                return CopyOutcome{true, false};
            out_.writeCharacter(introducer);
            input_.putBack();
            state = State::Text;
            break;
        case State::Slash:
            if (c.is('*') || c.is('/')) {
                write(c);
                state = c.is('*') ? State::BlockComment : State::LineComment;
            } else {
                input_.putBack();
                state = State::Text;
            }
            break;
        case State::BlockComment:
            write(c);
            if (c.is('*'))
                state = State::BlockCommentStar;
            break;
        case State::BlockCommentStar:
            write(c);
            if (c.is('/'))
                state = State::Text;
            else if (!c.is('*'))
                state = State::BlockComment;
            break;
        case State::LineComment:
            write(c);
            if (c.is('\n'))
                state = State::Text;
            break;
        case State::Literal:
            write(c);
            // A literal never runs past its line, so a stray quote cannot
            // swallow the rest of the file.
            if (c.code == quote || c.is('\n'))
                state = State::Text;
            else if (c.is('\\'))
                state = State::LiteralEscape;
            break;
        case State::LiteralEscape:
            write(c);
            state = State::Literal;
            break;
        }
    }
}

} // namespace toolframe
