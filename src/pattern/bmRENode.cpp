// Nodes: child nodes in, a node with Nullable, First and Last out (and Follow sets of the leaves
// below updated). What always holds: leaf sets stay sorted without duplicates, and every element
// written is charged to the compile's budget.
#include "bmRENode.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <stdexcept>

namespace kiova {
namespace {

void AddCharged(TbmRELeafNodeSet& into, const TbmRELeafNodeSet& from, TbmREBudget& budget) {
    if (from.Empty()) return;
    budget.SpendElements(static_cast<std::int64_t>(into.Count() + from.Count()));
    into.AddSet(from);
}

// Follow(p) += leaves for every p in `last`.
void AddToFollows(const TbmRELeafNodeSet& last, const TbmRELeafNodeSet& leaves,
                  TbmRELeafList& leafList, TbmREBudget& budget) {
    if (leaves.Empty()) return;
    for (const TbmRELeafIndex p : last) leafList[p]->AddFollow(leaves, budget);
}

}  // namespace

void TbmRELeafNodeSet::AddSet(const TbmRELeafNodeSet& other) {
    if (&other == this) throw std::logic_error("TbmRELeafNodeSet.AddSet: Internal Error");
    if (other.leaves_.empty()) return;
    if (leaves_.empty() || leaves_.back() < other.leaves_.front()) {
        leaves_.insert(leaves_.end(), other.leaves_.begin(), other.leaves_.end());
        return;
    }
    std::vector<TbmRELeafIndex> united;
    united.reserve(leaves_.size() + other.leaves_.size());
    std::set_union(leaves_.begin(), leaves_.end(), other.leaves_.begin(), other.leaves_.end(),
                   std::back_inserter(united));
    leaves_.swap(united);
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

TbmRECharNode::TbmRECharNode(TbmRELeafIndex index, std::int32_t lo, std::int32_t hi)
    : TbmRELeafNode(false, index, lo, hi) {
    first_ = TbmRELeafNodeSet(index);
    last_ = TbmRELeafNodeSet(index);
}

TbmRECatNode::TbmRECatNode(const TbmRENode& a, const TbmRENode& b, TbmRELeafList& leaves,
                           TbmREBudget& budget)
    : TbmREInternalNode(a.Nullable() && b.Nullable()), a_(a), b_(b) {
    AddCharged(first_, a.First(), budget);
    if (a.Nullable()) AddCharged(first_, b.First(), budget);
    AddCharged(last_, b.Last(), budget);
    if (b.Nullable()) AddCharged(last_, a.Last(), budget);
    AddToFollows(a.Last(), b.First(), leaves, budget);
}

TbmREUnionNode::TbmREUnionNode(const TbmRENode& a, const TbmRENode& b, TbmREBudget& budget)
    : TbmREInternalNode(a.Nullable() || b.Nullable()), a_(a), b_(b) {
    AddCharged(first_, a.First(), budget);
    AddCharged(first_, b.First(), budget);
    AddCharged(last_, a.Last(), budget);
    AddCharged(last_, b.Last(), budget);
}

TbmREClosureNode::TbmREClosureNode(const TbmRENode& a, TbmRELeafList& leaves, TbmREBudget& budget)
    : TbmREInternalNode(true), a_(a) {
    AddCharged(first_, a.First(), budget);
    AddCharged(last_, a.Last(), budget);
    AddToFollows(a.Last(), a.First(), leaves, budget);
}

}  // namespace kiova
