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
        slots_[header].Lo = flags;
        slots_[header].Hi = static_cast<std::int32_t>(slots_.size() - header - 1);
    }
    const TbmREStateIndex afterHead = dfa.LineHead() ? dfa.Lookup(0, bmreLineHead) : bmreNoState;
    return {place[0], afterHead == bmreNoState ? kNoState : place[afterHead]};
}

}  // namespace kiova
