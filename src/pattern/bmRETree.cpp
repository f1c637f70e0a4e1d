// Tree builder: a standardised token list and the partition in, a tree of char, epsilon, cat,
// union and closure nodes out, by recursive descent:
//   expression := sequence ("|" sequence)*          (left-associative)
//   sequence   := empty | postfix+                   (empty before "|", ")" or the end)
//   postfix    := primary ("*" | "+" | "?")?         (at most one operator)
//   primary    := char | "(" expression ")" | bracket | "." | "^" | "$"
// What always holds: every leaf (except the end marker and the anchors) is exactly one partition
// member, and ^ / $ stay anchors only where they can be matched first / last.
#include "bmRETree.h"

#include <memory>
#include <utility>

namespace kiova {

TbmRETree::TbmRETree() = default;

TbmRETree::~TbmRETree() {
    Clear();
}

// The nodes' own memory is the arena's; they are destroyed for form's sake before it is dropped.
void TbmRETree::Clear() {
    for (TbmREInternalNode* node : internalNodes_) std::destroy_at(node);
    for (TbmRELeafNode* leaf : leaves_) std::destroy_at(leaf);
    internalNodes_ = decltype(internalNodes_)(&arena_);
    leaves_ = TbmRELeafList(&arena_);
    arena_.release();
    root_ = nullptr;
    lineHead_ = lineTail_ = false;
    tokens_ = nullptr;
    partition_ = nullptr;
    budget_ = nullptr;
}

void TbmRETree::Build(const TbmRETokens& tokens, const TbmREWchRanges& partition,
                      TbmREBudget& budget, std::int32_t maxChar) {
    Clear();
    maxChar_ = maxChar;
    tokens_ = &tokens;
    current_ = 0;
    partition_ = &partition;
    budget_ = &budget;
    nesting_ = 0;

    TbmRENode& expression = Expression();
    if (!CurrentIs(TbmRETokenKind::End)) Fail(TbmRETokenKind::InvalidCharacter);  // a stray )
    root_ = &NewCat(expression, NewChar(bmreEndMarker, bmreEndMarker));
    ResolveAnchors();
    tokens_ = nullptr;
    partition_ = nullptr;
    budget_ = nullptr;
}

TbmRENode& TbmRETree::Expression() {
    TbmRENode* left = &Sequence();
    while (CurrentIs(TbmRETokenKind::Union)) {
        Advance();
        left = &NewUnion(*left, Sequence());
    }
    return *left;
}

TbmRENode& TbmRETree::Sequence() {
    using K = TbmRETokenKind;
    const auto endsSequence = [this] {
        return CurrentIs(K::Union) || CurrentIs(K::RightParenthesis) || CurrentIs(K::End);
    };
    if (endsSequence()) return NewEpsilon();
    TbmRENode* left = &Postfix();
    while (!endsSequence()) left = &NewCat(*left, Postfix());
    return *left;
}

TbmRENode& TbmRETree::Postfix() {
    using K = TbmRETokenKind;
    TbmRENode& primary = Primary();
    switch (Current().Kind) {
        case K::Asterisk:
            Advance();
            return NewClosure(primary);
        case K::Plus:
            Advance();
            return NewCat(primary, NewClosure(primary));
        case K::QuestionMark:
            Advance();
            return NewUnion(primary, NewEpsilon());
        default:
            return primary;
    }
}

TbmRENode& TbmRETree::Primary() {
    using K = TbmRETokenKind;
    const TbmRETokenRec& token = Current();
    switch (token.Kind) {
        case K::Character: {
            TbmRENode& leaves = LeavesOf(token.Lo, token.Hi);
            Advance();
            return leaves;
        }
        case K::LeftParenthesis: {
            if (++nesting_ > TbmREBudget::kMaxNesting) Fail(K::PatternTooComplex);
            Advance();
            TbmRENode& expression = Expression();
            if (!CurrentIs(K::RightParenthesis)) Fail(K::NeedRightParenthesis);
            Advance();
            --nesting_;
            return expression;
        }
        case K::LeftBracket:
            return Bracket();
        case K::Dot: {
            TbmRENode& below10 = LeavesOf(0, 9);
            TbmRENode& between = LeavesOf(11, 12);
            TbmRENode& any = NewUnion(NewUnion(below10, between), LeavesOf(14, maxChar_));
            Advance();
            return any;
        }
        case K::LineHead:
            Advance();
            return NewChar(bmreLineHead, bmreLineHead);
        case K::LineTail:
            Advance();
            return NewChar(bmreLineTail, bmreLineTail);
        default:
            Fail(K::NeedNormalCharOrLeftParenthesis);
    }
}

TbmRENode& TbmRETree::Bracket() {
    using K = TbmRETokenKind;
    Advance();
    // Only a negated bracket that excludes every character can be empty here.
    const auto isItem = [this] { return CurrentIs(K::Character) || CurrentIs(K::CharacterClass); };
    if (!isItem()) Fail(K::NeedNormalCharOrLeftParenthesis);
    TbmRENode* left = &LeavesOf(Current().Lo, Current().Hi);
    for (Advance(); !CurrentIs(K::RightBracket); Advance()) {
        if (!isItem()) Fail(K::NeedRightBracket);
        left = &NewUnion(*left, LeavesOf(Current().Lo, Current().Hi));
    }
    Advance();
    return *left;
}

TbmRENode& TbmRETree::LeavesOf(std::int32_t lo, std::int32_t hi) {
    const auto [first, last] = partition_->Span(lo, hi);
    TbmRENode* leaves = &NewChar((*partition_)[first].Lo, (*partition_)[first].Hi);
    for (std::size_t member = first + 1; member <= last; ++member) {
        leaves = &NewUnion(*leaves, NewChar((*partition_)[member].Lo, (*partition_)[member].Hi));
    }
    return *leaves;
}

void TbmRETree::ResolveAnchors() {
    const TbmRELeafNodeSet endOnly(EndMarker(), &arena_);
    for (const auto& leaf : leaves_) {
        if (leaf->Lo() == bmreLineHead) {
            if (root_->First().Contains(leaf->Index())) {
                lineHead_ = true;
            } else {
                leaf->SetRange('^', '^');
            }
        } else if (leaf->Lo() == bmreLineTail) {
            if (leaf->Follow() == endOnly) {
                lineTail_ = true;
            } else {
                leaf->SetRange('$', '$');
            }
        }
    }
}

namespace {

// A node's block and its slot in the tree's list.
template <class Node>
constexpr std::int64_t kNodeBytes = sizeof(Node) + TbmREBudget::kBlockOverhead + sizeof(void*);
// A leaf's one-element First and Last.
constexpr std::int64_t kLeafSetBytes = 2 * (sizeof(TbmRELeafIndex) + TbmREBudget::kBlockOverhead);

}  // namespace

template <class Node, class... Args>
Node& TbmRETree::Allocate(Args&&... args) {
    return *std::pmr::polymorphic_allocator<>(&arena_).new_object<Node>(std::forward<Args>(args)...,
                                                                        &arena_);
}

TbmRENode& TbmRETree::NewChar(std::int32_t lo, std::int32_t hi) {
    const auto index = static_cast<TbmRELeafIndex>(leaves_.size());
    budget_->SpendElements(2);
    budget_->SpendMemory(kNodeBytes<TbmRECharNode> + kLeafSetBytes);
    return *leaves_.emplace_back(&Allocate<TbmRECharNode>(index, lo, hi));
}

TbmRENode& TbmRETree::NewEpsilon() {
    const auto index = static_cast<TbmRELeafIndex>(leaves_.size());
    budget_->SpendMemory(kNodeBytes<TbmREEpsilonNode>);
    return *leaves_.emplace_back(&Allocate<TbmREEpsilonNode>(index));
}

TbmRENode& TbmRETree::NewCat(TbmRENode& a, TbmRENode& b) {
    budget_->SpendMemory(kNodeBytes<TbmRECatNode>);
    return *internalNodes_.emplace_back(&Allocate<TbmRECatNode>(a, b, leaves_, *budget_));
}

TbmRENode& TbmRETree::NewUnion(TbmRENode& a, TbmRENode& b) {
    budget_->SpendMemory(kNodeBytes<TbmREUnionNode>);
    return *internalNodes_.emplace_back(&Allocate<TbmREUnionNode>(a, b, *budget_));
}

TbmRENode& TbmRETree::NewClosure(const TbmRENode& a) {
    budget_->SpendMemory(kNodeBytes<TbmREClosureNode>);
    return *internalNodes_.emplace_back(&Allocate<TbmREClosureNode>(a, leaves_, *budget_));
}

}  // namespace kiova
