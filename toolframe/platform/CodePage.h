#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace toolframe {

// A multibyte code page: how many bytes the character at a position takes.
// Text inside the generators stays narrow; this is what lets path handling,
// escaping and the include guard step over a double-byte character whose
// trail byte happens to look like '\\' or '.'.
class CodePage {
public:
    static constexpr int kAscii = 20127;
    static constexpr int kUtf8 = 65001;

    explicit CodePage(int number = kUtf8);

    int number() const { return number_; }
    bool isDoubleByte() const;
    bool isUtf8() const { return number_ == kUtf8; }

    // True when the byte can start a character of two or more bytes.
    bool isLeadByte(unsigned char byte) const;

    // Length in bytes of the character starting at text[0] (1 when text is
    // empty, for a single-byte character, or for a lead byte whose trail
    // bytes are missing or malformed).
    std::size_t characterLength(std::string_view text) const;

    // A character's bytes concatenated, most significant first
    // (lead x 256 + trail for a double-byte character).
    static std::uint32_t characterValue(std::string_view character);

    // Calls visit(character) for each character of text, in order.
    template <class Visit>
    void forEachCharacter(std::string_view text, Visit&& visit) const
    {
        while (!text.empty()) {
            const std::size_t length = characterLength(text);
            visit(text.substr(0, length));
            text.remove_prefix(length);
        }
    }

private:
    std::size_t utf8Length(std::string_view text) const;

    int number_;
};

} // namespace toolframe
