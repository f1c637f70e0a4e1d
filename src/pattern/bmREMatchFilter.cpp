// Match filter: a built automaton and its character code in; for each of its first steps that
// reads few characters, the hash slots of those characters out.
// What always holds: the filter never rejects a text in which the automaton finds a match. The
// walk stops at the first step where a match could already have ended (an accepting state, or
// one that accepts before a line end), since shorter matches need no further characters; states
// after a line head are walked with those from the start, as either run may find the match.
// A step is kept whole or not at all, so leaving one out only makes the filter weaker.
#include "bmREMatchFilter.h"

#include <array>
#include <memory_resource>
#include <vector>

#include "bmREDFA.h"

namespace kiova {
namespace {

bool MayEndHere(const TbmREDFATable& dfa, TbmREStateIndex state) {
    return dfa.Accepting(state) || dfa.Lookup(state, bmreLineTail) != bmreNoState;
}

void SortUnique(auto& values) {
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
}

}  // namespace

TbmREMatchFilter::TbmREMatchFilter(const TbmREDFATable& dfa, TbmCharCode code) : charCode_(code) {
    // Every record's pattern makes one filter: its few short lists stay off the heap.
    std::array<std::byte, 2048> buffer;
    std::pmr::monotonic_buffer_resource arena(buffer.data(), buffer.size());
    std::pmr::vector<TbmREStateIndex> states(1, 0, &arena);  // the initial state
    const TbmREStateIndex afterLineHead = dfa.Lookup(0, bmreLineHead);
    if (afterLineHead != bmreNoState) states.push_back(afterLineHead);

    std::size_t slotCount = 0;
    std::pmr::vector<TbmREStateIndex> next(&arena);
    std::pmr::vector<TbmRECharHashSet::TSlot> stepSlots(&arena);
    for (int step = 0; step < kSteps; ++step) {
        next.clear();
        stepSlots.clear();
        bool small = true;
        for (const TbmREStateIndex state : states) {
            if (MayEndHere(dfa, state)) return;
            for (const TbmRETransition& transition : dfa.Transitions(state)) {
                if (transition.Lo < 0) continue;  // pseudo-characters are never read
                next.push_back(transition.Target);
                small = small && transition.Hi - transition.Lo < kSlots;
                for (std::int32_t c = transition.Lo; small && c <= transition.Hi; ++c) {
                    stepSlots.push_back(TbmRECharHashSet::SlotOf(c));
                }
            }
        }
        SortUnique(stepSlots);
        if (small && slotCount + stepSlots.size() <= kSlots) {
            std::copy(stepSlots.begin(), stepSlots.end(), slots_.begin() + slotCount);
            slotCount += stepSlots.size();
            stepEnds_[stepCount_++] = static_cast<std::uint8_t>(slotCount);
        }
        // Nothing can be read at this step: the empty step just kept rejects every text.
        if (next.empty()) return;
        SortUnique(next);
        states.swap(next);
    }
}

}  // namespace kiova
