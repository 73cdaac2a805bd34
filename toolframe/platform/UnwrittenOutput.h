#pragma once

#include <cstdio>

namespace toolframe {

// Throws away what the stream holds buffered and has not yet written, so
// that closing it writes nothing more.
void dropUnwrittenOutput(std::FILE* stream);

} // namespace toolframe
