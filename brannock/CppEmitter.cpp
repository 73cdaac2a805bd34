#include "brannock/CppEmitter.h"

namespace brannock {

CppEmitter::CppEmitter(const EmitterContext& context) : TargetEmitter(context, toolframe::LineDirectiveForm::Cpp)
{
}

void CppEmitter::beginIncludeFile(std::string_view includePath)
{
    writeIncludeFilePrologue("C++ header file", includePath);
}

void CppEmitter::beginSourceFile(bool repeated)
{
    writeSourceFilePrologue(repeated, "C++ source file", "// repeated because of possible precompiled header\n",
                            false);
}

} // namespace brannock
