#pragma once

#include <memory>
#include <string>

#include "corvide/core/output/LineMark.h"

namespace corvide {

// An open document that Output entries can mark: the editor implements it
// over its text, CPlainTextDocument over plain lines. Used on the
// user-interface thread only.
class CMarkableDocument {
public:
    virtual ~CMarkableDocument() = default;

    virtual const std::string& path() const = 0;
    // A mark at line (1 for the first). The document holds it weakly: the
    // mark lives as long as the Output entries that share it.
    virtual std::shared_ptr<CLineMark> markLine(int line) = 0;
};

} // namespace corvide
