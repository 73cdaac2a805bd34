#pragma once

#include <cstdio>

#include "toolframe/Diagnostics.h"

namespace brannock {

// The grammar file being read, and the line it is at. For now it reads the
// file through without interpreting it.
class GrammarInput : public toolframe::LineSource {
public:
    int currentLine() const override { return line_; }

    // Reads to the end of the file, counting lines.
    void readThrough(std::FILE* file);

private:
    int line_ = 1;
};

} // namespace brannock
