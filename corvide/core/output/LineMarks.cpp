#include "corvide/core/output/LineMarks.h"

namespace corvide {

CLineMarks::~CLineMarks() { detachAll(); }

std::shared_ptr<CLineMark> CLineMarks::mark(int line)
{
    std::erase_if(marks_, [](const std::weak_ptr<CLineMark>& mark) { return mark.expired(); });
    auto mark = std::make_shared<CLineMark>(document_, line);
    marks_.push_back(mark);
    return mark;
}

template <class Move>
void CLineMarks::moveEach(Move&& move)
{
    for (const std::weak_ptr<CLineMark>& weak : marks_)
        if (const std::shared_ptr<CLineMark> mark = weak.lock())
            move(*mark);
}

void CLineMarks::linesInserted(int before, int count)
{
    moveEach([&](CLineMark& mark) {
        if (mark.line() >= before)
            mark.moveTo(mark.line() + count);
    });
}

void CLineMarks::linesRemoved(int first, int count)
{
    moveEach([&](CLineMark& mark) {
        if (mark.line() >= first + count)
            mark.moveTo(mark.line() - count);
        else if (mark.line() >= first)
            mark.moveTo(first);
    });
}

void CLineMarks::detachAll()
{
    moveEach([](CLineMark& mark) { mark.detach(); });
    marks_.clear();
}

} // namespace corvide
