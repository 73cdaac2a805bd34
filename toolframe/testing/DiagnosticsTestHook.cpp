#include "toolframe/testing/DiagnosticsTestHook.h"

#include <cstdlib>
#include <new>
#include <string_view>

namespace toolframe::testing {

namespace {

constexpr std::string_view kOutOfMemoryItem = "oom";

bool readNumber(std::string_view& text, long& value)
{
    std::size_t used = 0;
    value = 0;
    while (used < text.size() && text[used] >= '0' && text[used] <= '9' && value < 1000000)
        value = value * 10 + (text[used++] - '0');
    text.remove_prefix(used);
    return used > 0;
}

void exhaustMemory()
{
    // The installed new-handler is what a failed allocation would call.
    if (std::new_handler handler = std::get_new_handler())
        handler();
    throw std::bad_alloc();
}

void injectItem(Diagnostics& diagnostics, std::string_view item)
{
    if (item == kOutOfMemoryItem)
        exhaustMemory();
    long number = 0, line = 0, count = 1;
    if (!readNumber(item, number))
        return;
    const bool positioned = !item.empty() && item[0] == '@';
    if (positioned) {
        item.remove_prefix(1);
        if (!readNumber(item, line))
            return;
    }
    if (!item.empty() && item[0] == '*') {
        item.remove_prefix(1);
        readNumber(item, count);
    }
    for (long i = 0; i < count; ++i) {
        if (positioned)
            diagnostics.reportAt(static_cast<int>(line), static_cast<int>(number), "hook", 0);
        else
            diagnostics.report(static_cast<int>(number), "hook", 0);
    }
}

} // namespace

void injectTestDiagnostics(Diagnostics& diagnostics, const char* items)
{
    std::string_view rest = items == nullptr ? std::string_view() : items;
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        injectItem(diagnostics, rest.substr(0, comma));
        if (comma == std::string_view::npos)
            break;
        rest.remove_prefix(comma + 1);
    }
}

void injectTestDiagnosticsFromEnvironment(Diagnostics& diagnostics)
{
    injectTestDiagnostics(diagnostics, std::getenv(kDiagnosticsTestHookVariable));
}

} // namespace toolframe::testing
