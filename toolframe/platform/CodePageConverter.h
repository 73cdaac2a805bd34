#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace toolframe {

// Whether characters of a code page can be converted: its number is one
// iconv knows under a name of ours and this system's iconv can open it.
// Code page 0 stands for ASCII.
bool isConvertibleCodePage(int number);

// Converts single characters between a code page and UTF-16 through iconv;
// the process locale is never touched. Not for sharing between threads.
class CodePageConverter {
public:
    // number must be convertible.
    explicit CodePageConverter(int number);
    ~CodePageConverter();
    CodePageConverter(const CodePageConverter&) = delete;
    CodePageConverter& operator=(const CodePageConverter&) = delete;

    int number() const { return number_; }

    // The UTF-16 code units of the character whose bytes are given, or
    // nothing when the bytes are not exactly one convertible character.
    std::optional<std::u16string> toUtf16(std::string_view character) const;
    // The bytes of one character given as UTF-16 code units (one unit or a
    // surrogate pair), or nothing when the code page has no such character.
    std::optional<std::string> fromUtf16(std::u16string_view character) const;

private:
    int number_;
    void* toUtf16_;
    void* fromUtf16_;
};

} // namespace toolframe
