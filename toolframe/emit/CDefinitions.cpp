#include "toolframe/emit/CDefinitions.h"

#include "toolframe/output/TextFormat.h"

namespace toolframe {

std::string cFunctionHead(std::string_view head, std::span<const std::string> parameters)
{
    std::string prototype;
    std::string names;
    std::string declarations;
    for (const std::string& parameter : parameters) {
        const std::string_view separator = prototype.empty() ? "" : ", ";
        prototype.append(separator).append(parameter);
        names.append(separator).append(parameter.substr(parameter.find_last_of(" *") + 1));
        declarations.append(parameter).append(";\n");
    }
    const std::string name(head);
    return "#ifdef YYPROTOTYPE\n" + name + "(" + prototype + ")\n#else\n" + name + "(" + names + ")\n" +
           declarations + "#endif\n{\n";
}

std::string memberInitialiser(std::string_view value, std::string_view member)
{
    const std::string entry = std::string(value) + ",";
    return formatText("\t%-24s /* %.*s */\n", entry.c_str(), static_cast<int>(member.size()), member.data());
}

} // namespace toolframe
