// TbmREMatchFilter: characters every match of a compiled pattern must hold, so that a search
// can be skipped in a text that lacks them. A small value, meant to be kept next to whatever
// holds the pattern, so that ruling a text out touches nothing else.
//
//   const TbmREMatchFilter filter = re.Filter();         // once, after compiling
//   const TbmRESearchText message(bytes);                // once per text
//   bool found = filter.MayMatchIn(message) && re.Match(message.Bytes()) != 0;
//
// A match that is at least n characters long holds, as its k-th character (k <= n), one of the
// characters the automaton can read k steps from its start. As long as no state reachable in
// fewer steps accepts, every match is that long, so each such step gives a set of which the
// text must hold a member. The filter keeps the first steps whose sets are small, as the hash
// slots of their characters (TbmRECharHashSet).
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "bmCharCode.h"
#include "bmRECharHashSet.h"
#include "bmRESearchText.h"

namespace kiova {

class TbmREDFATable;

class TbmREMatchFilter {
public:
    // Rejects nothing.
    TbmREMatchFilter() = default;
    // The filter of `dfa`, the automaton of a pattern compiled for `code`.
    TbmREMatchFilter(const TbmREDFATable& dfa, TbmCharCode code);

    // False only when the pattern cannot match in `text` searched from its first byte. A text
    // of another code, or one without a character set, is never ruled out.
    bool MayMatchIn(const TbmRESearchText& text) const {
        if (stepCount_ == 0 || text.CharCode() != charCode_ || !text.Chars()) return true;
        const TbmRECharHashSet& chars = *text.Chars();
        const auto taken = [&chars](TbmRECharHashSet::TSlot slot) { return chars.Taken(slot); };
        const TbmRECharHashSet::TSlot* begin = slots_.data();
        for (std::uint8_t step = 0; step < stepCount_; ++step) {
            const TbmRECharHashSet::TSlot* end = slots_.data() + stepEnds_[step];
            if (std::none_of(begin, end, taken)) return false;
            begin = end;
        }
        return true;
    }

private:
    // Steps looked at from the start, and slots kept for all of them together: enough to rule
    // out most dialogue patterns, small enough to keep beside each one.
    static constexpr int kSteps = 3;
    static constexpr int kSlots = 8;

    std::array<TbmRECharHashSet::TSlot, kSlots> slots_{};  // the kept steps' slots, in order
    std::array<std::uint8_t, kSteps> stepEnds_{};          // where each kept step's slots end
    std::uint8_t stepCount_ = 0;
    TbmCharCode charCode_ = TbmCharCode::ShiftJIS;
};

}  // namespace kiova
