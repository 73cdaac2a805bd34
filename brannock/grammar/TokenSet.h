#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace brannock {

// A set over the used-token list: FIRST, FOLLOW and lookahead sets. Only
// the 64-token words that hold a member are stored, in ascending order, so
// a set costs what it holds, not the width of the token list: a grammar of
// many tokens has many small lookahead sets.
class TokenSet {
public:
    TokenSet() = default;
    explicit TokenSet(std::size_t tokenCount) : tokenCount_(static_cast<std::uint32_t>(tokenCount)) {}

    // The bytes one bit per token of the whole list would take.
    std::size_t byteCount() const { return (tokenCount_ + 7) / 8; }
    bool contains(std::size_t index) const;
    void insert(std::size_t index);
    bool empty() const { return words_.empty(); }

    // Adds every member of other; true when anything was added.
    bool unite(const TokenSet& other);

    // Calls visit(index) for each member, lowest first.
    template <class Visit>
    void forEach(Visit&& visit) const
    {
        for (const Word& word : words_)
            for (std::uint64_t bits = word.bits; bits != 0; bits &= bits - 1)
                visit(static_cast<std::size_t>(word.index) * 64 + static_cast<std::size_t>(__builtin_ctzll(bits)));
    }

    // Calls visit(word, bits) for each 64-token word that holds a member,
    // lowest first: bit b of word w stands for token 64 * w + b.
    template <class Visit>
    void forEachWord(Visit&& visit) const
    {
        for (const Word& word : words_)
            visit(static_cast<std::size_t>(word.index), word.bits);
    }

    bool operator==(const TokenSet& other) const
    {
        if (words_.size() != other.words_.size())
            return false;
        for (std::size_t i = 0; i < words_.size(); ++i)
            if (words_[i].index != other.words_[i].index || words_[i].bits != other.words_[i].bits)
                return false;
        return true;
    }

private:
    struct Word {
        std::uint64_t bits; // never 0
        std::uint32_t index;
    };

    std::vector<Word> words_;
    std::uint32_t tokenCount_ = 0;
};

} // namespace brannock
