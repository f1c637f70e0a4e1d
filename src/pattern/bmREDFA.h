// TbmREDFATable: the deterministic automaton of a pattern, with range transitions.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "bmREBudget.h"
#include "bmRETree.h"
#include "bmREWchRanges.h"

namespace kiova {

using TbmREStateIndex = std::uint32_t;
inline constexpr TbmREStateIndex bmreNoState = UINT32_MAX;

struct TbmRETransition {
    std::int32_t Lo;
    std::int32_t Hi;
    TbmREStateIndex Target;

    bool operator==(const TbmRETransition&) const = default;
};

class TbmREDFATable {
public:
    // Builds the automaton of `tree`; adds the line-head / line-tail pseudo-characters to
    // `partition` when the tree anchors them. Throws EbmREToken "pattern too complex" when the
    // states or their sets outgrow `budget`.
    void Build(const TbmRETree& tree, TbmREWchRanges& partition, TbmREBudget& budget);

    // For automata built without a tree (bmRESimpleDFA): states are added in order, each
    // followed by its transitions in ascending order; a transition adjacent to the state's
    // previous one with the same target extends it, as Build merges them. Finish sets the
    // anchors and works out the loops.
    void Clear();
    void AddState(bool accepting);
    void AddTransition(const TbmRETransition& transition);
    void Finish(bool lineHead, bool lineTail);

    // State 0 is the initial state.
    std::size_t StateCount() const { return states_.size(); }
    bool Accepting(TbmREStateIndex state) const { return states_[state].Accepting; }
    // Whether every character but perhaps LF and CR leads from `state` back to it (and LF and CR
    // nowhere else): a run there only waits for the end of its line.
    bool LoopsOnEveryCharacter(TbmREStateIndex state) const { return states_[state].Loops; }
    // Ascending, non-overlapping; adjacent ranges with the same target are merged.
    std::span<const TbmRETransition> Transitions(TbmREStateIndex state) const {
        const State& s = states_[state];
        return {transitions_.data() + s.FirstTransition, s.TransitionCount};
    }
    bool LineHead() const { return lineHead_; }
    bool LineTail() const { return lineTail_; }

    // The state reached from `state` on character `c`, or bmreNoState.
    TbmREStateIndex Lookup(TbmREStateIndex state, std::int32_t c) const {
        const State& s = states_[state];
        const TbmRETransition* t = transitions_.data() + s.FirstTransition;
        for (const TbmRETransition* end = t + s.TransitionCount; t != end && c >= t->Lo; ++t) {
            if (c <= t->Hi) return t->Target;
        }
        return bmreNoState;
    }

private:
    bool ComputeLoops(TbmREStateIndex state) const;
    void ComputeAllLoops();

    struct State {
        bool Accepting;
        bool Loops;
        std::uint32_t FirstTransition;
        std::uint32_t TransitionCount;
    };

    std::vector<State> states_;
    std::vector<TbmRETransition> transitions_;  // all states' lists, one after the other
    bool lineHead_ = false;
    bool lineTail_ = false;
};

}  // namespace kiova
