// TbmRETree: the syntax tree of a standardised token list, its leaves being positions.
#pragma once

#include <array>
#include <cstddef>
#include <memory_resource>
#include <vector>

#include "bmREBudget.h"
#include "bmRENode.h"
#include "bmREToken.h"
#include "bmREWchRanges.h"

namespace kiova {

class TbmRETree {
public:
    TbmRETree();
    ~TbmRETree();
    TbmRETree(const TbmRETree&) = delete;
    TbmRETree& operator=(const TbmRETree&) = delete;

    // Parses `tokens` (after Standardize into `partition`) into Cat(expression, end marker) and
    // resolves the anchors. Throws EbmREToken for a syntax error or a spent budget.
    void Build(const TbmRETokens& tokens, const TbmREWchRanges& partition, TbmREBudget& budget,
               std::int32_t maxChar = bmreMaxChar);
    void Clear();

    const TbmRENode& Root() const { return *root_; }
    const TbmRELeafList& Leaves() const { return leaves_; }
    TbmRELeafIndex EndMarker() const { return static_cast<TbmRELeafIndex>(leaves_.size() - 1); }
    // On when a ^ can be the first thing matched / a $ the last.
    bool LineHead() const { return lineHead_; }
    bool LineTail() const { return lineTail_; }

private:
    TbmRENode& Expression();
    TbmRENode& Sequence();
    TbmRENode& Postfix();
    TbmRENode& Primary();
    TbmRENode& Bracket();
    // One leaf per partition member in [lo, hi], joined left to right by unions.
    TbmRENode& LeavesOf(std::int32_t lo, std::int32_t hi);
    void ResolveAnchors();

    const TbmRETokenRec& Current() const { return (*tokens_)[current_]; }
    bool CurrentIs(TbmRETokenKind kind) const { return Current().Kind == kind; }
    void Advance() { ++current_; }
    [[noreturn]] void Fail(TbmRETokenKind error) const { bmRaiseTokenError(Current(), error); }

    TbmRENode& NewChar(std::int32_t lo, std::int32_t hi);
    TbmRENode& NewEpsilon();
    TbmRENode& NewCat(TbmRENode& a, TbmRENode& b);
    TbmRENode& NewUnion(TbmRENode& a, TbmRENode& b);
    TbmRENode& NewClosure(const TbmRENode& a);

    template <class Node, class... Args>
    Node& Allocate(Args&&... args);

    // The tree of a typical dialogue pattern fits in the first block: no heap at all.
    std::array<std::byte, 8192> firstBlock_;
    std::pmr::monotonic_buffer_resource arena_{firstBlock_.data(), firstBlock_.size()};
    std::pmr::vector<TbmREInternalNode*> internalNodes_{&arena_};
    TbmRELeafList leaves_{&arena_};
    const TbmRENode* root_ = nullptr;
    bool lineHead_ = false;
    bool lineTail_ = false;

    // While building.
    const TbmRETokens* tokens_ = nullptr;
    std::size_t current_ = 0;
    const TbmREWchRanges* partition_ = nullptr;
    std::int32_t maxChar_ = bmreMaxChar;  // what "." reaches up to
    TbmREBudget* budget_ = nullptr;
    int nesting_ = 0;
};

}  // namespace kiova
