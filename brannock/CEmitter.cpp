#include "brannock/CEmitter.h"

#include "toolframe/RuntimeNames.h"

namespace brannock {

CEmitter::CEmitter(const EmitterContext& context) : TargetEmitter(context, toolframe::LineDirectiveForm::C) {}

void CEmitter::beginIncludeFile(std::string_view includePath)
{
    writeIncludeFilePrologue("C header file", includePath);
}

void CEmitter::beginSourceFile(bool repeated)
{
    writeSourceFilePrologue(repeated, "C source file", "/* repeated because of possible precompiled header */\n",
                            true);
    const std::string_view tables = options().compactTables ? toolframe::runtime::kCompactParserMacro
                                                            : toolframe::runtime::kFastParserMacro;
    sourceStream().writeFormatted("#define %.*s\n\n", static_cast<int>(tables.size()), tables.data());
}

} // namespace brannock
