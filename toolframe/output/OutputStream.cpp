#include "toolframe/output/OutputStream.h"

#include <climits>
#include <cstdarg>
#include <cwchar>
#include <vector>

#include "toolframe/output/LineDirectiveWriter.h"
#include "toolframe/platform/PathServices.h"

namespace toolframe {

OutputStream::OutputStream(Diagnostics& diagnostics, const CodePage& codePage, LineDirectiveWriter& owner,
                           LineDirectiveSettings settings)
    : file_(diagnostics), codePage_(codePage), owner_(owner), settings_(settings)
{
}

void OutputStream::open(const std::string& path, LineNames names)
{
    names_ = std::move(names);
    file_.open(path);
}

void OutputStream::writeByte(char byte)
{
    file_.write(std::string_view(&byte, 1));
}

void OutputStream::writeCharacter(std::uint32_t character)
{
    if (resyncPending_) {
        resyncPending_ = false;
        grammarLine_ = 0;
        owner_.lineDirective(*this, 0, names_.own);
    }
    atLineStart_ = character == '\n';
    if (atLineStart_) {
        ++line_;
        if (grammarLine_ != 0)
            ++grammarLine_;
    }
    bool started = false;
    for (int shift = 24; shift > 0; shift -= 8) {
        const auto byte = static_cast<char>((character >> shift) & 0xFF);
        started = started || byte != 0;
        if (started)
            writeByte(byte);
    }
    writeByte(static_cast<char>(character & 0xFF));
}

void OutputStream::writeNarrow(std::string_view text)
{
    codePage_.forEachCharacter(text, [this](std::string_view character) {
        writeCharacter(CodePage::characterValue(character));
    });
}

void OutputStream::writeWide(std::wstring_view text)
{
    for (wchar_t wide : text) {
        char bytes[MB_LEN_MAX];
        std::mbstate_t state{};
        const std::size_t length = std::wcrtomb(bytes, wide, &state);
        if (length != static_cast<std::size_t>(-1))
            writeCharacter(CodePage::characterValue(std::string_view(bytes, length)));
    }
}

void OutputStream::writeFormatted(const char* format, ...)
{
    char small[256];
    std::va_list arguments;
    va_start(arguments, format);
    std::va_list copy;
    va_copy(copy, arguments);
    const int length = std::vsnprintf(small, sizeof small, format, arguments);
    va_end(arguments);
    if (length < 0) {
        va_end(copy);
        return;
    }
    if (static_cast<std::size_t>(length) < sizeof small) {
        va_end(copy);
        writeNarrow(std::string_view(small, static_cast<std::size_t>(length)));
        return;
    }
    std::vector<char> large(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(large.data(), large.size(), format, copy);
    va_end(copy);
    writeNarrow(std::string_view(large.data(), static_cast<std::size_t>(length)));
}

void OutputStream::setGrammarLine(int line)
{
    // Still in step with the source: no directive, and none back to this
    // file either, or the text to come would be put down to the wrong file.
    if (grammarLine_ == line) {
        resyncPending_ = false;
        return;
    }
    resyncPending_ = false;
    grammarLine_ = 0;
    owner_.lineDirective(*this, line, names_.grammar);
    grammarLine_ = line;
}

LineNames lineNamesFor(std::string_view outputPath, std::string_view sourcePath, bool fullPaths,
                       bool shortNames, const CodePage& codePage)
{
    const std::string output = shortNames ? path::shortPath(outputPath) : std::string(outputPath);
    const std::string source = shortNames ? path::shortPath(sourcePath) : std::string(sourcePath);
    if (fullPaths)
        return LineNames{path::fullPath(output), path::fullPath(source)};
    return LineNames{std::string(path::fileNamePart(output, codePage)), path::relativePath(output, source)};
}

} // namespace toolframe
