#include "bmREPackedAutomata.h"

#include "bmREDFA.h"

namespace kiova {

TbmREPackedAutomata::TEntry TbmREPackedAutomata::Add(const TbmREDFATable& dfa) {
    // Places first, so that transitions can name their targets' places.
    std::vector<TState> place(dfa.StateCount());
    auto next = static_cast<TState>(slots_.size());
    for (TbmREStateIndex s = 0; s < dfa.StateCount(); ++s) {
        place[s] = next;
        ++next;
        for (const TbmRETransition& t : dfa.Transitions(s)) next += t.Lo >= 0 ? 1 : 0;
    }
    for (TbmREStateIndex s = 0; s < dfa.StateCount(); ++s) {
        const std::size_t header = slots_.size();
        slots_.push_back({0, 0, kNoState});
        std::int32_t flags = dfa.Accepting(s) ? kAccepting : 0;
        if (dfa.LoopsOnEveryCharacter(s)) flags |= kLoops;
        for (const TbmRETransition& t : dfa.Transitions(s)) {
            if (t.Lo >= 0)
                slots_.push_back({t.Lo, t.Hi, place[t.Target]});
            else if (t.Lo <= bmreLineTail && bmreLineTail <= t.Hi)
                flags |= kAcceptsAtLineTail;
        }
        slots_[header].Hi = static_cast<std::int32_t>(slots_.size() - header - 1);
        slots_[header].Lo = flags;
        TStops stops;
        if (FindStops(static_cast<TState>(header), stops)) slots_[header].Lo |= kWaits;
    }
    const TbmREStateIndex afterHead = dfa.LineHead() ? dfa.Lookup(0, bmreLineHead) : bmreNoState;
    return {place[0], afterHead == bmreNoState ? kNoState : place[afterHead]};
}

bool TbmREPackedAutomata::FindStops(TState state, TStops& stops) const {
    std::int32_t uncovered = 0;  // the first character the loops seen so far do not read
    const auto stop = [&](std::int32_t lo, std::int32_t hi) {
        for (std::int32_t c = lo; c <= hi; ++c) {
            if (c == kLF || c == kCR) continue;
            if (stops.Count == TStops::kMaxCount) return false;
            stops.Chars[stops.Count++] = c;
        }
        return true;
    };
    for (const TTransition& t : Transitions(state)) {
        if (t.Target != state) continue;
        if (!stop(uncovered, t.Lo - 1)) return false;
        uncovered = t.Hi + 1;
    }
    stops.Top = uncovered - 1;
    return stops.Top >= 0;
}

}  // namespace kiova
