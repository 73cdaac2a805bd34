#pragma once

#include "toolframe/diagnostics/MessageCatalog.h"

namespace lindle {

// Lindle's own messages, by the numbers of MessageNumbers.h, before those
// of the shared frame; the fatal errors met inside the lex source tell
// the line they stopped at.
toolframe::MessageCatalog messageCatalog();

} // namespace lindle
