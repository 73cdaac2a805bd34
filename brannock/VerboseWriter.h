#pragma once

#include "toolframe/Diagnostics.h"
#include "toolframe/OutputFile.h"

namespace brannock {

// The verbose report file (-v).
class VerboseWriter : public toolframe::Discardable {
public:
    explicit VerboseWriter(toolframe::Diagnostics& diagnostics) : file_(diagnostics) {}

    toolframe::OutputFile& file() { return file_; }
    void discard() override { file_.discard(); }

private:
    toolframe::OutputFile file_;
};

} // namespace brannock
