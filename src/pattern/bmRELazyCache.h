// TbmRELazyCache: the states a lazy automaton has built so far and their transitions, under a
// memory budget. Internal to the pattern engine.
//
// A state is its key (what the automaton tracks, as a string of small values); states are
// numbered in the order they were added, and each has one transition slot per input symbol,
// kUnknown until the automaton fills it. When a new state would take the cache past its budget,
// every state is dropped first (Flushes() counts how often), so the cache never grows past it.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace kiova {

template <class Key>
class TbmRELazyCache {
public:
    using TIndex = std::uint32_t;
    static constexpr std::int32_t kUnknown = -1;
    static constexpr TIndex kTooLarge = UINT32_MAX;

    TbmRELazyCache(std::size_t symbols, std::size_t budget) : symbols_(symbols), budget_(budget) {}

    std::size_t Bytes() const { return bytes_; }
    std::size_t StateCount() const { return keys_.size(); }
    std::uint64_t Flushes() const { return flushes_; }
    const Key& KeyOf(TIndex state) const { return *keys_[state]; }
    std::int32_t& Transition(TIndex state, std::uint32_t symbol) {
        return next_[state * symbols_ + symbol];
    }
    // All transitions, state * symbols + symbol; valid until the next Intern.
    const std::int32_t* Transitions() const { return next_.data(); }

    // The state of `key`, added when new; kTooLarge when it alone would take more than half the
    // budget (so that a state just added leaves room for a few small ones after it).
    TIndex Intern(Key key) {
        const auto found = index_.find(key);
        if (found != index_.end()) return found->second;
        const std::size_t cost = CostOf(key);
        if (cost > budget_ / 2) return kTooLarge;
        if (bytes_ + cost > budget_) Flush();
        const auto index = static_cast<TIndex>(keys_.size());
        keys_.push_back(&index_.emplace(std::move(key), index).first->first);
        next_.resize(next_.size() + symbols_, kUnknown);
        bytes_ += cost;
        return index;
    }

    void Flush() {
        index_.clear();
        keys_.clear();
        next_.clear();
        bytes_ = 0;
        ++flushes_;
    }

private:
    // A hash node and its bucket, roughly.
    static constexpr std::size_t kNodeBytes = 64;

    std::size_t CostOf(const Key& key) const {
        return kNodeBytes + key.size() * sizeof(typename Key::value_type) +
               symbols_ * sizeof(std::int32_t) + sizeof(const Key*);
    }

    std::size_t symbols_;
    std::size_t budget_;
    std::unordered_map<Key, TIndex> index_;  // nodes do not move, so keys_ may point into them
    std::vector<const Key*> keys_;
    std::vector<std::int32_t> next_;  // state * symbols_ + symbol
    std::size_t bytes_ = 0;
    std::uint64_t flushes_ = 0;
};

}  // namespace kiova
