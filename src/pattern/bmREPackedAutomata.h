// TbmREPackedAutomata: the automata of many patterns laid out in one array, for a pattern set
// that steps runs of all of them. A state is a header slot (its flags and transition count)
// followed by its transitions on characters, so stepping a run reads one place of one array
// instead of an automaton object, its state list and its transition list.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kiova {

class TbmREDFATable;

class TbmREPackedAutomata {
public:
    using TState = std::uint32_t;  // the place of a state's header in the array
    static constexpr TState kNoState = UINT32_MAX;

    struct TTransition {
        std::int32_t Lo;
        std::int32_t Hi;
        TState Target;
    };
    // Where an added automaton starts, and its state after a line head (kNoState: none).
    struct TEntry {
        TState Start;
        TState AfterLineHead;
    };

    TEntry Add(const TbmREDFATable& dfa);

    bool Accepting(TState state) const { return (Flags(state) & kAccepting) != 0; }
    // Whether a $ may match where the run stands.
    bool AcceptsAtLineTail(TState state) const { return (Flags(state) & kAcceptsAtLineTail) != 0; }
    bool Accepts(TState state, bool atLineEnd) const {
        return Accepting(state) || (atLineEnd && AcceptsAtLineTail(state));
    }
    // See TbmREDFATable::LoopsOnEveryCharacter.
    bool LoopsOnEveryCharacter(TState state) const { return (Flags(state) & kLoops) != 0; }
    // Ascending, as the automaton's own; the line head and tail are flags, not transitions.
    std::span<const TTransition> Transitions(TState state) const {
        return {slots_.data() + state + 1, static_cast<std::size_t>(slots_[state].Hi)};
    }
    TState Next(TState state, std::int32_t c) const {
        for (const TTransition& t : Transitions(state)) {
            if (c < t.Lo) break;
            if (c <= t.Hi) return t.Target;
        }
        return kNoState;
    }

private:
    static constexpr std::int32_t kAccepting = 1;
    static constexpr std::int32_t kAcceptsAtLineTail = 2;
    static constexpr std::int32_t kLoops = 4;

    // A header slot holds the flags in Lo and the transition count in Hi.
    std::int32_t Flags(TState state) const { return slots_[state].Lo; }

    std::vector<TTransition> slots_;
};

}  // namespace kiova
