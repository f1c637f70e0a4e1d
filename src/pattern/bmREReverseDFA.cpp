// Backward automaton: a search table in; sets of its states, stepped backwards and cached, out.
// What always holds: a set holds exactly the states from which the text between its position
// and the match end leads to acceptance there; a cached transition gives the set that stepping
// would compute.
#include "bmREReverseDFA.h"

#include <algorithm>

namespace kiova {

TbmREReverseDFA::TbmREReverseDFA(const TbmRESearchTable& table, std::size_t budget)
    : table_(table),
      afterLineHead_(table.AfterLineHead()),
      cache_(table.ClassCount(), budget),
      marks_(table.StateCount()) {}

TbmREReverseDFA::TSet TbmREReverseDFA::Initial(bool atLineEnd) {
    TKey key;
    for (std::size_t state = 0; state < table_.StateCount(); ++state) {
        if (table_.Accepts(static_cast<TState>(state), atLineEnd))
            key.push_back(static_cast<TState>(state));
    }
    return Make(std::move(key));
}

TbmREReverseDFA::TSet TbmREReverseDFA::Step(const TSet& set, std::uint32_t charClass) {
    const bool cached = set.index != TCache::kTooLarge;
    if (cached) {
        const std::int32_t known = cache_.Transition(set.index, charClass);
        if (known != TCache::kUnknown) return {static_cast<TCache::TIndex>(known), {}};
    }
    if (++stamp_ == 0) {  // the stamps wrapped: old marks could pass for new ones
        std::fill(marks_.begin(), marks_.end(), 0);
        stamp_ = 1;
    }
    for (const TState state : Members(set)) marks_[state] = stamp_;
    TKey key;
    for (std::size_t state = 0; state < table_.StateCount(); ++state) {
        const TState next = table_.Next(static_cast<TState>(state), charClass);
        if (next != TbmRESearchTable::kNoState && marks_[next] == stamp_)
            key.push_back(static_cast<TState>(state));
    }
    const std::uint64_t flushes = cache_.Flushes();
    TSet result = Make(std::move(key));
    // A flush renumbered the states: the source's slot is gone.
    if (cached && result.index != TCache::kTooLarge && cache_.Flushes() == flushes)
        cache_.Transition(set.index, charClass) = static_cast<std::int32_t>(result.index);
    return result;
}

TbmREReverseDFA::TSet TbmREReverseDFA::Make(TKey key) {
    const TCache::TIndex index = cache_.Intern(key);
    return {index, index == TCache::kTooLarge ? std::move(key) : TKey{}};
}

}  // namespace kiova
