#pragma once

#include "toolframe/diagnostics/MessageCatalog.h"

namespace brannock {

// Brannock's own messages, by the numbers of MessageNumbers.h, before those
// of the shared frame; the fatal errors met at the end of the grammar file
// tell the line they stopped at.
toolframe::MessageCatalog messageCatalog();

} // namespace brannock
