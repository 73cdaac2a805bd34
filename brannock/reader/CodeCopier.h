#pragma once

#include "brannock/reader/AttributeTranslator.h"
#include "brannock/reader/GrammarInput.h"
#include "toolframe/output/OutputStream.h"

namespace brannock {

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

// Copies user code through to a generated file as it is read, passing
// string and character literals and comments whole so that nothing inside
// them ends the code. In actions the $-forms are translated.
class CodeCopier {
public:
    CodeCopier(GrammarInput& input, toolframe::OutputStream& out, AttributeTranslator* translator)
        : input_(input), out_(out), translator_(translator)
    {
    }

    CopyOutcome copy(CodeEnd end);

private:
    void write(const SourceCharacter& c) { out_.writeCharacter(c.value); }

    GrammarInput& input_;
    toolframe::OutputStream& out_;
    AttributeTranslator* translator_;
};

} // namespace brannock
