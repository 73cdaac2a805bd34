#include "toolframe/platform/UnwrittenOutput.h"

#include <stdio_ext.h>

namespace toolframe {

void dropUnwrittenOutput(std::FILE* stream)
{
    __fpurge(stream);
}

} // namespace toolframe
