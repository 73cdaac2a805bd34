#include "brannock/grammar/TokenSet.h"

#include <algorithm>

namespace brannock {

bool TokenSet::contains(std::size_t index) const
{
    const auto wordIndex = static_cast<std::uint32_t>(index / 64);
    const auto at = std::lower_bound(words_.begin(), words_.end(), wordIndex,
                                     [](const Word& word, std::uint32_t wanted) { return word.index < wanted; });
    return at != words_.end() && at->index == wordIndex && ((at->bits >> (index % 64)) & 1u) != 0;
}

void TokenSet::insert(std::size_t index)
{
    const auto wordIndex = static_cast<std::uint32_t>(index / 64);
    const std::uint64_t bit = std::uint64_t{1} << (index % 64);
    // Members mostly come in ascending order: look at the last word first.
    if (!words_.empty() && words_.back().index == wordIndex) {
        words_.back().bits |= bit;
        return;
    }
    const auto at = std::lower_bound(words_.begin(), words_.end(), wordIndex,
                                     [](const Word& word, std::uint32_t wanted) { return word.index < wanted; });
    if (at != words_.end() && at->index == wordIndex)
        at->bits |= bit;
    else
        words_.insert(at, Word{bit, wordIndex});
}

bool TokenSet::unite(const TokenSet& other)
{
    if (other.words_.empty())
        return false;
    // In place while every word of other has its word here already.
    std::uint64_t added = 0;
    std::size_t i = 0;
    std::size_t j = 0;
    for (; j < other.words_.size(); ++j) {
        while (i < words_.size() && words_[i].index < other.words_[j].index)
            ++i;
        if (i == words_.size() || words_[i].index != other.words_[j].index)
            break;
        added |= other.words_[j].bits & ~words_[i].bits;
        words_[i].bits |= other.words_[j].bits;
    }
    if (j == other.words_.size())
        return added != 0;
    // Some word is new: merge the rest into a fresh list.
    std::vector<Word> merged;
    merged.reserve(words_.size() + other.words_.size() - j);
    merged.insert(merged.end(), words_.begin(), words_.begin() + static_cast<std::ptrdiff_t>(i));
    while (i < words_.size() || j < other.words_.size()) {
        if (j == other.words_.size() || (i < words_.size() && words_[i].index < other.words_[j].index)) {
            merged.push_back(words_[i++]);
        } else if (i == words_.size() || other.words_[j].index < words_[i].index) {
            merged.push_back(other.words_[j++]);
        } else {
            merged.push_back(Word{words_[i].bits | other.words_[j].bits, words_[i].index});
            ++i;
            ++j;
        }
    }
    words_ = std::move(merged);
    return true;
}

} // namespace brannock
