#include "toolframe/emit/MacroDefaults.h"

namespace toolframe {

std::string macroDefaults(std::span<const MacroDefault> defaults)
{
    std::string text;
    for (const MacroDefault& d : defaults) {
        const std::string define = "#define " + std::string(d.macro) + " ";
        text += "#ifndef " + std::string(d.macro) + "\n";
        if (d.condition.empty()) {
            text += define + std::string(d.value) + "\n";
        } else {
            text += std::string(d.condition) + "\n" + define + std::string(d.value) + "\n#else\n" + define +
                    std::string(d.otherwise) + "\n#endif\n";
        }
        text += "#endif\n";
    }
    return text;
}

std::string nameMacro(std::string_view macro, std::string_view name)
{
    std::string text = "#ifndef ";
    text.append(macro).append("\n#define ").append(macro).append(" ").append(name).append("\n#endif\n\n");
    return text;
}

} // namespace toolframe
