#pragma once

#include <cstddef>
#include <cstdint>
#include <climits>
#include <vector>

namespace brannock {

// A set over the used-token list: FIRST, FOLLOW and lookahead sets. Only
// the 64-token words that hold a member are stored, in ascending order, so
// a set costs what it holds, not the width of the token list. Copies share
// their words until one of them changes: the lookaheads that flow through
// an automaton are mostly the same few sets, held by many items.
class TokenSet {
public:
    TokenSet() = default;
    explicit TokenSet(std::size_t tokenCount) : tokenCount_(static_cast<std::uint32_t>(tokenCount)) {}
    TokenSet(const TokenSet& other) : shared_(other.shared_), tokenCount_(other.tokenCount_)
    {
        if (shared_ != nullptr)
            ++shared_->references;
    }
    TokenSet(TokenSet&& other) noexcept : shared_(other.shared_), tokenCount_(other.tokenCount_)
    {
        other.shared_ = nullptr;
    }
    TokenSet& operator=(const TokenSet& other);
    TokenSet& operator=(TokenSet&& other) noexcept;
    ~TokenSet() { release(); }

    // The bytes one bit per token of the whole list would take.
    std::size_t byteCount() const { return (tokenCount_ + 7) / 8; }
    bool contains(std::size_t index) const;
    void insert(std::size_t index);
    bool empty() const { return shared_ == nullptr; }
    // How many members; counted once for all the copies that share them.
    std::size_t size() const;
    // The lowest member; the set must not be empty.
    std::size_t lowest() const
    {
        const Word& word = shared_->words.front();
        return static_cast<std::size_t>(word.index) * 64 + static_cast<std::size_t>(__builtin_ctzll(word.bits));
    }

    // Adds every member of other; true when anything was added.
    bool unite(const TokenSet& other);

    // Calls visit(index) for each member, lowest first.
    template <class Visit>
    void forEach(Visit&& visit) const
    {
        if (shared_ != nullptr)
            for (const Word& word : shared_->words)
                for (std::uint64_t bits = word.bits; bits != 0; bits &= bits - 1)
                    visit(static_cast<std::size_t>(word.index) * 64 + static_cast<std::size_t>(__builtin_ctzll(bits)));
    }

    // Calls visit(word, bits) for each 64-token word that holds a member,
    // lowest first: bit b of word w stands for token 64 * w + b.
    template <class Visit>
    void forEachWord(Visit&& visit) const
    {
        if (shared_ != nullptr)
            for (const Word& word : shared_->words)
                visit(static_cast<std::size_t>(word.index), word.bits);
    }

    bool operator==(const TokenSet& other) const;

private:
    struct Word {
        std::uint64_t bits; // never 0
        std::uint32_t index;
    };
    // The words of one or more equal sets; an empty set has none.
    struct Shared {
        std::vector<Word> words; // never empty
        std::uint32_t references = 1;
        mutable std::uint32_t size = kUncounted;
    };
    static constexpr std::uint32_t kUncounted = UINT32_MAX;

    void release();
    // The words, no longer shared, made when the set is empty.
    std::vector<Word>& own();

    Shared* shared_ = nullptr;
    std::uint32_t tokenCount_ = 0;
};

} // namespace brannock
