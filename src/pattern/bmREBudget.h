// TbmREBudget: the bound on the work and memory one compile may take.
//
// Building the automaton up front is exponential for patterns such as (a|b)*a(a|b)(a|b)...,
// and the position sets of the tree grow quadratically with some patterns, so a hostile pattern
// could exhaust memory or hang the program. A compile that passes any of these limits fails
// with the pattern error "pattern too complex". The limits lie far above real dialogue patterns:
// typical ones take under 20 states and 2,000 set elements, an alternation of 500 words 810
// states and half a million elements; a pattern that exhausts the budget fails within about
// 0.15 s and 70 MB.
#pragma once

#include <cstdint>

#include "bmREToken.h"

namespace kiova {

class TbmREBudget {
public:
    static constexpr std::int64_t kMaxStates = 10'000;
    // Leaf-set elements written while building the tree and the automaton (4 bytes each).
    static constexpr std::int64_t kMaxSetElements = 16'000'000;
    // Parentheses nested inside one another (each level is one recursion of the parser).
    static constexpr int kMaxNesting = 256;

    void SpendElements(std::int64_t count) {
        elements_ += count;
        if (elements_ > kMaxSetElements) Exhausted();
    }
    void SpendState() {
        if (++states_ > kMaxStates) Exhausted();
    }

    [[noreturn]] static void Exhausted() {
        bmRaiseTokenError(TbmRETokenRec{}, TbmRETokenKind::PatternTooComplex);
    }

private:
    std::int64_t elements_ = 0;
    std::int64_t states_ = 0;
};

}  // namespace kiova
