#pragma once

#include <string_view>

#include "toolframe/output/BannerBox.h"
#include "toolframe/output/OutputStream.h"

namespace toolframe {

// What opens a generated C-family file, whichever tool writes it: the
// banner, the runtime header the file is written for, and its form.
struct FilePrologue {
    BannerText banner;             // its kind names the file
    std::string_view runtimeHeader; // "yypars.h", "yylex.h", ...
    bool quotedInclude;            // -q
};

// The banner (or, repeated, the marker line), the runtime include and the
// using-directives, each guarded by its macro; for C inside a C++-only
// condition.
void writeSourcePrologue(OutputStream& stream, const FilePrologue& prologue, bool repeated,
                         std::string_view repeatedMarker, bool cLanguage);

// Banner, include guard (from the include file's name as the run was
// given it), runtime include and an empty line.
void writeIncludePrologue(OutputStream& stream, const FilePrologue& prologue, std::string_view includePath);

} // namespace toolframe
