#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace brannock {

// A set over the used-token list, one bit per token index: FIRST, FOLLOW
// and lookahead sets.
class TokenSet {
public:
    TokenSet() = default;
    explicit TokenSet(std::size_t tokenCount) : bytes_((tokenCount + 7) / 8, 0) {}

    std::size_t byteCount() const { return bytes_.size(); }
    bool contains(std::size_t index) const { return (bytes_[index / 8] >> (index % 8)) & 1u; }
    void insert(std::size_t index) { bytes_[index / 8] |= static_cast<std::uint8_t>(1u << (index % 8)); }
    bool empty() const;

    // Adds every member of other; true when anything was added.
    bool unite(const TokenSet& other);

    // Calls visit(index) for each member, lowest first.
    template <class Visit>
    void forEach(Visit&& visit) const
    {
        for (std::size_t byte = 0; byte < bytes_.size(); ++byte)
            for (unsigned bits = bytes_[byte]; bits != 0; bits &= bits - 1)
                visit(byte * 8 + static_cast<std::size_t>(__builtin_ctz(bits)));
    }

    bool operator==(const TokenSet&) const = default;

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace brannock
