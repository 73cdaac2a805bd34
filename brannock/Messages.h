#pragma once

#include <span>

#include "toolframe/diagnostics/MessageCatalog.h"

namespace brannock {

// Brannock's own messages; 1001 to 1011 come from the shared frame.
std::span<const toolframe::MessageText> messages();

} // namespace brannock
