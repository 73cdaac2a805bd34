#include "toolframe/run/HelpDisplay.h"

#include <unistd.h>

#include "toolframe/platform/Terminal.h"

namespace toolframe {

namespace {

constexpr std::size_t kSwitchColumnWidth = 6;
constexpr std::string_view kContinuationIndent = "        ";
constexpr const char* kPausePrompt = "<press a key>";

void pauseForKey(std::FILE* out)
{
    // Echo goes off before the prompt appears, so a key pressed as soon as
    // the prompt shows is not echoed.
    NoEchoKeyboard keyboard(STDIN_FILENO);
    std::fputs(kPausePrompt, out);
    std::fflush(out);
    keyboard.readKey();
    std::fputs("\n", out);
}

} // namespace

std::string helpLine(std::string_view switchName, std::string_view text)
{
    std::string line = " ";
    line += switchName;
    if (switchName.size() < kSwitchColumnWidth)
        line.append(kSwitchColumnWidth - switchName.size(), ' ');
    line += ' ';
    const std::size_t newline = text.find('\n');
    line += text.substr(0, newline);
    line += '\n';
    if (newline != std::string_view::npos) {
        line += kContinuationIndent;
        line += text.substr(newline + 1);
        line += '\n';
    }
    return line;
}

void showHelp(const HelpPages& pages, std::FILE* out)
{
    const bool interactive = isTerminal(STDIN_FILENO) && isTerminal(fileno(out));
    for (std::size_t page = 0; page < pages.size(); ++page) {
        std::fputs(pages[page].c_str(), out);
        if (page + 1 < pages.size() && interactive)
            pauseForKey(out);
    }
    std::fflush(out);
}

} // namespace toolframe
