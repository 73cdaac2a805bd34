#pragma once

#include <array>
#include <cstdint>
#include <forward_list>
#include <utility>

namespace lindle {

// A hash table of 211 chained buckets, the bucket being the absolute value
// of the remainder of the hash divided by 211 (the remainder taking the
// hash's sign). Entries never move once added, so callers may keep
// pointers to them.
template <class Entry>
class HashBuckets {
public:
    static constexpr int kBuckets = 211;

    static std::size_t bucketOf(std::int32_t hash)
    {
        const std::int32_t remainder = hash % kBuckets;
        return static_cast<std::size_t>(remainder < 0 ? -remainder : remainder);
    }

    // The newest entry of the hash's bucket for which matches(entry) holds.
    template <class Match>
    Entry* find(std::int32_t hash, Match&& matches)
    {
        for (Entry& entry : buckets_[bucketOf(hash)])
            if (matches(entry))
                return &entry;
        return nullptr;
    }

    template <class Match>
    const Entry* find(std::int32_t hash, Match&& matches) const
    {
        for (const Entry& entry : buckets_[bucketOf(hash)])
            if (matches(entry))
                return &entry;
        return nullptr;
    }

    Entry& add(std::int32_t hash, Entry entry)
    {
        auto& bucket = buckets_[bucketOf(hash)];
        bucket.push_front(std::move(entry));
        return bucket.front();
    }

private:
    std::array<std::forward_list<Entry>, kBuckets> buckets_;
};

} // namespace lindle
