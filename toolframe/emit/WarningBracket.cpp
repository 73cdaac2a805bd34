#include "toolframe/emit/WarningBracket.h"

namespace toolframe {

std::string warningsOff(std::initializer_list<std::string_view> warnings)
{
    std::string text = "#ifdef __GNUC__\n#pragma GCC diagnostic push\n";
    for (std::string_view warning : warnings)
        text.append("#pragma GCC diagnostic ignored \"").append(warning).append("\"\n");
    return text + "#endif\n";
}

std::string_view warningsOn() { return "#ifdef __GNUC__\n#pragma GCC diagnostic pop\n#endif\n"; }

} // namespace toolframe
