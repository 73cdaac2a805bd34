#include "brannock/GrammarInput.h"

namespace brannock {

void GrammarInput::readThrough(std::FILE* file)
{
    char buffer[8192];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        for (std::size_t i = 0; i < count; ++i)
            if (buffer[i] == '\n')
                ++line_;
}

} // namespace brannock
