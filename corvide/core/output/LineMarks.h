#pragma once

#include <memory>
#include <vector>

#include "corvide/core/output/LineMark.h"

namespace corvide {

class CMarkableDocument;

// The marks of one document, for whatever holds its text: hands out marks
// and moves them along with edits. Marks no longer shared are forgotten.
class CLineMarks {
public:
    explicit CLineMarks(const CMarkableDocument& document) : document_(document) {}
    ~CLineMarks();
    CLineMarks(const CLineMarks&) = delete;
    CLineMarks& operator=(const CLineMarks&) = delete;

    std::shared_ptr<CLineMark> mark(int line);

    // count lines were inserted before line `before`: marks there and below
    // move down.
    void linesInserted(int before, int count);
    // count lines from `first` on were removed: marks below move up, and a
    // mark on a removed line goes to the line that now stands at first.
    void linesRemoved(int first, int count);
    // The document closes: every mark is detached.
    void detachAll();

private:
    template <class Move>
    void moveEach(Move&& move);

    const CMarkableDocument& document_;
    std::vector<std::weak_ptr<CLineMark>> marks_;
};

} // namespace corvide
