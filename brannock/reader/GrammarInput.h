#pragma once

#include "brannock/MessageNumbers.h"
#include "toolframe/source/SourceInput.h"

namespace brannock {

// The grammar file, read through the frame's source input and reported on
// under Brannock's numbers.
class GrammarInput : public toolframe::SourceInput {
public:
    GrammarInput(const toolframe::CodePage& codePage, toolframe::Diagnostics& diagnostics)
        : SourceInput(codePage, diagnostics, {IllegalMultibyteCharacter, LineTooLong})
    {
    }
};

} // namespace brannock
