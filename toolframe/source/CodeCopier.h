#pragma once

#include <cstdint>

#include "toolframe/source/SourceInput.h"
#include "toolframe/output/OutputStream.h"

namespace toolframe {

// How a piece of user code ends.
enum class CodeEnd {
    PercentBrace,  // %} or \} (a code block)
    MatchingBrace, // the } that closes the opening one (blocks, actions)
    Semicolon,     // the next ; which is kept (an action after =)
};

struct CopyOutcome {
    bool ended;     // false: end of file came first
    bool inComment; // where the end of file came
};

// What a tool rewrites inside copied code (Brannock: the $-forms of an
// action). The copier hands over at the introducer, outside literals and
// comments; the translator reads the rest of the form and writes its
// replacement.
class CodeTranslator {
public:
    virtual ~CodeTranslator() = default;
    virtual std::uint32_t introducer() const = 0;
    // Called with the introducer just read.
    virtual void translate(SourceInput& input, OutputStream& out) = 0;
};

// Copies user code through to a generated file as it is read, passing
// string and character literals and comments whole so that nothing inside
// them ends the code.
class CodeCopier {
public:
    CodeCopier(SourceInput& input, OutputStream& out, CodeTranslator* translator)
        : input_(input), out_(out), translator_(translator)
    {
    }

    CopyOutcome copy(CodeEnd end);

private:
    void write(const SourceCharacter& c) { out_.writeCharacter(c.value); }

    SourceInput& input_;
    OutputStream& out_;
    CodeTranslator* translator_;
};

} // namespace toolframe
