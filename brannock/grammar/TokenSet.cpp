#include "brannock/grammar/TokenSet.h"

#include <algorithm>
#include <utility>

namespace brannock {

namespace {

template <class Words>
auto wordAt(Words& words, std::uint32_t index)
{
    return std::lower_bound(words.begin(), words.end(), index,
                            [](const auto& word, std::uint32_t wanted) { return word.index < wanted; });
}

} // namespace

TokenSet& TokenSet::operator=(const TokenSet& other)
{
    if (other.shared_ != nullptr)
        ++other.shared_->references;
    release();
    shared_ = other.shared_;
    tokenCount_ = other.tokenCount_;
    return *this;
}

TokenSet& TokenSet::operator=(TokenSet&& other) noexcept
{
    if (this != &other) {
        release();
        shared_ = std::exchange(other.shared_, nullptr);
        tokenCount_ = other.tokenCount_;
    }
    return *this;
}

void TokenSet::release()
{
    if (shared_ != nullptr && --shared_->references == 0)
        delete shared_;
    shared_ = nullptr;
}

std::vector<TokenSet::Word>& TokenSet::own()
{
    if (shared_ == nullptr) {
        shared_ = new Shared;
    } else if (shared_->references > 1) {
        --shared_->references;
        shared_ = new Shared{shared_->words};
    }
    shared_->size = kUncounted;
    return shared_->words;
}

std::size_t TokenSet::size() const
{
    if (shared_ == nullptr)
        return 0;
    if (shared_->size == kUncounted) {
        std::uint32_t count = 0;
        for (const Word& word : shared_->words)
            count += static_cast<std::uint32_t>(__builtin_popcountll(word.bits));
        shared_->size = count;
    }
    return shared_->size;
}

bool TokenSet::contains(std::size_t index) const
{
    if (shared_ == nullptr)
        return false;
    const auto wordIndex = static_cast<std::uint32_t>(index / 64);
    const auto at = wordAt(shared_->words, wordIndex);
    return at != shared_->words.end() && at->index == wordIndex && ((at->bits >> (index % 64)) & 1u) != 0;
}

void TokenSet::insert(std::size_t index)
{
    if (contains(index))
        return;
    const auto wordIndex = static_cast<std::uint32_t>(index / 64);
    const std::uint64_t bit = std::uint64_t{1} << (index % 64);
    std::vector<Word>& words = own();
    const auto at = wordAt(words, wordIndex);
    if (at != words.end() && at->index == wordIndex)
        at->bits |= bit;
    else
        words.insert(at, Word{bit, wordIndex});
}

bool TokenSet::unite(const TokenSet& other)
{
    if (other.shared_ == nullptr || other.shared_ == shared_)
        return false;
    if (shared_ == nullptr) {
        shared_ = other.shared_;
        ++shared_->references;
        return true;
    }
    const std::vector<Word>& mine = shared_->words;
    const std::vector<Word>& theirs = other.shared_->words;
    // Most unions add nothing, and most of the others add a set to one of
    // its own subsets, which then simply shares the larger set's words.
    bool adds = false;
    bool inTheirs = true;
    for (std::size_t i = 0, j = 0; (i < mine.size() || j < theirs.size()) && !(adds && !inTheirs);) {
        if (j == theirs.size() || (i < mine.size() && mine[i].index < theirs[j].index)) {
            inTheirs = false;
            ++i;
        } else if (i == mine.size() || theirs[j].index < mine[i].index) {
            adds = true;
            ++j;
        } else {
            adds = adds || (theirs[j].bits & ~mine[i].bits) != 0;
            inTheirs = inTheirs && (mine[i].bits & ~theirs[j].bits) == 0;
            ++i;
            ++j;
        }
    }
    if (!adds)
        return false;
    if (inTheirs) {
        ++other.shared_->references;
        release();
        shared_ = other.shared_;
        return true;
    }
    std::vector<Word> merged;
    merged.reserve(mine.size() + theirs.size());
    for (std::size_t i = 0, j = 0; i < mine.size() || j < theirs.size();) {
        if (j == theirs.size() || (i < mine.size() && mine[i].index < theirs[j].index)) {
            merged.push_back(mine[i++]);
        } else if (i == mine.size() || theirs[j].index < mine[i].index) {
            merged.push_back(theirs[j++]);
        } else {
            merged.push_back(Word{mine[i].bits | theirs[j].bits, mine[i].index});
            ++i;
            ++j;
        }
    }
    merged.shrink_to_fit();
    if (shared_->references > 1) {
        --shared_->references;
        shared_ = new Shared{std::move(merged)};
    } else {
        shared_->words = std::move(merged);
        shared_->size = kUncounted;
    }
    return true;
}

bool TokenSet::operator==(const TokenSet& other) const
{
    if (shared_ == other.shared_)
        return true;
    if (shared_ == nullptr || other.shared_ == nullptr || shared_->words.size() != other.shared_->words.size())
        return false;
    return std::equal(shared_->words.begin(), shared_->words.end(), other.shared_->words.begin(),
                      [](const Word& a, const Word& b) { return a.index == b.index && a.bits == b.bits; });
}

} // namespace brannock
