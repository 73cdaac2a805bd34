#pragma once

#include <string>

#include "toolframe/emit/TargetLanguage.h"

namespace toolframe {

// The command-line settings both generators have; each tool's own record
// extends it with the fields only that tool reads. Texts are narrow
// multibyte strings; an empty text means the value was not given.
struct ToolOptions {
    std::string sourceFile;
    TargetLanguage targetLanguage = TargetLanguage::C;
    bool unicode = false;              // -W; forced on for Java
    bool showBanner = true;            // -$ clears
    bool compatibleFileNames = false;  // -c
    bool generateIncludeFile = false;  // -i; forced off for Java
    std::string includeFile;           // argument of -i
    std::string outputExtension;       // -e<extension>
    bool plainLineNames = false;       // -f
    bool fullPathLineNames = false;    // -g
    bool lineDirectives = true;        // -l clears
    CodeModel model = CodeModel::Single;
    std::string outputFile;            // argument of -o
    bool quotedLibraryIncludes = false; // -q
    bool compactTables = false;        // -s
    bool verbose = false;              // -v
    std::string verboseFile;           // argument of -v
    std::string includeExtension;      // -x<extension>
    bool shortFileNames = false;       // -z
};

} // namespace toolframe
