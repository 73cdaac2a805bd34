#include "brannock/grammar/TokenSet.h"

namespace brannock {

bool TokenSet::empty() const
{
    for (std::uint8_t byte : bytes_)
        if (byte != 0)
            return false;
    return true;
}

bool TokenSet::unite(const TokenSet& other)
{
    std::uint8_t added = 0;
    for (std::size_t i = 0; i < bytes_.size() && i < other.bytes_.size(); ++i) {
        added |= static_cast<std::uint8_t>(other.bytes_[i] & ~bytes_[i]);
        bytes_[i] |= other.bytes_[i];
    }
    return added != 0;
}

} // namespace brannock
