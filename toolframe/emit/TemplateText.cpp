#include "toolframe/emit/TemplateText.h"

#include "toolframe/emit/RuntimeNames.h"

namespace toolframe {

std::string expandTemplate(std::string_view text, bool unicode,
                           const std::function<std::string(char)>& placeholder)
{
    using namespace runtime;
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        switch (text[i]) {
        case '@':
            result += unicode ? kUnicodeNamePrefix : kNamePrefix;
            break;
        case '^':
            result += unicode ? kUnicodeMacroPrefix : kMacroPrefix;
            break;
        case '$':
            if (i + 1 < text.size())
                result += placeholder(text[++i]);
            break;
        default:
            result += text[i];
        }
    }
    return result;
}

} // namespace toolframe
