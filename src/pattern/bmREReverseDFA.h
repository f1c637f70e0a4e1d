// TbmREReverseDFA: where the leftmost match ending at a known place begins, found by running a
// pattern's automaton backwards from that end.
//
// In: a search table (which must outlive this object), the text, the reading's start `from` and
// the match end. Out: the smallest character start s in from..end with the text from s to the
// end a match: read from state 0, or, where s is a line start, from the state after a line head.
// The backward automaton's states are sets of the table's states (those from which the text read
// so far leads to acceptance), built lazily and cached from search to search under a budget;
// once warm a character costs one table lookup, and a set that would outgrow the budget is
// stepped uncached. The walk stops at `from` or when the set is empty, so it never reads more
// than the forward search did.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "bmREDecoders.h"
#include "bmRELazyCache.h"
#include "bmRESearchTable.h"

namespace kiova {

class TbmREReverseDFA {
public:
    TbmREReverseDFA(const TbmRESearchTable& table, std::size_t budget);

    std::size_t CacheBytes() const { return cache_.Bytes(); }

    // `fromStartsLine`: whether `from` is a line start. `end` is a character start in from..size.
    template <class Decoder>
    int LeftmostStart(const std::uint8_t* bytes, int size, int from, int end, bool fromStartsLine,
                      Decoder decoder) {
        int after = end;
        std::int32_t next = decoder.Read(bytes, size, after);  // the character after position s
        TSet set = Initial(next < 0 || next == bmreLF || next == bmreCR);
        int best = -1;
        int memo = -1;
        for (int s = end;;) {
            std::int32_t before = -1;
            int previous = s;
            if (s > from) {
                previous = decoder.StartBefore(bytes, from, s, memo);
                int at = previous;
                before = decoder.Read(bytes, size, at);
            }
            const bool startsLine = s == from
                                        ? fromStartsLine
                                        : before == bmreLF || (before == bmreCR && next != bmreLF);
            const TKey& members = Members(set);
            if ((!members.empty() && members[0] == 0) ||
                (startsLine && std::binary_search(members.begin(), members.end(), afterLineHead_)))
                best = s;
            if (s == from || members.empty()) break;
            set = Step(set, table_.ClassOf(before));
            next = before;
            s = previous;
        }
        return best;
    }

private:
    using TState = TbmRESearchTable::TState;
    using TKey = std::u16string;  // ascending states
    using TCache = TbmRELazyCache<TKey>;

    // A set of states: cached, or (index kTooLarge) held here when it outgrows the cache.
    struct TSet {
        TCache::TIndex index;
        TKey uncached;
    };

    const TKey& Members(const TSet& set) const {
        return set.index == TCache::kTooLarge ? set.uncached : cache_.KeyOf(set.index);
    }

    TSet Initial(bool atLineEnd);
    TSet Step(const TSet& set, std::uint32_t charClass);
    TSet Make(TKey key);

    const TbmRESearchTable& table_;
    TState afterLineHead_;  // kNoState without a ^ anchor
    TCache cache_;
    std::vector<std::uint32_t> marks_;  // per state: == stamp_ while it is in the set stepped
    std::uint32_t stamp_ = 0;
};

}  // namespace kiova
