#include "toolframe/diagnostics/MessageCatalog.h"

namespace toolframe {

namespace {

constexpr MessageText kSharedFatalMessages[] = {
    {1001, L"maximum number of errors reached"},
    {1002, L"out of memory"},
    {1003, L"invalid option '%s'"},
    {1004, L"file expected after option '%s'"},
    {1005, L"no source file"},
    {1006, L"duplicate source file '%s'"},
    {1007, L"duplicate output file '%s'"},
    {1008, L"duplicate include file '%s'"},
    {1009, L"duplicate verbose file '%s'"},
    {1010, L"unable to open file '%s'"},
    {1011, L"file output error"},
};

const wchar_t* findIn(std::span<const MessageText> messages, int number)
{
    for (const MessageText& message : messages)
        if (message.number == number)
            return message.text;
    return nullptr;
}

} // namespace

Severity severityOf(int number)
{
    switch (number / 1000) {
    case 1:
        return Severity::Fatal;
    case 4:
        return Severity::Warning;
    default:
        return Severity::Error;
    }
}

MessageCatalog::MessageCatalog(std::span<const MessageText> toolMessages) : toolMessages_(toolMessages) {}

const wchar_t* MessageCatalog::find(int number) const
{
    if (const wchar_t* text = findIn(toolMessages_, number))
        return text;
    return findIn(kSharedFatalMessages, number);
}

std::span<const MessageText> sharedFatalMessages() { return kSharedFatalMessages; }

} // namespace toolframe
