#pragma once

#include "lindle/MessageNumbers.h"
#include "toolframe/source/SourceInput.h"

namespace lindle {

// The lex source, read through the frame's source input and
// reported on under Lindle's numbers. Macro references are expanded in the
// line itself, which may then grow to the expansion buffer's size.
class LexInput : public toolframe::SourceInput {
public:
    static constexpr std::size_t kExpansionBufferSize = 65536;

    LexInput(const toolframe::CodePage& codePage, toolframe::Diagnostics& diagnostics)
        : SourceInput(codePage, diagnostics, {IllegalMultibyteCharacter, LineTooLong})
    {
    }
};

} // namespace lindle
