#pragma once

#include <cstdint>
#include <string_view>

namespace brannock {

// What the grammar scanner returns, one lexeme per call.
enum class TokenCode : std::uint8_t {
    EndOfFile = 0,
    Separator = 1,
    Include = 2,
    Left = 3,
    Name = 4,
    Nonassoc = 5,
    Nonterm = 6,
    Prec = 7,
    Right = 8,
    Start = 9,
    Token = 10,
    Type = 11,
    Union = 12,
    ProgramCode = 13,
    CharacterToken = 14,
    Comma = 15,
    Integer = 16,
    Colon = 17,
    Semicolon = 18,
    Tag = 19,
    Identifier = 20,
    DeclarationCodeBlock = 21,
    Action = 22,
    Bar = 23,
    Tilde = 24,
};

constexpr int kTokenCodeCount = 25;

// The name a syntax error gives the token.
std::string_view displayName(TokenCode code);

// A set of token codes, for the parser's start and follow sets.
class TokenCodeSet {
public:
    constexpr TokenCodeSet() = default;
    constexpr TokenCodeSet(std::initializer_list<TokenCode> codes)
    {
        for (TokenCode code : codes)
            bits_ |= bit(code);
    }
    constexpr bool contains(TokenCode code) const { return (bits_ & bit(code)) != 0; }
    constexpr TokenCodeSet operator|(TokenCodeSet other) const { return TokenCodeSet(bits_ | other.bits_); }

private:
    constexpr explicit TokenCodeSet(std::uint32_t bits) : bits_(bits) {}
    static constexpr std::uint32_t bit(TokenCode code) { return 1u << static_cast<unsigned>(code); }
    std::uint32_t bits_ = 0;
};

} // namespace brannock
