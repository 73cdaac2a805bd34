#pragma once

#include <cstdio>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "toolframe/run/SwitchTable.h"

namespace toolframe {

// The help display as pages of text; the display pauses after every page
// but the last.
using HelpPages = std::vector<std::string>;

// One help line: a space, the switch padded to six columns, a blank and the
// text; a continuation goes on a second line indented by eight blanks.
std::string helpLine(std::string_view switchName, std::string_view text);

// Prints the pages, pausing between them when standard input and standard
// output are both terminals: "<press a key>", one key read without echo,
// then a newline.
void showHelp(const HelpPages& pages, std::FILE* out);

template <class Options>
HelpPages helpPages(const HelpLayout& layout, std::span<const Switch<Options>> table)
{
    HelpPages pages(1, std::string(layout.usage));
    for (const Switch<Options>& entry : table) {
        const std::string lines = helpLine(entry.helpName, entry.help);
        if (entry.pageBreak == PageBreak::Inside) {
            const std::size_t firstLineEnd = lines.find('\n') + 1;
            pages.back() += lines.substr(0, firstLineEnd);
            pages.push_back(lines.substr(firstLineEnd));
            continue;
        }
        pages.back() += lines;
        if (entry.pageBreak == PageBreak::After)
            pages.emplace_back();
    }
    return pages;
}

} // namespace toolframe
