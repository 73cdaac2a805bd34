#pragma once

#include <span>

#include "brannock/ToolOptions.h"
#include "toolframe/run/SwitchTable.h"

namespace brannock {

using Switch = toolframe::Switch<ToolOptions>;

// Brannock's switches in the order of the help display.
std::span<const Switch> switches();

const toolframe::HelpLayout& helpLayout();

} // namespace brannock
