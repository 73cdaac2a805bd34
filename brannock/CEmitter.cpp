#include "brannock/CEmitter.h"

namespace brannock {

namespace {

constexpr const char* kRepeatedMarker = "/* repeated because of possible precompiled header */\n";
constexpr const char* kNamespaces = "/* namespaces */\n"
                                    "#if defined(__cplusplus) && defined(YYSTDCPPLIB)\n"
                                    "using namespace std;\n"
                                    "#endif\n"
                                    "#if defined(__cplusplus) && defined(YYNAMESPACE)\n"
                                    "using namespace yl;\n"
                                    "#endif\n"
                                    "\n";

} // namespace

CEmitter::CEmitter(const EmitterContext& context) : TargetEmitter(context, toolframe::LineDirectiveForm::C) {}

void CEmitter::beginIncludeFile(std::string_view includePath)
{
    writeIncludeFilePrologue("C header file", includePath);
}


void CEmitter::beginSourceFile(bool repeated)
{
    toolframe::OutputStream& source = sourceStream();
    if (repeated)
        source.writeNarrow(kRepeatedMarker);
    else
        writeBanner(source, "C source file");
    writeLibraryInclude(source);
    source.writeCharacter('\n');
    source.writeNarrow(kNamespaces);
    source.writeNarrow(options().compactTables ? "#define YYCOMPACTPARSER\n" : "#define YYFASTPARSER\n");
    source.writeCharacter('\n');
}

} // namespace brannock
