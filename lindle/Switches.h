#pragma once

#include <span>

#include "lindle/ToolOptions.h"
#include "toolframe/run/SwitchTable.h"

namespace lindle {

using Switch = toolframe::Switch<ToolOptions>;

// Lindle's switches in the order of the help display.
std::span<const Switch> switches();

const toolframe::HelpLayout& helpLayout();

} // namespace lindle
