#pragma once

#include <cstddef>

namespace corvide {

class COutputLine;

// What a view of the Output window is told, on the user-interface thread.
class COutputObserver {
public:
    virtual ~COutputObserver() = default;
    virtual void lineAdded(std::size_t /*index*/, const COutputLine& /*line*/) {}
    virtual void cleared() {}
    // The current entry changed: highlight it and scroll it into view;
    // index 0 means none.
    virtual void currentEntryChanged(std::size_t /*index*/) {}
};

} // namespace corvide
