// TbmRESet: which of many compiled patterns occur in a text, found in one pass over the text, as
// a dialogue table asks of each message.
//
//   TbmRESet set(TbmCharCode::ShiftJIS);
//   for (TbmRExp& re : patterns) set.Add(re.GetDFATable());  // the automata must outlive the set
//   std::vector<std::uint32_t> found;
//   if (set.Match(text, found)) { /* found: ascending numbers of the patterns that occur */ }
//   else { /* the memory budget ran out: test the patterns one by one */ }
//
// A pattern occurs when a search of the text from its first byte finds a match (SearchDFA). A
// pattern whose matches all begin with a literal runs only where its literal stands, found for
// all such patterns in one pass of a literal prefilter (TbmREPrefilter). The set runs the other
// automata from every character position at once; their states (which pattern's
// automaton is in which state, over the runs that have read two characters or more) are built
// lazily and cached with their transitions under a memory budget, by default sized with the
// patterns. Runs that have read one character depend on that character alone and are cached per
// character (and per pair of characters, for where they go next), so the many patterns that begin
// alike cost once per pair, not once per state. The cache lives from text to text; when a text
// needs more than the budget holds, the states are evicted and the pass goes on; when that happens
// twice in one text, Match gives up.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "bmCharCode.h"

namespace kiova {

class TbmREDFATable;

class TbmRESet {
public:
    // The budget of a set of n patterns: kBaseMemory + n * kMemoryPerPattern, at most kMaxMemory.
    static constexpr std::size_t kBaseMemory = std::size_t{64} << 20;
    static constexpr std::size_t kMemoryPerPattern = std::size_t{2} << 10;
    static constexpr std::size_t kMaxMemory = std::size_t{256} << 20;
    static constexpr std::size_t kSizedWithPatterns = 0;
    static std::size_t MemoryFor(std::size_t patterns);

    explicit TbmRESet(TbmCharCode code, std::size_t memoryBudget = kSizedWithPatterns);
    ~TbmRESet();
    TbmRESet(const TbmRESet&) = delete;
    TbmRESet& operator=(const TbmRESet&) = delete;

    // Adds the automaton of a pattern compiled for the set's code and returns its number (the
    // count of patterns added before it).
    std::uint32_t Add(const TbmREDFATable& dfa);
    std::size_t Count() const { return patterns_.size(); }
    TbmCharCode CharCode() const { return charCode_; }
    void Clear();

    // Fills `found` with the ascending numbers of the patterns that occur in `text`. Returns false,
    // with `found` incomplete, when the states the text needs outgrow the memory budget. Throws
    // std::invalid_argument for a UniCode text of odd byte length, as a search does.
    bool Match(std::string_view text, std::vector<std::uint32_t>& found);
    // What the cache of states holds now, in bytes.
    std::size_t CacheMemory() const;
    // What the literal prefilter holds, in bytes (built with the states, on the first Match).
    std::size_t PrefilterMemory() const;
    // What the last Match did for the prefiltered patterns: the runs it stepped and the
    // characters it scanned for where waiting runs go on. A line's length bounds it, times a
    // factor of the patterns' states, however often their literals stand in it.
    std::size_t PrefilteredWork() const;

private:
    class Automaton;

    TbmCharCode charCode_;
    std::size_t memoryBudget_;  // or kSizedWithPatterns
    std::vector<const TbmREDFATable*> patterns_;
    std::unique_ptr<Automaton> automaton_;  // built on the first Match after a change
};

}  // namespace kiova
