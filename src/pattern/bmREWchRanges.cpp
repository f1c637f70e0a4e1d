// Ranges: character ranges in, a sorted list of disjoint ranges out. What always holds: members
// are ordered by Lo, never overlap, and AddRange only ever splits members or adds new ones inside
// the range it was given.
#include "bmREWchRanges.h"

#include <algorithm>
#include <stdexcept>

namespace kiova {

void TbmREWchRanges::AddRange(std::int32_t lo, std::int32_t hi) {
    if (hi < lo) return;
    // The first member that reaches lo; the members from here to `last` meet [lo, hi].
    const auto first =
        std::lower_bound(ranges_.begin(), ranges_.end(), lo,
                         [](const TbmREWchRange& r, std::int32_t c) { return r.Hi < c; });
    if (first != ranges_.end() && first->Lo == lo && first->Hi == hi) return;  // already a member
    auto last = first;
    while (last != ranges_.end() && last->Lo <= hi) ++last;
    if (first == last) {  // meets no member: the common case of a new literal character
        ranges_.insert(first, {lo, hi});
        return;
    }

    std::vector<TbmREWchRange> pieces;
    std::int64_t next = lo;  // the first character of [lo, hi] not yet covered
    for (auto member = first; member != last; ++member) {
        if (member->Lo < lo) pieces.push_back({member->Lo, lo - 1});
        const std::int32_t inLo = std::max(member->Lo, lo);
        const std::int32_t inHi = std::min(member->Hi, hi);
        if (next < inLo) pieces.push_back({static_cast<std::int32_t>(next), inLo - 1});
        pieces.push_back({inLo, inHi});
        if (member->Hi > hi) pieces.push_back({hi + 1, member->Hi});
        next = static_cast<std::int64_t>(inHi) + 1;
    }
    if (next <= hi) pieces.push_back({static_cast<std::int32_t>(next), hi});

    const auto at = ranges_.erase(first, last);
    ranges_.insert(at, pieces.begin(), pieces.end());
}

void TbmREWchRanges::AddRanges(const TbmREWchRanges& other) {
    for (const TbmREWchRange& range : other) AddRange(range.Lo, range.Hi);
}

void TbmREWchRanges::AddAnyChar(std::int32_t maxChar) {
    AddRange(0, 9);
    AddRange(11, 12);
    AddRange(14, maxChar);
}

void TbmREWchRanges::AddLineBreaks() {
    AddRange(10, 10);
    AddRange(13, 13);
}

void TbmREWchRanges::Complement(std::int32_t lo, std::int32_t hi) {
    std::vector<TbmREWchRange> gaps;
    std::int64_t next = lo;
    for (const TbmREWchRange& range : ranges_) {
        if (next < range.Lo) gaps.push_back({static_cast<std::int32_t>(next), range.Lo - 1});
        next = std::max<std::int64_t>(next, static_cast<std::int64_t>(range.Hi) + 1);
    }
    if (next <= hi) gaps.push_back({static_cast<std::int32_t>(next), hi});
    ranges_ = std::move(gaps);
}

std::size_t TbmREWchRanges::IndexOf(std::int32_t lo, std::int32_t hi) const {
    const TbmREWchRange wanted{lo, hi};
    const auto found = std::lower_bound(ranges_.begin(), ranges_.end(), wanted);
    return found != ranges_.end() && *found == wanted
               ? static_cast<std::size_t>(found - ranges_.begin())
               : ranges_.size();
}

std::pair<std::size_t, std::size_t> TbmREWchRanges::Span(std::int32_t lo, std::int32_t hi) const {
    const auto byLo = [](const TbmREWchRange& r, std::int32_t c) { return r.Lo < c; };
    const auto first = std::lower_bound(ranges_.begin(), ranges_.end(), lo, byLo);
    const auto byHi = [](const TbmREWchRange& r, std::int32_t c) { return r.Hi < c; };
    const auto last = std::lower_bound(first, ranges_.end(), hi, byHi);
    if (first == ranges_.end() || first->Lo != lo || last == ranges_.end() || last->Hi != hi) {
        throw std::logic_error("TbmREWchRanges.Span: range is not a union of members");
    }
    return {static_cast<std::size_t>(first - ranges_.begin()),
            static_cast<std::size_t>(last - ranges_.begin())};
}

}  // namespace kiova
