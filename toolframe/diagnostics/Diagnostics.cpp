#include "toolframe/diagnostics/Diagnostics.h"

#include <climits>
#include <cwchar>
#include <cwctype>

namespace toolframe {

namespace {

const char* severityWord(Severity severity)
{
    switch (severity) {
    case Severity::Fatal:
        return "fatal error";
    case Severity::Error:
        return "error";
    case Severity::Warning:
        return "warning";
    }
    return "error";
}

// Wide message text goes out character by character in the active code
// page; a character with no multibyte form is dropped.
void appendWideCharacter(std::string& line, wchar_t character)
{
    char bytes[MB_LEN_MAX];
    std::mbstate_t state{};
    const std::size_t length = std::wcrtomb(bytes, character, &state);
    if (length != static_cast<std::size_t>(-1))
        line.append(bytes, length);
}

} // namespace

std::string printableText(std::string_view text)
{
    std::string result;
    while (!text.empty()) {
        wchar_t character = 0;
        std::mbstate_t state{};
        std::size_t length = std::mbrtowc(&character, text.data(), text.size(), &state);
        if (length == 0 || length > text.size()) {
            // A zero byte, or a byte that starts no whole character.
            character = static_cast<unsigned char>(text[0]);
            length = 1;
        } else if (std::iswprint(static_cast<std::wint_t>(character))) {
            result.append(text.substr(0, length));
            text.remove_prefix(length);
            continue;
        }
        MessageArgument::code(static_cast<unsigned long>(character)).appendTo(result);
        text.remove_prefix(length);
    }
    return result;
}

MessageArgument MessageArgument::code(unsigned long value)
{
    MessageArgument argument;
    argument.kind_ = Kind::Code;
    argument.value_ = static_cast<long>(value);
    return argument;
}

MessageArgument MessageArgument::wideCode(unsigned long value)
{
    MessageArgument argument = code(value);
    argument.kind_ = Kind::WideCode;
    return argument;
}

void MessageArgument::appendTo(std::string& line) const
{
    char buffer[32];
    switch (kind_) {
    case Kind::None:
        return;
    case Kind::Text:
        line.append(printableText(text_));
        return;
    case Kind::Integer:
        std::snprintf(buffer, sizeof buffer, "%ld", value_);
        break;
    case Kind::Code:
        std::snprintf(buffer, sizeof buffer, value_ < 256 ? "0x%02lx" : "0x%04lx", value_);
        break;
    case Kind::WideCode:
        std::snprintf(buffer, sizeof buffer, "0x%04lx", value_);
        break;
    }
    line.append(buffer);
}

Diagnostics::Diagnostics(char letter, MessageCatalog catalog, std::FILE* out)
    : letter_(letter), catalog_(catalog), out_(out)
{
}

void Diagnostics::connect(const LineSource* input, Discardable* generatedFiles, Discardable* verboseFile)
{
    input_ = input;
    generatedFiles_ = generatedFiles;
    verboseFile_ = verboseFile;
}

std::string Diagnostics::formatLine(int line, int number, const MessageArgument& first,
                                    const MessageArgument& second) const
{
    std::string text;
    if (catalog_.carriesPosition(number)) {
        text += printableText(sourceName_);
        text += '(' + std::to_string(line) + ") : ";
    }
    text += severityWord(severityOf(number));
    text += ' ';
    text += letter_;
    text += std::to_string(number) + ": ";
    const MessageArgument* arguments[] = {&first, &second};
    std::size_t next = 0;
    const wchar_t* pattern = catalog_.find(number);
    for (const wchar_t* c = pattern ? pattern : L""; *c != L'\0'; ++c) {
        if (c[0] == L'%' && (c[1] == L's' || c[1] == L'd' || c[1] == L'c')) {
            if (next < 2)
                arguments[next++]->appendTo(text);
            ++c;
        } else {
            appendWideCharacter(text, *c);
        }
    }
    text += '\n';
    return text;
}

void Diagnostics::print(const std::string& line)
{
    std::fwrite(line.data(), 1, line.size(), out_);
    std::fflush(out_);
}

void Diagnostics::discardOutputs()
{
    if (generatedFiles_ != nullptr)
        generatedFiles_->discard();
    if (verboseFile_ != nullptr)
        verboseFile_->discard();
}

void Diagnostics::report(int number, MessageArgument first, MessageArgument second)
{
    if (input_ != nullptr)
        line_ = input_->currentLine();
    reportAt(line_, number, first, second);
}

void Diagnostics::fatal(int number, MessageArgument first, MessageArgument second)
{
    report(number, first, second);
    throw RunAborted{}; // a number that is not fatal still ends the run here
}

void Diagnostics::reportAt(int line, int number, MessageArgument first, MessageArgument second)
{
    print(formatLine(line, number, first, second));
    switch (severityOf(number)) {
    case Severity::Fatal:
        ++errors_;
        discardOutputs();
        throw RunAborted{};
    case Severity::Error:
        ++errors_;
        discardOutputs();
        if (errors_ == kErrorLimit)
            report(MaximumErrorsReached);
        return;
    case Severity::Warning:
        ++warnings_;
        return;
    }
}

} // namespace toolframe
