#include "toolframe/output/VerboseHeading.h"

#include <string>

#include "toolframe/platform/PathServices.h"

namespace toolframe {

void writeVerboseHeading(OutputFile& file, const VerboseHeading& heading, const CodePage& codePage)
{
    const std::string rule(77, '#');
    const std::string_view source = path::fileNamePart(heading.sourcePath, codePage);
    const bool quoted = source.find(' ') != std::string_view::npos;
    std::string text = rule + "\n# ";
    text += path::fileNamePart(file.path(), codePage);
    text += "\n# ";
    text += heading.reportKind;
    text += " generated from ";
    text += quoted ? "\"" : "";
    text += source;
    text += quoted ? "\"" : "";
    text += ".\n# \n# Date: " + heading.stamp->date + "\n# Time: " + heading.stamp->time + "\n# \n# ";
    text += heading.toolName;
    text += " Version: ";
    text += heading.version;
    text += "\n" + rule + "\n\n";
    file.write(text);
}

void writeVerboseTitle(OutputFile& file, std::string_view title, std::size_t ruleWidth, bool emptyLineAfter)
{
    const std::string rule(ruleWidth, '#');
    std::string text = rule + "\n# ";
    text += title;
    text += "\n" + rule + "\n";
    if (emptyLineAfter)
        text += "\n";
    file.write(text);
}

} // namespace toolframe
