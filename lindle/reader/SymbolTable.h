#pragma once

#include <array>
#include <cstdint>
#include <list>
#include <string>
#include <string_view>
#include <utility>

namespace lindle {

// The hash of a name over its characters, each folded to lower case first
// for the case-blind tables: h = c XOR (2 h) in 32-bit signed arithmetic.
std::int32_t nameHash(std::string_view name, bool caseBlind);

// A hash table of names, chained in 211 buckets; entries never move.
template <class Value>
class NameTable {
public:
    static constexpr int kBuckets = 211;

    explicit NameTable(bool caseBlind) : caseBlind_(caseBlind) {}

    Value* find(std::string_view name)
    {
        for (Entry& entry : buckets_[bucketOf(name)])
            if (same(entry.name, name))
                return &entry.value;
        return nullptr;
    }

    // The entry of the name, made with value when there was none; the flag
    // tells whether it was made.
    std::pair<Value*, bool> enter(std::string_view name, Value value)
    {
        if (Value* found = find(name))
            return {found, false};
        auto& bucket = buckets_[bucketOf(name)];
        bucket.push_front(Entry{std::string(name), std::move(value)});
        return {&bucket.front().value, true};
    }

private:
    struct Entry {
        std::string name;
        Value value;
    };

    std::size_t bucketOf(std::string_view name) const
    {
        const std::int32_t remainder = nameHash(name, caseBlind_) % kBuckets;
        return static_cast<std::size_t>(remainder < 0 ? -remainder : remainder);
    }

    bool same(std::string_view a, std::string_view b) const;

    bool caseBlind_;
    std::array<std::list<Entry>, kBuckets> buckets_;
};

bool sameName(std::string_view a, std::string_view b, bool caseBlind);

template <class Value>
bool NameTable<Value>::same(std::string_view a, std::string_view b) const
{
    return sameName(a, b, caseBlind_);
}

} // namespace lindle
