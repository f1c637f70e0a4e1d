// Nodes: child nodes in, a node with Nullable, First and Last out (and Follow sets of the leaves
// below updated). What always holds: leaf sets stay sorted without duplicates; every element
// written, and every byte a set grows by, is charged to the compile's budget.
#include "bmRENode.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <stdexcept>

namespace kiova {
namespace {

void ChargeGrowth(const TbmRELeafNodeSet& set, std::size_t capacityBefore, TbmREBudget& budget) {
    if (set.Capacity() == capacityBefore) return;
    budget.SpendMemory(
        static_cast<std::int64_t>((set.Capacity() - capacityBefore) * sizeof(TbmRELeafIndex)) +
        (capacityBefore == 0 ? TbmREBudget::kBlockOverhead : 0));
}

void AddCharged(TbmRELeafNodeSet& into, const TbmRELeafNodeSet& from, TbmREBudget& budget) {
    if (from.Empty()) return;
    const std::size_t capacity = into.Capacity();
    budget.SpendElements(static_cast<std::int64_t>(into.AddSet(from)));
    ChargeGrowth(into, capacity, budget);
}

// `into` := `from`, whose elements become the new node's.
void CopyCharged(TbmRELeafNodeSet& into, const TbmRELeafNodeSet& from, TbmREBudget& budget) {
    budget.SpendElements(static_cast<std::int64_t>(from.Count()));
    into = from;
    ChargeGrowth(into, 0, budget);
}

// Follow(p) += leaves for every p in `last`.
void AddToFollows(const TbmRELeafNodeSet& last, const TbmRELeafNodeSet& leaves,
                  TbmRELeafList& leafList, TbmREBudget& budget) {
    if (leaves.Empty()) return;
    for (const TbmRELeafIndex p : last) leafList[p]->AddFollow(leaves, budget);
}

}  // namespace

std::size_t TbmRELeafNodeSet::AddSet(const TbmRELeafNodeSet& other) {
    if (&other == this) throw std::logic_error("TbmRELeafNodeSet.AddSet: Internal Error");
    if (other.leaves_.empty()) return 0;
    const bool appends = leaves_.empty() || leaves_.back() < other.leaves_.front();
    const std::size_t own = leaves_.size();
    leaves_.insert(leaves_.end(), other.leaves_.begin(), other.leaves_.end());
    if (appends) return other.leaves_.size();
    // Merged from the back in place, so the arena gets no second buffer; equal leaves end up
    // side by side and are dropped.
    auto mine = leaves_.rend() - static_cast<std::ptrdiff_t>(own);
    auto theirs = other.leaves_.rbegin();
    for (auto out = leaves_.rbegin(); theirs != other.leaves_.rend(); ++out)
        *out = (mine != leaves_.rend() && *mine > *theirs) ? *mine++ : *theirs++;
    leaves_.erase(std::unique(leaves_.begin(), leaves_.end()), leaves_.end());
    return leaves_.size();
}

bool TbmRELeafNodeSet::Contains(TbmRELeafIndex leaf) const {
    return std::binary_search(leaves_.begin(), leaves_.end(), leaf);
}

std::size_t TbmRELeafNodeSet::Hash() const {
    std::size_t hash = leaves_.size();
    for (const TbmRELeafIndex leaf : leaves_)
        hash = hash * 1000003u ^ std::hash<TbmRELeafIndex>{}(leaf);
    return hash;
}

void TbmRELeafNode::AddFollow(const TbmRELeafNodeSet& leaves, TbmREBudget& budget) {
    AddCharged(follow_, leaves, budget);
}

TbmRECharNode::TbmRECharNode(TbmRELeafIndex index, std::int32_t lo, std::int32_t hi,
                             TbmRELeafNodeSet::TArena arena)
    : TbmRELeafNode(false, index, lo, hi, arena) {
    first_ = TbmRELeafNodeSet(index, arena);
    last_ = TbmRELeafNodeSet(index, arena);
}

TbmRECatNode::TbmRECatNode(TbmRENode& a, TbmRENode& b, TbmRELeafList& leaves, TbmREBudget& budget,
                           TbmRELeafNodeSet::TArena arena)
    : TbmREInternalNode(a.Nullable() && b.Nullable(), arena), a_(a), b_(b) {
    AddToFollows(a.Last(), b.First(), leaves, budget);
    first_ = a.TakeFirst();
    if (a.Nullable()) AddCharged(first_, b.First(), budget);
    last_ = b.TakeLast();
    if (b.Nullable()) AddCharged(last_, a.Last(), budget);
}

TbmREUnionNode::TbmREUnionNode(TbmRENode& a, TbmRENode& b, TbmREBudget& budget,
                               TbmRELeafNodeSet::TArena arena)
    : TbmREInternalNode(a.Nullable() || b.Nullable(), arena), a_(a), b_(b) {
    first_ = a.TakeFirst();
    AddCharged(first_, b.First(), budget);
    last_ = a.TakeLast();
    AddCharged(last_, b.Last(), budget);
}

TbmREClosureNode::TbmREClosureNode(const TbmRENode& a, TbmRELeafList& leaves, TbmREBudget& budget,
                                   TbmRELeafNodeSet::TArena arena)
    : TbmREInternalNode(true, arena), a_(a) {
    CopyCharged(first_, a.First(), budget);
    CopyCharged(last_, a.Last(), budget);
    AddToFollows(a.Last(), a.First(), leaves, budget);
}

}  // namespace kiova
