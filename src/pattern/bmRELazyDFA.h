// TbmRELazyDFA: the leftmost-longest search of long texts with one pattern, as a lazy automaton.
//
// In: a search table (which must outlive this object), a text of its character code and a start
// offset. Out: what SearchDFA finds with that table, the leftmost match start and the longest
// match there.
//
// SearchDFA steps every live run (one per state of the pattern's automaton, in the order of
// their starts) on every character. Here the ordered list of live runs, without their start
// offsets, is itself a state: built the first time a search reaches it, cached with its
// transitions from search to search, so once warm a character costs one table lookup. A state
// knows which of its runs started together, whether a match has been seen, and each transition
// whether a run accepted before it; that is enough to find where the leftmost-longest match
// ends. Its start is then found by running the automaton backwards from that end
// (TbmREReverseDFA).
//
// What always holds: the result equals SearchDFA's; the cache never holds more than its budget
// (it is flushed whole when full); a text that keeps flushing it is searched by SearchDFA
// instead, so a search stays linear in the text. Not for concurrent use.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "bmRELazyCache.h"
#include "bmREReverseDFA.h"
#include "bmRESearchTable.h"

namespace kiova {

class TbmRELazyDFA {
public:
    // Bytes the cached states may take: three quarters forwards, a quarter backwards.
    static constexpr std::size_t kDefaultBudget = 2u << 20;

    explicit TbmRELazyDFA(const TbmRESearchTable& table, std::size_t budget = kDefaultBudget);

    // As SearchDFA: the byte offset of the match from byte offset `start`, or -1 when there is
    // none or `start` lies outside 0..size; `length` receives its length in bytes. Throws
    // std::invalid_argument for a UniCode text of odd byte length.
    int Search(std::string_view text, int start, int& length);

    std::size_t CacheBytes() const { return cache_.Bytes() + reverse_.CacheBytes(); }
    // How often the forward cache was flushed, and how many searches gave up on it.
    std::uint64_t Flushes() const { return cache_.Flushes(); }
    std::uint64_t FallBacks() const { return fallBacks_; }

private:
    using TState = TbmRESearchTable::TState;
    // A run: its state << 1, | 1 when it started where the run before it did (a line head).
    // The first value of a key is 1 once a match has been seen, else 0.
    using TKey = std::u32string;
    using TCache = TbmRELazyCache<TKey>;
    using TIndex = TCache::TIndex;
    // A state is named by its row: index * the symbol count. A transition holds the target's
    // row; a negative value marks one the plain loop leaves to the character loop: unknown (the
    // slow symbol's always are), or Special(row, accepted) where a run accepts before the
    // character or the target is done_.
    using TRow = std::int32_t;

    template <class Decoder>
    int Run(std::string_view text, int start, bool lineStart, Decoder decoder, int& length);
    // Steps over characters while their transitions are plain ones, stopping in `stopRow`.
    template <class Decoder>
    int RunCharacters(const Decoder& decoder, const std::uint8_t* bytes, int size, int pos,
                      TRow& row, TRow stopRow) const;
    template <class Decoder>
    std::uint32_t SymbolOf(std::int32_t c, const Decoder& decoder, const std::uint8_t* bytes,
                           int size, int next) const;

    // The state before the first character: runs started at the search start.
    TIndex Initial(bool lineStart);
    // The transition's value; TCache::kUnknown when the target outgrows the cache.
    std::int32_t Compute(TIndex from, std::uint32_t symbol);
    void AppendStarts(TKey& key, bool lineStart);
    void NextStamp();
    // Adds `key` and keeps done_ and plainStart_ valid across a flush.
    TIndex Intern(TKey key);
    void InternFixed();
    TRow RowOf(TIndex state) const { return static_cast<TRow>(state * symbolCount_); }

    const TbmRESearchTable& table_;
    // Symbols: the table's classes, then LF, CR, CR before LF, the end of the text (the line
    // ends have their own only when the pattern has ^ or $ anchors), and a slow one whose
    // transitions are never filled: CR's in the plain loop, which does not look ahead.
    std::uint32_t lfSymbol_, crSymbol_, crLfSymbol_, endSymbol_, slowSymbol_, symbolCount_;
    std::array<std::uint32_t, 256> byteSymbols_{};  // the symbols of characters below 256
    std::array<std::uint32_t, 256> fastSymbols_{};  // the same, with slowSymbol_ for CR's
    // Text may be skipped where only the run started there is left (plainStart_), while the
    // skips of a search move far enough to pay.
    bool skips_;
    TCache cache_;
    TbmREReverseDFA reverse_;
    TIndex done_ = 0;                    // a match seen and no run left
    TIndex plainStart_ = 0;              // only the run started here, not at a line start
    std::vector<std::uint32_t> stamps_;  // per table state: == stamp_ once a run holds it
    std::uint32_t stamp_ = 0;
    std::uint64_t fallBacks_ = 0;
};

}  // namespace kiova
