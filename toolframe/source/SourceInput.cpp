#include "toolframe/source/SourceInput.h"

#include <algorithm>
#include <climits>
#include <cwchar>

namespace toolframe {

namespace {

// Room for the newline and the terminator.
constexpr std::size_t kLineCapacity = SourceInput::kBufferSize - 2;

bool isContinuation(int byte) { return (byte & 0xC0) == 0x80; }

std::size_t utf8Length(unsigned char lead) { return lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4; }

std::uint32_t concatenated(const char* bytes, std::size_t length)
{
    return CodePage::characterValue(std::string_view(bytes, length));
}

} // namespace

SourceInput::SourceInput(const CodePage& codePage, Diagnostics& diagnostics, SourceInputMessages messages)
    : codePage_(codePage), diagnostics_(diagnostics), messages_(messages)
{
    bytes_.reserve(kBufferSize);
}

int SourceInput::readByte()
{
    const int byte = std::getc(file_);
    if (byte == EOF && std::ferror(file_))
        diagnostics_.fatal(UnableToOpenFile, name_);
    return byte;
}

void SourceInput::readCharacterInto(int first)
{
    // A lead byte brings its trail bytes; a double-byte code page takes the
    // next byte whatever it is, UTF-8 only continuation bytes.
    char character[4] = {static_cast<char>(first)};
    std::size_t length = 1;
    const std::size_t wanted = codePage_.isUtf8() ? utf8Length(static_cast<unsigned char>(first)) : 2;
    while (length < wanted) {
        const int byte = readByte();
        if (byte == EOF) {
            diagnostics_.report(messages_.illegalMultibyteCharacter,
                                MessageArgument::code(concatenated(character, length)));
            return;
        }
        if (byte == 0) {
            diagnostics_.report(messages_.illegalMultibyteCharacter,
                                MessageArgument::code(concatenated(character, length) << 8));
            bytes_.push_back('\0');
            return;
        }
        if (codePage_.isUtf8() && !isContinuation(byte)) {
            std::ungetc(byte, file_);
            break;
        }
        character[length++] = static_cast<char>(byte);
    }
    bytes_.insert(bytes_.end(), character, character + length);
}

bool SourceInput::readLine()
{
    if (atEnd_ || file_ == nullptr)
        return false;
    int byte = readByte();
    if (byte == EOF) {
        // The last line stays, so that its characters still name their bytes.
        atEnd_ = true;
        return false;
    }
    bytes_.clear();
    ++line_;
    bool tooLong = false;
    for (; byte != EOF && byte != '\n'; byte = readByte()) {
        const std::size_t before = bytes_.size();
        if (codePage_.isLeadByte(static_cast<unsigned char>(byte)))
            readCharacterInto(byte);
        else
            bytes_.push_back(static_cast<char>(byte));
        if (bytes_.size() > kLineCapacity) {
            // What does not fit is read and dropped, whole characters only.
            bytes_.resize(before);
            tooLong = true;
            while (byte != EOF && byte != '\n')
                byte = readByte();
            break;
        }
    }
    if (byte == '\n') {
        // A file written on Windows ends its lines in CR LF: the CR is part
        // of the line end, never of the text before it.
        if (!bytes_.empty() && bytes_.back() == '\r')
            bytes_.pop_back();
        bytes_.push_back('\n');
    } else if (tooLong)
        bytes_.push_back('\n');
    if (tooLong)
        diagnostics_.report(messages_.lineTooLong);
    decodeLine();
    return true;
}

void SourceInput::decodeLine()
{
    characters_.clear();
    position_ = 0;
    mark_ = 0;
    const std::string_view line(bytes_.data(), bytes_.size());
    std::size_t offset = 0;
    codePage_.forEachCharacter(line, [&](std::string_view bytes) {
        SourceCharacter character{0, CodePage::characterValue(bytes), static_cast<std::uint16_t>(offset),
                                  static_cast<std::uint8_t>(bytes.size())};
        const auto first = static_cast<unsigned char>(bytes[0]);
        if (bytes.size() == 1 && first < 0x80) {
            character.code = first;
        } else {
            wchar_t wide = 0;
            std::mbstate_t state{};
            const std::size_t used = std::mbrtowc(&wide, bytes.data(), bytes.size(), &state);
            character.code = used == bytes.size() ? static_cast<std::uint32_t>(wide) : SourceCharacter::kUnconvertible;
        }
        characters_.push_back(character);
        offset += bytes.size();
    });
}

const SourceCharacter& SourceInput::next()
{
    while (position_ >= characters_.size()) {
        if (!readLine()) {
            position_ = characters_.size() + 1; // putting back end of file gives end of file again
            return endOfFile_;
        }
    }
    return characters_[position_++];
}

void SourceInput::putBack()
{
    if (position_ > 0)
        --position_;
}

std::string_view SourceInput::marked() const
{
    const std::size_t end = std::min(position_, characters_.size());
    if (mark_ >= end)
        return {};
    const std::size_t from = characters_[mark_].offset;
    const std::size_t to = characters_[end - 1].offset + characters_[end - 1].length;
    return std::string_view(bytes_.data() + from, to - from);
}

std::string_view SourceInput::bytesOf(const SourceCharacter& character) const
{
    return std::string_view(bytes_.data() + character.offset, character.length);
}

std::size_t SourceInput::offset() const
{
    if (position_ >= characters_.size())
        return bytes_.size();
    return characters_[position_].offset;
}

bool SourceInput::replaceMarked(std::string_view text, std::size_t capacity)
{
    const std::size_t end = std::min(position_, characters_.size());
    const std::size_t from = mark_ < characters_.size() ? characters_[mark_].offset : bytes_.size();
    const std::size_t to = end > mark_ ? characters_[end - 1].offset + characters_[end - 1].length : from;
    if (bytes_.size() - (to - from) + text.size() > capacity)
        return false;
    bytes_.erase(bytes_.begin() + static_cast<std::ptrdiff_t>(from), bytes_.begin() + static_cast<std::ptrdiff_t>(to));
    bytes_.insert(bytes_.begin() + static_cast<std::ptrdiff_t>(from), text.begin(), text.end());
    decodeLine();
    while (position_ < characters_.size() && characters_[position_].offset < from)
        ++position_;
    mark_ = position_;
    return true;
}

} // namespace toolframe
