// TbmRESet: which of many compiled patterns occur in a text, found in one pass over the text, as
// a dialogue table asks of each message.
//
//   TbmRESet set(TbmCharCode::ShiftJIS);
//   for (TbmRExp& re : patterns) set.Add(re.GetDFATable());  // the automata must outlive the set
//   std::vector<std::uint32_t> found;
//   if (set.Match(text, found)) { /* found: ascending numbers of the patterns that occur */ }
//   else { /* the memory budget ran out: test the patterns one by one */ }
//
// A pattern occurs when a search of the text from its first byte finds a match (SearchDFA). The
// set runs every automaton from every character position at once; its states (which pattern's
// automaton is in which state, over the runs that have read two characters or more) are built
// lazily and cached with their transitions under a fixed memory budget. Runs that have read one
// character depend on that character alone and are cached per character (and per pair of
// characters, for where they go next), so the many patterns that begin alike cost once per pair,
// not once per state. When a text needs more than the budget holds, the cache is emptied and the
// pass goes on; when that happens twice in one text, Match gives up.
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
    static constexpr std::size_t kDefaultMemory = std::size_t{8} << 20;

    explicit TbmRESet(TbmCharCode code, std::size_t memoryBudget = kDefaultMemory);
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

private:
    class Automaton;

    TbmCharCode charCode_;
    std::size_t memoryBudget_;
    std::vector<const TbmREDFATable*> patterns_;
    std::unique_ptr<Automaton> automaton_;  // built on the first Match after a change
};

}  // namespace kiova
