#pragma once

#include <vector>

#include "lindle/reader/ExpressionBuilder.h"
#include "lindle/regex/CharacterSet.h"

namespace lindle {

// The translation table as runs of characters that share one value;
// characters outside every run stand for themselves.
class Translation {
public:
    Translation() = default;
    explicit Translation(std::vector<TranslationRun> runs);

    bool empty() const { return runs_.empty(); }
    CharacterSet apply(const CharacterSet& set) const;

private:
    std::vector<TranslationRun> runs_; // ascending, disjoint
};

} // namespace lindle
