// Automaton builder: the tree (with its Follow sets) and the partition in, a deterministic
// automaton out, built directly from position sets (no intermediate nondeterministic one).
// What always holds: state 0 is First(root); a state accepts when its set holds the end marker;
// each state's transitions are ascending, disjoint, and merged where adjacent ranges share a
// target; equal position sets are one state.
#include "bmREDFA.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <memory_resource>
#include <unordered_map>

#include "bmREDecoders.h"

namespace kiova {
namespace {

constexpr std::uint32_t kNoMember = UINT32_MAX;
constexpr std::int64_t kStateBytes = sizeof(TbmRELeafNodeSet) +
                                     sizeof(std::vector<TbmREStateIndex>) + 64 +
                                     3 * TbmREBudget::kBlockOverhead;

// The states' position sets while the automaton grows, found again by content. They live in
// the build's arena.
class StateSets {
public:
    StateSets(TbmREBudget& budget, std::pmr::memory_resource* arena)
        : budget_(budget), sets_(arena), byHash_(arena) {}

    std::size_t Count() const { return sets_.size(); }
    const TbmRELeafNodeSet& operator[](std::size_t state) const { return sets_[state]; }

    TbmREStateIndex FindOrAdd(TbmRELeafNodeSet&& set) {
        std::pmr::vector<TbmREStateIndex>& sameHash = byHash_[set.Hash()];
        for (const TbmREStateIndex state : sameHash) {
            if (sets_[state] == set) return state;
        }
        budget_.SpendState();
        budget_.SpendElements(static_cast<std::int64_t>(set.Count()));
        // The set, its place in the list and in the hash index, and the state it becomes.
        budget_.SpendMemory(static_cast<std::int64_t>(set.Count() * sizeof(TbmRELeafIndex)) +
                            kStateBytes);
        const auto state = static_cast<TbmREStateIndex>(sets_.size());
        sets_.push_back(std::move(set));
        sameHash.push_back(state);
        return state;
    }

private:
    TbmREBudget& budget_;
    std::pmr::vector<TbmRELeafNodeSet> sets_;
    std::pmr::unordered_map<std::size_t, std::pmr::vector<TbmREStateIndex>> byHash_;
};

}  // namespace

void TbmREDFATable::Build(const TbmRETree& tree, TbmREWchRanges& partition, TbmREBudget& budget) {
    Clear();
    lineHead_ = tree.LineHead();
    lineTail_ = tree.LineTail();
    if (lineHead_) partition.AddRange(bmreLineHead, bmreLineHead);
    if (lineTail_) partition.AddRange(bmreLineTail, bmreLineTail);

    // The working sets of a typical dialogue pattern fit in the first block: no heap at all.
    std::array<std::byte, 8192> firstBlock;
    std::pmr::monotonic_buffer_resource arena(firstBlock.data(), firstBlock.size());

    // The partition member each leaf stands for (none for the end marker).
    const TbmRELeafList& leaves = tree.Leaves();
    std::pmr::vector<std::uint32_t> memberOf(leaves.size(), kNoMember, &arena);
    for (const auto& leaf : leaves) {
        const std::size_t member = partition.IndexOf(leaf->Lo(), leaf->Hi());
        if (member < partition.Count())
            memberOf[leaf->Index()] = static_cast<std::uint32_t>(member);
    }

    StateSets sets(budget, &arena);
    sets.FindOrAdd(TbmRELeafNodeSet(tree.Root().First(), &arena));

    std::pmr::vector<std::pair<std::uint32_t, TbmRELeafIndex>> byMember(&arena);  // (member, leaf)
    std::pmr::vector<TbmRELeafIndex> united(&arena), merged(&arena);
    std::pmr::vector<TbmRETransition> descending(&arena);
    // Grown here and copied once, so the automaton a table keeps is two blocks of exact size.
    std::pmr::vector<State> states(&arena);
    std::pmr::vector<TbmRETransition> transitions(&arena);
    for (std::size_t state = 0; state < sets.Count(); ++state) {
        byMember.clear();
        for (const TbmRELeafIndex leaf : sets[state]) {
            if (memberOf[leaf] != kNoMember) byMember.emplace_back(memberOf[leaf], leaf);
        }
        std::sort(byMember.begin(), byMember.end(), std::greater<>());

        // From the highest member down, so new states are numbered in that order.
        descending.clear();
        for (auto group = byMember.begin(); group != byMember.end();) {
            const std::uint32_t member = group->first;
            united.clear();
            for (; group != byMember.end() && group->first == member; ++group) {
                const TbmRELeafNodeSet& follow = leaves[group->second]->Follow();
                budget.SpendElements(static_cast<std::int64_t>(united.size() + follow.Count()));
                merged.clear();
                std::set_union(united.begin(), united.end(), follow.begin(), follow.end(),
                               std::back_inserter(merged));
                united.swap(merged);
            }
            if (united.empty()) continue;
            const TbmREStateIndex target = sets.FindOrAdd(TbmRELeafNodeSet(united, &arena));
            const TbmREWchRange& range = partition[member];
            if (!descending.empty() && descending.back().Target == target &&
                descending.back().Lo == range.Hi + 1) {
                descending.back().Lo = range.Lo;
            } else {
                descending.push_back({range.Lo, range.Hi, target});
            }
        }

        budget.SpendElements(static_cast<std::int64_t>(descending.size()));
        budget.SpendMemory(static_cast<std::int64_t>(descending.size() * sizeof(TbmRETransition)));
        states.push_back({sets[state].Contains(tree.EndMarker()), false,
                          static_cast<std::uint32_t>(transitions.size()),
                          static_cast<std::uint32_t>(descending.size())});
        transitions.insert(transitions.end(), descending.rbegin(), descending.rend());
    }
    states_.assign(states.begin(), states.end());
    transitions_.assign(transitions.begin(), transitions.end());
    ComputeAllLoops();
    // The dense rows a search lays the automaton out in: at most one class per partition member
    // and per gap between members.
    budget.SpendMemory(static_cast<std::int64_t>(states_.size() * (2 * partition.Count() + 1) *
                                                 sizeof(std::uint16_t)));
}

void TbmREDFATable::Clear() {
    states_.clear();
    transitions_.clear();
    lineHead_ = lineTail_ = false;
}

void TbmREDFATable::AddState(bool accepting) {
    states_.push_back({accepting, false, static_cast<std::uint32_t>(transitions_.size()), 0});
}

void TbmREDFATable::AddTransition(const TbmRETransition& transition) {
    State& state = states_.back();
    if (state.TransitionCount > 0) {
        TbmRETransition& last = transitions_.back();
        if (last.Target == transition.Target && last.Hi + 1 >= transition.Lo) {
            last.Hi = std::max(last.Hi, transition.Hi);
            return;
        }
    }
    transitions_.push_back(transition);
    ++state.TransitionCount;
}

void TbmREDFATable::Finish(bool lineHead, bool lineTail) {
    lineHead_ = lineHead;
    lineTail_ = lineTail;
    ComputeAllLoops();
}

void TbmREDFATable::ComputeAllLoops() {
    for (TbmREStateIndex state = 0; state < states_.size(); ++state)
        states_[state].Loops = ComputeLoops(state);
}

bool TbmREDFATable::ComputeLoops(TbmREStateIndex state) const {
    std::int32_t uncovered = 0;  // the first character the transitions seen so far do not read
    for (const TbmRETransition& t : Transitions(state)) {
        if (t.Lo < 0) continue;  // line head and tail are not characters
        if (t.Target != state) return false;
        const bool gapIsOneLineBreak =
            t.Lo == uncovered + 1 && (uncovered == bmreLF || uncovered == bmreCR);
        if (t.Lo > uncovered && !gapIsOneLineBreak) return false;
        uncovered = t.Hi + 1;
    }
    return uncovered > bmreMaxChar;
}

}  // namespace kiova
