#include "brannock/CppEmitter.h"

namespace brannock {

namespace {

constexpr const char* kRepeatedMarker = "// repeated because of possible precompiled header\n";
constexpr const char* kNamespaces = "// namespaces\n"
                                    "#ifdef YYSTDCPPLIB\n"
                                    "using namespace std;\n"
                                    "#endif\n"
                                    "#ifdef YYNAMESPACE\n"
                                    "using namespace yl;\n"
                                    "#endif\n"
                                    "\n";

} // namespace

CppEmitter::CppEmitter(const EmitterContext& context) : TargetEmitter(context, toolframe::LineDirectiveForm::Cpp)
{
}

void CppEmitter::beginIncludeFile(std::string_view includePath)
{
    writeIncludeFilePrologue("C++ header file", includePath);
}


void CppEmitter::beginSourceFile(bool repeated)
{
    toolframe::OutputStream& source = sourceStream();
    if (repeated)
        source.writeNarrow(kRepeatedMarker);
    else
        writeBanner(source, "C++ source file");
    writeLibraryInclude(source);
    source.writeCharacter('\n');
    source.writeNarrow(kNamespaces);
}

} // namespace brannock
