#pragma once

#include <array>
#include <cstdint>
#include <forward_list>
#include <utility>

#include "toolframe/source/NameHash.h"

namespace toolframe {

// A hash table of names in the tools' 211 chained buckets (see
// nameBucket). Entries never move once added, so callers may keep pointers
// to them.
template <class Entry>
class HashBuckets {
public:
    // The newest entry of the hash's bucket for which matches(entry) holds.
    template <class Match>
    Entry* find(std::int32_t hash, Match&& matches)
    {
        for (Entry& entry : buckets_[nameBucket(hash)])
            if (matches(entry))
                return &entry;
        return nullptr;
    }

    template <class Match>
    const Entry* find(std::int32_t hash, Match&& matches) const
    {
        for (const Entry& entry : buckets_[nameBucket(hash)])
            if (matches(entry))
                return &entry;
        return nullptr;
    }

    Entry& add(std::int32_t hash, Entry entry)
    {
        auto& bucket = buckets_[nameBucket(hash)];
        bucket.push_front(std::move(entry));
        return bucket.front();
    }

private:
    std::array<std::forward_list<Entry>, kNameBuckets> buckets_;
};

} // namespace toolframe
