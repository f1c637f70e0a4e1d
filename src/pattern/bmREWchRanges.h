// TbmREWchRanges: a sorted set of disjoint character ranges; as the alphabet partition it is
// refined range by range so that every range a pattern names is a union of its members.
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "bmCharCode.h"

namespace kiova {

struct TbmREWchRange {
    std::int32_t Lo;
    std::int32_t Hi;

    auto operator<=>(const TbmREWchRange&) const = default;
};

// The last character of the double-byte codes and UTF-16, and of UTF-8.
inline constexpr std::int32_t bmreMaxChar = 0xFFFF;
inline constexpr std::int32_t bmreMaxCodePoint = 0x10FFFF;

inline std::int32_t bmreMaxCharOf(TbmCharCode code) {
    return code == TbmCharCode::UTF8 ? bmreMaxCodePoint : bmreMaxChar;
}

class TbmREWchRanges {
public:
    TbmREWchRanges() = default;
    TbmREWchRanges(std::initializer_list<TbmREWchRange> ranges) : ranges_(ranges) {}

    void Clear() { ranges_.clear(); }
    // Room for `count` ranges without growing, a hint only.
    void Reserve(std::size_t count) { ranges_.reserve(count); }
    bool Empty() const { return ranges_.empty(); }
    std::size_t Count() const { return ranges_.size(); }
    const TbmREWchRange& operator[](std::size_t index) const { return ranges_[index]; }
    auto begin() const { return ranges_.begin(); }
    auto end() const { return ranges_.end(); }
    bool operator==(const TbmREWchRanges&) const = default;

    // Partition refinement: afterwards [lo, hi] is covered, every range lies wholly inside or
    // outside it, each stretch of it that nothing covered becomes one new range, nothing outside
    // it is added, and no ranges are merged.
    void AddRange(std::int32_t lo, std::int32_t hi);
    void AddRanges(const TbmREWchRanges& other);
    // [0,9], [11,12], [14,maxChar]: every character but LF and CR.
    void AddAnyChar(std::int32_t maxChar = bmreMaxChar);
    // [10,10] and [13,13].
    void AddLineBreaks();
    // Replaces the set by the gaps it leaves within [lo, hi].
    void Complement(std::int32_t lo, std::int32_t hi);

    // The indices [first, last] of the ranges that together make up exactly [lo, hi]; throws
    // std::logic_error when [lo, hi] is not a union of members.
    std::pair<std::size_t, std::size_t> Span(std::int32_t lo, std::int32_t hi) const;
    // The index of the member equal to [lo, hi], or Count() when there is none.
    std::size_t IndexOf(std::int32_t lo, std::int32_t hi) const;

private:
    std::vector<TbmREWchRange> ranges_;
};

}  // namespace kiova
