// TbmREPrefilter: the literal prefilter of a pattern set. Most patterns can only match where one
// of a few literals stands: a word, the words of an alternation, the head of `A.*B`. The filter
// reads those literals from each pattern's automaton once; per line, one pass of a multi-literal
// automaton (Aho-Corasick over character values) tells where they stand, so that only the
// patterns found there need running.
//
// In: patterns as packed automata with their entries, then lines as character values (read as
//     the set reads them, so that any character code works).
// Out: the hits of a line: a pattern, the state its automaton reaches by reading the literal from
//     its start (or from its line head, for a literal found at a line start), whether that state
//     accepts (the literal is a match itself), and the position after the literal; ascending by
//     position. A hit whose run must still read one of a few literals (the B of `A.*B`) is left
//     out when the line holds none of them.
// Always holds: every match of an accepted pattern begins with one of its literals, read from
//     the start or, at a line start, from the line head; so a search of the pattern finds a
//     match exactly when one of its hits leads to acceptance. A pattern whose matches need not
//     begin with a literal of two characters or more (one that may match nothing, or starts
//     with a wide class or with too many alternatives) is refused and stays with the caller.
#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "bmREFlatMap.h"
#include "bmREPackedAutomata.h"

namespace kiova {

class TbmREPrefilter {
public:
    using TState = TbmREPackedAutomata::TState;

    struct THit {
        std::uint32_t Position;  // in characters, just after the literal
        std::uint32_t Pattern;
        TState State;
        bool Matches;
    };

    // Takes the pattern when its matches all begin with a usable literal; false leaves the
    // filter as it was.
    bool Add(std::uint32_t pattern, const TbmREPackedAutomata& automata,
             TbmREPackedAutomata::TEntry entry);
    // Builds the automaton of the literals for Scan; after the last Add, before the first Scan.
    void Finish();

    // The hits of a line, replacing those in `hits`.
    void Scan(std::span<const std::int32_t> line, std::vector<THit>& hits);

    std::size_t Bytes() const;

private:
    struct Entry {
        std::uint32_t pattern;
        TState state;
        std::uint32_t needs;  // the requirement the line must meet for the hit to count, or kNone
        bool anchored;        // read from the line head: counts only at a line start
        bool matches;         // the state accepts
    };
    static constexpr std::uint32_t kRoot = 0;
    static constexpr std::uint32_t kNone = UINT32_MAX;

    static std::uint64_t Key(std::uint32_t node, std::int32_t c) {
        return std::uint64_t{node} << 32 | static_cast<std::uint32_t>(c);
    }
    // Keeps a literal's characters until Finish; returns its number.
    std::uint32_t Stash(std::span<const std::int32_t> chars);
    // The trie of the stashed literals; the node of each.
    std::vector<std::uint32_t> BuildTrie();
    std::uint32_t Next(std::uint32_t node, std::int32_t c) const;
    // Whether a literal ends at the node.
    bool Reports(std::uint32_t node) const {
        return entryBegin_[node] != entryBegin_[node + 1] ||
               meetsBegin_[node] != meetsBegin_[node + 1];
    }

    // Until Finish: the literals' characters, where each literal's begin (the next one's begin
    // is its end), and what each gives its node, by literal number.
    std::vector<std::int32_t> stashed_;
    std::vector<std::uint32_t> stashBegin_;
    std::vector<std::pair<std::uint32_t, Entry>> added_;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> meetsAdded_;

    // The trie of the literals: a node is a literal read so far.
    TbmREFlatMap<std::uint32_t> children_;
    std::vector<std::uint16_t> depth_;
    std::vector<std::uint32_t> parent_;  // until Finish, with the character from the parent
    std::vector<std::int32_t> last_;
    // The longest proper suffix of each node in the trie, and the longest one that Reports.
    std::vector<std::uint32_t> fail_;
    std::vector<std::uint32_t> output_;
    // Entries by node: those of node n are entries_[entryBegin_[n] .. entryBegin_[n + 1]).
    std::vector<std::uint32_t> entryBegin_;
    std::vector<Entry> entries_;
    // The requirements each node's literal meets, in the same way.
    std::vector<std::uint32_t> meetsBegin_;
    std::vector<std::uint32_t> meets_;
    std::uint32_t requirements_ = 0;

    // Scan's working lists: the stamp of the last line that met each requirement; the hits'
    // requirements.
    std::vector<std::uint32_t> met_;
    std::uint32_t stamp_ = 0;
    std::vector<std::uint32_t> hitNeeds_;
};

}  // namespace kiova
