// The literal prefilter: which patterns it takes, and where it finds their literals.
#include <gtest/gtest.h>

#include "bmREPrefilter.h"
#include "bmRExp.h"

namespace kiova {
namespace {

TbmREPackedAutomata::TEntry Pack(TbmREPackedAutomata& automata, const std::string& pattern) {
    TbmRExp re(TbmCharCode::Western);
    re.SetPattern(pattern);
    return automata.Add(re.GetDFATable());
}

// Taking a pattern whose matches need not begin with a literal would lose its matches; refusing
// every pattern would filter nothing.
TEST(PrefilterTest, TakesOnlyPatternsWhoseMatchesBeginWithALiteral) {
    TbmREPackedAutomata automata;
    TbmREPrefilter prefilter;
    std::uint32_t n = 0;
    for (const std::string pattern :
         {"hello", "(hi|hello)", "ab.*cd", "ab[xyz]c", "^ab", "ab$", "ab[0-9]", "ab+", "(ab)+c"}) {
        EXPECT_TRUE(prefilter.Add(n++, automata, Pack(automata, pattern))) << pattern;
    }
    for (const std::string pattern :
         {"", "a", ".*ab", "a.b", "[a-z]+x", "(a|bc)", "x?y", "(ab)*", "[a-h][a-h]", "^", "$"}) {
        EXPECT_FALSE(prefilter.Add(n++, automata, Pack(automata, pattern))) << pattern;
    }
}

// Literals inside other literals are found through the suffix links, and an anchored literal
// only at a line start: the text start, after LF, after a CR that no LF follows (so never at
// the LF of a CR LF).
TEST(PrefilterTest, FindsOverlappingLiteralsAndAnchoredOnesAtLineStartsOnly) {
    TbmREPackedAutomata automata;
    TbmREPrefilter prefilter;
    std::uint32_t n = 0;
    for (const std::string pattern : {"abcd", "bc", "^cd", "cd", "^\nc"}) {
        ASSERT_TRUE(prefilter.Add(n++, automata, Pack(automata, pattern)));
    }
    prefilter.Finish();
    const auto hits = [&](const std::string& text) {
        const std::vector<std::int32_t> line(text.begin(), text.end());
        std::vector<TbmREPrefilter::THit> found;
        prefilter.Scan(line, found);
        std::vector<std::pair<std::uint32_t, std::uint32_t>> positions;
        for (const auto& hit : found) positions.push_back({hit.Position, hit.Pattern});
        return positions;
    };
    using Hits = std::vector<std::pair<std::uint32_t, std::uint32_t>>;
    EXPECT_EQ(hits("xabcd"), (Hits{{4, 1}, {5, 0}, {5, 3}}));
    EXPECT_EQ(hits("cd\rcd\r\ncd"), (Hits{{2, 2}, {2, 3}, {5, 2}, {5, 3}, {9, 2}, {9, 3}}));
    EXPECT_EQ(hits("bbccd"), (Hits{{3, 1}, {5, 3}}));
    EXPECT_EQ(hits("\r\ncd"), (Hits{{4, 2}, {4, 3}}));
    EXPECT_EQ(hits("\ncd"), (Hits{{2, 4}, {3, 2}, {3, 3}}));
}

}  // namespace
}  // namespace kiova
