// TbmREPackedAutomata: the automata of many patterns laid out in one array, for a pattern set
// that steps runs of all of them. A state is a header slot (its flags and transition count)
// followed by its transitions on characters, so stepping a run reads one place of one array
// instead of an automaton object, its state list and its transition list.
#pragma once

#include <algorithm>
#include <array>
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

    // The characters that move a run on from a state that loops on almost all of them: LF, CR,
    // those that lead elsewhere or nowhere up to Top, and every one above Top.
    struct TStops {
        static constexpr int kMaxCount = 8;
        std::array<std::int32_t, kMaxCount> Chars;
        int Count = 0;
        std::int32_t Top = -1;

        bool Has(std::int32_t c) const {
            return c > Top || c == kLF || c == kCR ||
                   std::find(Chars.begin(), Chars.begin() + Count, c) != Chars.begin() + Count;
        }
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
    // Whether a run in `state` stays there on all characters but a few (its Stops), so that it
    // need only be looked at where one of those stands.
    bool Waits(TState state) const { return (Flags(state) & kWaits) != 0; }
    // The stops of a state that Waits.
    TStops Stops(TState state) const {
        TStops stops;
        FindStops(state, stops);
        return stops;
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
    static constexpr std::int32_t kWaits = 8;
    static constexpr std::int32_t kLF = 10;
    static constexpr std::int32_t kCR = 13;

    // False when the state has more stops than TStops holds.
    bool FindStops(TState state, TStops& stops) const;

    // A header slot holds the flags in Lo and the transition count in Hi.
    std::int32_t Flags(TState state) const { return slots_[state].Lo; }

    std::vector<TTransition> slots_;
};

}  // namespace kiova
