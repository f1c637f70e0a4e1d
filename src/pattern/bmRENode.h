// Nodes of the pattern tree and the leaf sets they carry.
//
// Leaves are numbered in creation order; a leaf set is a sorted list of those numbers. Every
// node computes Nullable, First and Last when it is constructed, and internal nodes add to the
// Follow sets of the leaves below them at the same time, so a node is complete once it exists.
// A cat or union node takes its children's First and Last over (they are needed nowhere else),
// so a chain of n nodes holds O(n) set elements, not O(n^2); a closure copies its child's, as
// "a+" is Cat(a, Closure(a)) over the same child.
//
// A compile's nodes and sets live in one arena (a monotonic memory resource) dropped as a whole:
// sets only ever grow, so the arena holds little beyond what the sets keep.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory_resource>
#include <span>
#include <vector>

#include "bmREBudget.h"

namespace kiova {

using TbmRELeafIndex = std::uint32_t;

class TbmRELeafNodeSet {
public:
    using TArena = std::pmr::memory_resource*;

    explicit TbmRELeafNodeSet(TArena arena = std::pmr::get_default_resource()) : leaves_(arena) {}
    explicit TbmRELeafNodeSet(TbmRELeafIndex leaf, TArena arena = std::pmr::get_default_resource())
        : leaves_({leaf}, arena) {}
    // `sorted` must be ascending without duplicates.
    explicit TbmRELeafNodeSet(std::span<const TbmRELeafIndex> sorted,
                              TArena arena = std::pmr::get_default_resource())
        : leaves_(sorted.begin(), sorted.end(), arena) {}
    TbmRELeafNodeSet(const TbmRELeafNodeSet& other, TArena arena) : leaves_(other.leaves_, arena) {}
    TbmRELeafNodeSet(const TbmRELeafNodeSet&) = default;
    TbmRELeafNodeSet(TbmRELeafNodeSet&&) noexcept = default;
    TbmRELeafNodeSet& operator=(const TbmRELeafNodeSet&) = default;
    TbmRELeafNodeSet& operator=(TbmRELeafNodeSet&&) = default;

    // Throws std::logic_error "TbmRELeafNodeSet.AddSet: Internal Error" when `other` is this set.
    // Returns the elements written: `other`'s count when it only appends, else the result's.
    std::size_t AddSet(const TbmRELeafNodeSet& other);
    bool Contains(TbmRELeafIndex leaf) const;
    std::size_t Count() const { return leaves_.size(); }
    std::size_t Capacity() const { return leaves_.capacity(); }
    bool Empty() const { return leaves_.empty(); }
    auto begin() const { return leaves_.begin(); }
    auto end() const { return leaves_.end(); }
    bool operator==(const TbmRELeafNodeSet&) const = default;
    std::size_t Hash() const;

private:
    std::pmr::vector<TbmRELeafIndex> leaves_;
};

class TbmRENode {
public:
    virtual ~TbmRENode() = default;
    TbmRENode(const TbmRENode&) = delete;
    TbmRENode& operator=(const TbmRENode&) = delete;

    bool Nullable() const { return nullable_; }
    const TbmRELeafNodeSet& First() const { return first_; }
    const TbmRELeafNodeSet& Last() const { return last_; }

    // Hands First / Last over to a parent, leaving them empty here.
    TbmRELeafNodeSet TakeFirst() { return std::move(first_); }
    TbmRELeafNodeSet TakeLast() { return std::move(last_); }

protected:
    TbmRENode(bool nullable, TbmRELeafNodeSet::TArena arena)
        : nullable_(nullable), first_(arena), last_(arena) {}

    bool nullable_;
    TbmRELeafNodeSet first_;
    TbmRELeafNodeSet last_;
};

class TbmRELeafNode : public TbmRENode {
public:
    TbmRELeafIndex Index() const { return index_; }
    std::int32_t Lo() const { return lo_; }
    std::int32_t Hi() const { return hi_; }
    void SetRange(std::int32_t lo, std::int32_t hi) {
        lo_ = lo;
        hi_ = hi;
    }
    const TbmRELeafNodeSet& Follow() const { return follow_; }
    void AddFollow(const TbmRELeafNodeSet& leaves, TbmREBudget& budget);

protected:
    TbmRELeafNode(bool nullable, TbmRELeafIndex index, std::int32_t lo, std::int32_t hi,
                  TbmRELeafNodeSet::TArena arena)
        : TbmRENode(nullable, arena), index_(index), lo_(lo), hi_(hi), follow_(arena) {}

private:
    TbmRELeafIndex index_;
    std::int32_t lo_;
    std::int32_t hi_;
    TbmRELeafNodeSet follow_;
};

using TbmRELeafList = std::pmr::vector<TbmRELeafNode*>;  // by index; the arena owns them

// Special leaf values besides partition ranges.
inline constexpr std::int32_t bmreEndMarker = -1;
inline constexpr std::int32_t bmreLineHead = -2;
inline constexpr std::int32_t bmreLineTail = -3;

// One range of the alphabet partition, or the end marker, line head or line tail.
class TbmRECharNode final : public TbmRELeafNode {
public:
    TbmRECharNode(TbmRELeafIndex index, std::int32_t lo, std::int32_t hi,
                  TbmRELeafNodeSet::TArena arena);
};

class TbmREEpsilonNode final : public TbmRELeafNode {
public:
    TbmREEpsilonNode(TbmRELeafIndex index, TbmRELeafNodeSet::TArena arena)
        : TbmRELeafNode(true, index, 0, 0, arena) {}
};

class TbmREInternalNode : public TbmRENode {
protected:
    using TbmRENode::TbmRENode;
};

class TbmRECatNode final : public TbmREInternalNode {
public:
    TbmRECatNode(TbmRENode& a, TbmRENode& b, TbmRELeafList& leaves, TbmREBudget& budget,
                 TbmRELeafNodeSet::TArena arena);
    const TbmRENode& A() const { return a_; }
    const TbmRENode& B() const { return b_; }

private:
    const TbmRENode& a_;
    const TbmRENode& b_;
};

class TbmREUnionNode final : public TbmREInternalNode {
public:
    TbmREUnionNode(TbmRENode& a, TbmRENode& b, TbmREBudget& budget, TbmRELeafNodeSet::TArena arena);
    const TbmRENode& A() const { return a_; }
    const TbmRENode& B() const { return b_; }

private:
    const TbmRENode& a_;
    const TbmRENode& b_;
};

class TbmREClosureNode final : public TbmREInternalNode {
public:
    TbmREClosureNode(const TbmRENode& a, TbmRELeafList& leaves, TbmREBudget& budget,
                     TbmRELeafNodeSet::TArena arena);
    const TbmRENode& A() const { return a_; }

private:
    const TbmRENode& a_;
};

}  // namespace kiova
