#include "toolframe/emit/CppClassHead.h"

#include "toolframe/output/BannerBox.h"

namespace toolframe {

void writeCppClassHead(OutputStream& out, std::string_view exportMacro, std::string_view name,
                       std::string_view base)
{
    writeSeparatorHeading(out, name);
    out.writeNarrow("#ifndef ");
    out.writeNarrow(exportMacro);
    out.writeNarrow("\n#define ");
    out.writeNarrow(exportMacro);
    out.writeNarrow("\n#endif\n\nclass ");
    out.writeNarrow(exportMacro);
    out.writeNarrow(" YYFAR ");
    out.writeNarrow(name);
    out.writeNarrow(" : public _YL ");
    out.writeNarrow(base);
    out.writeNarrow(" {\npublic:\n\t");
    out.writeNarrow(name);
    out.writeNarrow("();\n\tvirtual ~");
    out.writeNarrow(name);
    out.writeNarrow("();\n\n");
}

} // namespace toolframe
