#include "brannock/JavaEmitter.h"

#include "toolframe/RuntimeNames.h"

namespace brannock {

JavaEmitter::JavaEmitter(const EmitterContext& context) : TargetEmitter(context, toolframe::LineDirectiveForm::Java)
{
}

void JavaEmitter::beginSourceFile(bool repeated)
{
    toolframe::OutputStream& source = sourceStream();
    if (!repeated) {
        writeBanner(source, "Java source file");
        return;
    }
    source.writeNarrow(toolframe::runtime::kJavaImport);
    source.writeNarrow("\n\n");
}

} // namespace brannock
