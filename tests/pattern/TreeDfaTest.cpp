#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "Dumps.h"
#include "bmRENode.h"

namespace kiova {
namespace {

using test::DfaOf;
using test::TreeOf;

TEST(TreeTest, BuildsTheTreeOfEachOperator) {
    struct Case {
        std::string pattern;
        std::string tree;
    };
    const Case cases[] = {
        {"", "Cat(eps,[END])"},
        {"ab", "Cat(Cat([a],[b]),[END])"},
        {"a|b*", "Cat(Union([a],Closure([b])),[END])"},
        {"a|b|c", "Cat(Union(Union([a],[b]),[c]),[END])"},
        {"a+", "Cat(Cat([a],Closure([a])),[END])"},
        {"a?", "Cat(Union([a],eps),[END])"},
        {"(|a)", "Cat(Union(eps,[a]),[END])"},
        {"()", "Cat(eps,[END])"},
        {"[a-c]b", "Cat(Cat(Union(Union([a],[b]),[c]),[b]),[END])"},
        {"[ca]", "Cat(Union([c],[a]),[END])"},
        {".", "Cat(Union(Union([0x0-0x9],[0xB-0xC]),[0xE-0xFFFF]),[END])"},
        // ^ and $ are anchors only where they can be matched first / last.
        {"^a$", "Cat(Cat(Cat([HEAD],[a]),[TAIL]),[END])"},
        {"a^b", "Cat(Cat(Cat([a],[^]),[b]),[END])"},
        {"a$b", "Cat(Cat(Cat([a],[$]),[b]),[END])"},
        {"$*", "Cat(Closure([$]),[END])"},
        {"(x|^b)", "Cat(Union([x],Cat([HEAD],[b])),[END])"},
        {"(a$|b)c", "Cat(Cat(Union(Cat([a],[$]),[b]),[c]),[END])"},
        {"a*^", "Cat(Cat(Closure([a]),[HEAD]),[END])"},  // a* may match nothing
        {"a+^", "Cat(Cat(Cat([a],Closure([a])),[^]),[END])"},
    };
    for (const Case& c : cases) EXPECT_EQ(TreeOf(c.pattern), c.tree) << c.pattern;
}

TEST(TreeTest, RaisesSyntaxErrorsAtTheOffendingToken) {
    struct Case {
        std::string pattern;
        std::string message;
        int startPos;
    };
    const Case cases[] = {
        {"a**", "need normal char or left parenthesis", 2},
        {"*a", "need normal char or left parenthesis", 0},
        {"a+?", "need normal char or left parenthesis", 2},
        {"(|*)", "need normal char or left parenthesis", 2},
        {"(a", "need right parenthesis", 2},
        {"((a)", "need right parenthesis", 4},
        {"a)b", "invalid character", 1},
        {"[^\\x0-\\xFFFF]", "need normal char or left parenthesis", 12},
    };
    for (const Case& c : cases) {
        try {
            TreeOf(c.pattern, TbmCharCode::ShiftJIS);
            ADD_FAILURE() << c.pattern << " accepted";
        } catch (const EbmREToken& e) {
            EXPECT_EQ(e.what(), c.message) << c.pattern;
            EXPECT_EQ(e.Token().StartPos, c.startPos) << c.pattern;
        }
    }
}

TEST(DfaTest, BuildsMergedRangeTransitions) {
    struct Case {
        std::string pattern;
        std::string dfa;
    };
    const Case cases[] = {
        {"", "0: accept\n"},
        {"a|ab", "0: [a]->1\n1: [b]->2 accept\n2: accept\n"},
        // a and b lead to the same state: one merged transition.
        {"(a|b)*c", "0: [a-b]->0 [c]->1\n1: accept\n"},
        // New states are numbered from the highest range down.
        {"ab|c", "0: [a]->2 [c]->1\n1: accept\n2: [b]->1\n"},
        {"^a$", "head\ntail\n0: [HEAD]->1\n1: [a]->2\n2: [TAIL]->3\n3: accept\n"},
        {"[^b]", "0: [0x0-0x9]->1 [0xB-0xC]->1 [0xE-a]->1 [c-0xFFFF]->1\n1: accept\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(DfaOf(c.pattern), c.dfa) << c.pattern;
}

TEST(DfaTest, StateBudgetTurnsExponentialPatternsIntoPatternErrors) {
    // (a|b)*a(a|b){n} needs 2^(n+1) states.
    const auto pattern = [](int n) {
        std::string text = "(a|b)*a";
        for (int i = 0; i < n; ++i) text += "(a|b)";
        return text;
    };
    EXPECT_NO_THROW(DfaOf(pattern(12)));  // 8192 states
    try {
        DfaOf(pattern(13));  // 16384 states
        FAIL() << "over-budget automaton built";
    } catch (const EbmREToken& e) {
        EXPECT_STREQ(e.what(), "pattern too complex");
        EXPECT_EQ(e.Token().Kind, TbmRETokenKind::PatternTooComplex);
    }
}

TEST(DfaTest, SetBudgetStopsQuadraticPositionSets) {
    // Thousands of separate characters split the alphabet into thousands of ranges; each dot
    // is then a union over all of them.
    std::string pattern = "[";
    for (int c = 0x1000; c < 0x1000 + 2 * 3000; c += 2) {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\x%04X", c);
        pattern += escape;
    }
    pattern += "]..";
    EXPECT_THROW(DfaOf(pattern, TbmCharCode::ShiftJIS), EbmREToken);
}

TEST(DfaTest, LongPatternsAreRefusedBeforeTheyCostMuch) {
    std::mt19937 random(1);
    std::string letters(1 << 20, 'a');
    for (char& letter : letters) letter = static_cast<char>('a' + random() % 26);
    EXPECT_THROW(DfaOf(letters), EbmREToken);                   // while it is scanned
    EXPECT_THROW(DfaOf(letters.substr(0, 40000)), EbmREToken);  // while its tree grows
    // An alternation holds sets linear in its length: a thousand words compile.
    std::string words;
    for (std::size_t w = 0; w < 1000; ++w) words += (w == 0 ? "" : "|") + letters.substr(w * 5, 4);
    EXPECT_NO_THROW(DfaOf(words));
}

TEST(TreeTest, NestingBudgetStopsRunawayRecursion) {
    const auto nested = [](int depth) {
        return std::string(depth, '(') + "a" + std::string(depth, ')');
    };
    EXPECT_EQ(TreeOf(nested(TbmREBudget::kMaxNesting)), "Cat([a],[END])");
    EXPECT_THROW(TreeOf(nested(TbmREBudget::kMaxNesting + 1)), EbmREToken);
    EXPECT_THROW(TreeOf(std::string(100000, '(')), EbmREToken);
}

TEST(LeafNodeSetTest, AddSetKeepsOrderAndRefusesItself) {
    TbmRELeafNodeSet set(std::vector<TbmRELeafIndex>{1, 4, 7});
    set.AddSet(TbmRELeafNodeSet(std::vector<TbmRELeafIndex>{0, 4, 9}));
    EXPECT_EQ(set, TbmRELeafNodeSet(std::vector<TbmRELeafIndex>{0, 1, 4, 7, 9}));
    try {
        set.AddSet(set);
        FAIL() << "set added to itself";
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), "TbmRELeafNodeSet.AddSet: Internal Error");
    }
}

}  // namespace
}  // namespace kiova
