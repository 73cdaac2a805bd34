#include "toolframe/diagnostics/MessageCatalog.h"

namespace toolframe {

namespace {

constexpr MessageText kSharedFatalMessages[] = {
    {MaximumErrorsReached, L"maximum number of errors reached"},
    {OutOfMemory, L"out of memory"},
    {InvalidOption, L"invalid option '%s'"},
    {FileExpectedAfterOption, L"file expected after option '%s'"},
    {NoSourceFile, L"no source file"},
    {DuplicateSourceFile, L"duplicate source file '%s'"},
    {DuplicateOutputFile, L"duplicate output file '%s'"},
    {DuplicateIncludeFile, L"duplicate include file '%s'"},
    {DuplicateVerboseFile, L"duplicate verbose file '%s'"},
    {UnableToOpenFile, L"unable to open file '%s'"},
    {FileOutputError, L"file output error"},
    {UnexpectedEndOfFile, L"unexpected end of file found"},
    {EndOfFileInCodeBlock, L"unexpected end of file found in code block"},
    {EndOfFileInDeclarationCodeBlock, L"unexpected end of file found in declaration code block"},
    {EndOfFileInAction, L"unexpected end of file found in action"},
    {EndOfFileInComment, L"unexpected end of file found in comment"},
    {EndOfFileInCodeBlockComment, L"unexpected end of file found in code block comment"},
    {EndOfFileInDeclarationCodeBlockComment, L"unexpected end of file found in declaration code block comment"},
    {EndOfFileInActionComment, L"unexpected end of file found in action comment"},
};
static_assert(numbersRiseStrictly(kSharedFatalMessages));

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

MessageCatalog::MessageCatalog(std::span<const MessageText> toolMessages, MessageRange positionedFatals)
    : toolMessages_(toolMessages), positionedFatals_(positionedFatals)
{
}

const wchar_t* MessageCatalog::find(int number) const
{
    if (const wchar_t* text = findIn(toolMessages_, number))
        return text;
    return findIn(kSharedFatalMessages, number);
}

bool MessageCatalog::carriesPosition(int number) const
{
    return severityOf(number) != Severity::Fatal || positionedFatals_.contains(number);
}

std::span<const MessageText> sharedFatalMessages() { return kSharedFatalMessages; }

} // namespace toolframe
