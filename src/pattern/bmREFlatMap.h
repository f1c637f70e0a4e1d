// TbmREFlatMap: values by 64-bit key in one block (open addressing, linear probing, at most half
// full), for the lookups of a search's inner loop, where a node per entry would cost a cache
// miss per character. The key UINT64_MAX is reserved.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace kiova {

template <class Value>
class TbmREFlatMap {
public:
    static constexpr std::uint64_t kReservedKey = UINT64_MAX;

    // A key standing for `text`: its hash, so texts that collide must be told apart by the caller.
    static std::uint64_t TextKey(std::string_view text) {
        const std::uint64_t hash = std::hash<std::string_view>{}(text);
        return hash == kReservedKey ? 0 : hash;
    }
    // The value of `key`, or nullptr; valid until the next Insert or Release.
    const Value* Find(std::uint64_t key) const {
        if (slots_.empty()) return nullptr;
        for (std::size_t i = Home(key);; i = (i + 1) & (slots_.size() - 1)) {
            if (slots_[i].key == key) return &slots_[i].value;
            if (slots_[i].key == kReservedKey) return nullptr;
        }
    }
    // Adds a key not in the map.
    const Value& Insert(std::uint64_t key, const Value& value) {
        if (2 * (count_ + 1) > slots_.size()) Rehash(std::max(2 * slots_.size(), kFirstSize));
        ++count_;
        return Place(key, value);
    }
    // Makes room for `count` entries in all, so that inserting them rehashes nothing.
    void Reserve(std::size_t count) {
        if (2 * count > slots_.size()) Rehash(std::bit_ceil(std::max(2 * count, kFirstSize)));
    }
    // What the next Insert may add to Bytes().
    std::size_t GrowthBytes() const {
        return 2 * (count_ + 1) > slots_.size() ? std::max(slots_.size(), kFirstSize) * sizeof(Slot)
                                                : 0;
    }
    std::size_t Bytes() const { return slots_.capacity() * sizeof(Slot); }
    // Empties the map and hands its memory back.
    void Release() {
        std::vector<Slot>().swap(slots_);
        count_ = 0;
    }

private:
    struct Slot {
        std::uint64_t key;
        Value value;
    };
    static constexpr std::size_t kFirstSize = 1024;

    // Fibonacci hashing: the product's top bits.
    std::size_t Home(std::uint64_t key) const {
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15u) >> shift_);
    }
    const Value& Place(std::uint64_t key, const Value& value) {
        std::size_t i = Home(key);
        while (slots_[i].key != kReservedKey) i = (i + 1) & (slots_.size() - 1);
        slots_[i] = {key, value};
        return slots_[i].value;
    }
    void Rehash(std::size_t size) {
        std::vector<Slot> old(size, Slot{kReservedKey, Value{}});
        old.swap(slots_);
        shift_ = 64 - std::countr_zero(size);
        for (const Slot& slot : old) {
            if (slot.key != kReservedKey) Place(slot.key, slot.value);
        }
    }

    std::vector<Slot> slots_;
    std::size_t count_ = 0;
    int shift_ = 64;
};

}  // namespace kiova
