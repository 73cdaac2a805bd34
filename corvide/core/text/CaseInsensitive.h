#pragma once

#include <string>
#include <string_view>

#include "toolframe/platform/CodePage.h"

// Names that the workbench compares without regard to letter case: paths,
// and the sections and keys of its initialisation files. Only the letters
// of single-byte characters are folded, to lower case; a multibyte
// character is compared as its bytes, so a trail byte that looks like a
// letter is never folded.
namespace corvide {

std::string foldedCase(std::string_view text, const toolframe::CodePage& codePage);

// Negative, zero or positive as a is ordered before, with or after b.
int compareNoCase(std::string_view a, std::string_view b, const toolframe::CodePage& codePage);

bool equalNoCase(std::string_view a, std::string_view b, const toolframe::CodePage& codePage);

} // namespace corvide
