#include "corvide/spawner/WindowsCommandLine.h"

namespace corvide::spawner {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

void skipBlanks(std::string_view& text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
}

std::string takeProgram(std::string_view& text)
{
    std::string program;
    bool quoted = false;
    while (!text.empty() && (quoted || !isBlank(text.front()))) {
        const char c = text.front();
        text.remove_prefix(1);
        if (c == '"')
            quoted = !quoted;
        else
            program += c;
    }
    return program;
}

std::string takeArgument(std::string_view& text)
{
    std::string argument;
    bool quoted = false;
    while (!text.empty()) {
        std::size_t backslashes = 0;
        while (backslashes < text.size() && text[backslashes] == '\\')
            ++backslashes;
        text.remove_prefix(backslashes);
        if (!text.empty() && text.front() == '"') {
            argument.append(backslashes / 2, '\\');
            if (backslashes % 2 == 1) {
                argument += '"';
            } else if (quoted && text.size() > 1 && text[1] == '"') {
                argument += '"';
                text.remove_prefix(1);
            } else {
                quoted = !quoted;
            }
            text.remove_prefix(1);
            continue;
        }
        argument.append(backslashes, '\\');
        if (text.empty() || (!quoted && isBlank(text.front())))
            break;
        argument += text.front();
        text.remove_prefix(1);
    }
    return argument;
}

} // namespace

std::vector<std::string> splitCommandLine(std::string_view commandLine)
{
    std::vector<std::string> arguments;
    skipBlanks(commandLine);
    if (commandLine.empty())
        return arguments;
    arguments.push_back(takeProgram(commandLine));
    skipBlanks(commandLine);
    while (!commandLine.empty()) {
        arguments.push_back(takeArgument(commandLine));
        skipBlanks(commandLine);
    }
    return arguments;
}

} // namespace corvide::spawner
