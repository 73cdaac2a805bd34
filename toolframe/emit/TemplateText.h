#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace toolframe {

// Templates of generated C-family text name things through placeholders,
// so that one text serves every model and width: @ is the name prefix
// (yy, or yyw in Unicode) and ^ the macro prefix (YY or YYW); $ and a
// letter stand for what the tool's emitter says the letter stands for.
std::string expandTemplate(std::string_view text, bool unicode,
                           const std::function<std::string(char)>& placeholder);

} // namespace toolframe
