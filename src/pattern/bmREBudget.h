// TbmREBudget: the bound on the work and memory one compile may take.
//
// Building the automaton up front is exponential for patterns such as (a|b)*a(a|b)(a|b)...,
// the position sets of the tree grow quadratically with some patterns, and a long pattern makes
// a long token list and a large tree, so a hostile pattern could exhaust memory or hang the
// program. A compile that passes any of these limits fails with the pattern error "pattern too
// complex", on its way rather than at the end, so no pattern costs more than a few megabytes
// (tokens, tree and automaton together) before it is refused. The limits lie far above real
// dialogue patterns: typical ones take under 20 states, 2,000 set elements and 20 KB, an
// alternation of 500 words 810 states and about 1 MB.
#pragma once

#include <cstddef>
#include <cstdint>

#include "bmREToken.h"

namespace kiova {

class TbmREBudget {
public:
    static constexpr std::int64_t kMaxStates = 10'000;
    // Leaf-set elements written while building the tree and the automaton: bounds the time.
    static constexpr std::int64_t kMaxSetElements = 16'000'000;
    // Bytes the tree's nodes and sets and the automaton's states keep: bounds the memory.
    static constexpr std::int64_t kMaxMemory = std::int64_t{4} << 20;
    // Tokens of one pattern (each scanned token is 20 bytes, and a compile holds two lists).
    static constexpr std::size_t kMaxTokens = 50'000;
    // Parentheses nested inside one another (each level is one recursion of the parser).
    static constexpr int kMaxNesting = 256;
    // What a heap block costs beyond its contents (the allocator's header and rounding).
    static constexpr std::int64_t kBlockOverhead = 16;

    void SpendElements(std::int64_t count) {
        elements_ += count;
        if (elements_ > kMaxSetElements) Exhausted();
    }
    void SpendMemory(std::int64_t bytes) {
        memory_ += bytes;
        if (memory_ > kMaxMemory) Exhausted();
    }
    void SpendState() {
        if (++states_ > kMaxStates) Exhausted();
    }
    // Throws "pattern too complex" for a token list longer than kMaxTokens.
    static void CheckTokenCount(std::size_t count) {
        if (count > kMaxTokens) Exhausted();
    }

    [[noreturn]] static void Exhausted() {
        bmRaiseTokenError(TbmRETokenRec{}, TbmRETokenKind::PatternTooComplex);
    }

private:
    std::int64_t elements_ = 0;
    std::int64_t memory_ = 0;
    std::int64_t states_ = 0;
};

}  // namespace kiova
