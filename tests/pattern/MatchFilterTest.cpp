// The match filter against the plain search: it may rule out only texts in which the pattern
// has no match, and it should rule out most texts that lack the pattern's characters.
#include <gtest/gtest.h>

#include "RandomPatterns.h"
#include "bmREMatchFilter.h"
#include "bmRESearchText.h"
#include "bmRExp.h"

namespace kiova {
namespace {

struct FilterCounts {
    int withoutMatch = 0;
    int ruledOut = 0;
};

// Random patterns (anchors included) and texts over `alphabet`: every text in which the search
// finds a match must pass the filter. Counts how many texts without a match it ruled out.
FilterCounts CompareWithSearch(TbmCharCode code, std::vector<std::int32_t> alphabet,
                               std::uint32_t seed) {
    test::PatternGenerator generator(code, std::move(alphabet), seed);
    FilterCounts counts;
    int failures = 0;
    for (int i = 0; i < 3000 && failures < 10; ++i) {
        const test::RandomPattern pattern = generator.Pattern(true);
        TbmRExp re(code);
        re.SetPattern(test::OurSyntax(pattern));
        const TbmREMatchFilter filter = re.Filter();
        for (int t = 0; t < 8; ++t) {
            const std::string text = generator.Text(12, code == TbmCharCode::ShiftJIS);
            const bool found = re.Match(text, 1) != 0;
            const bool mayMatch = filter.MayMatchIn(TbmRESearchText(text, code));
            if (found && !mayMatch) {
                ++failures;
                ADD_FAILURE() << "pattern " << test::OurSyntax(pattern) << " matches in "
                              << testing::PrintToString(text) << " but the filter ruled it out";
            }
            if (!found) {
                ++counts.withoutMatch;
                counts.ruledOut += mayMatch ? 0 : 1;
            }
        }
    }
    return counts;
}

TEST(MatchFilterTest, NeverRulesOutATextWithAMatch) {
    CompareWithSearch(TbmCharCode::Western, {'a', 'b', 'c', '^', '$', '\n', '\r', 0xE9}, 11);
    // ア (0x83 0x41) ends in the byte of A; 0x889F ends in a byte of the lead range; texts
    // sometimes end in a lone lead byte.
    CompareWithSearch(TbmCharCode::ShiftJIS, {'A', 'a', 0x8341, 0x82A0, 0x889F, '\n', '\r'}, 12);
}

TEST(MatchFilterTest, RulesOutMostTextsThatLackThePatternsCharacters) {
    std::vector<std::int32_t> letters;
    for (std::int32_t c = 'a'; c <= 'z'; ++c) letters.push_back(c);
    const FilterCounts counts = CompareWithSearch(TbmCharCode::Western, letters, 13);
    // Dots, negated and wide classes and nullable patterns cannot be filtered; the rest can.
    EXPECT_GT(counts.ruledOut, counts.withoutMatch / 2)
        << counts.ruledOut << " of " << counts.withoutMatch;
}

TEST(MatchFilterTest, SpecialTextsAndPatterns) {
    constexpr TbmCharCode W = TbmCharCode::Western;
    constexpr TbmCharCode S = TbmCharCode::ShiftJIS;
    struct Case {
        TbmCharCode patternCode;
        std::string pattern;
        TbmCharCode textCode;
        std::string text;
        bool mayMatch;
    };
    const Case cases[] = {
        {W, "hello", W, "world peace", false},
        {W, "(hi|yo)!", W, "oh, hi!", true},
        {W, "(hi|yo)!", W, "yes", false},
        // A pattern that can match the empty string, or at a line end, needs no character.
        {W, "x*", W, "", true},
        {W, "x|", W, "abc", true},
        {W, "$", W, "", true},
        {W, "(x|$)", W, "abc", true},
        {W, "^(x|)", W, "abc", true},
        // A step that reads too many characters to keep is passed over, not the steps after.
        {W, ".b", W, "ab", true},
        {W, ".b", W, "aa", false},
        // The trail byte of ア (0x83 0x41) is no A: only whole characters count.
        {S, "A", S, "\x83\x41", false},
        {S, "\x83\x41", S, "x\x83\x41", true},
        // A text of another code, or one its reader refuses, is never ruled out.
        {W, "hello", TbmCharCode::UniCode, std::string("w\0o\0", 4), true},
        {TbmCharCode::UniCode, std::string("h\0", 2), TbmCharCode::UniCode, "odd", true},
    };
    for (const Case& c : cases) {
        TbmRExp re(c.patternCode);
        re.SetPattern(c.pattern);
        EXPECT_EQ(re.Filter().MayMatchIn(TbmRESearchText(c.text, c.textCode)), c.mayMatch)
            << testing::PrintToString(c.pattern) << " in " << testing::PrintToString(c.text);
    }
    EXPECT_TRUE(TbmREMatchFilter().MayMatchIn(TbmRESearchText("", W)));
    TbmRExp invalid(W);
    invalid.SetPattern("a**");
    EXPECT_THROW(invalid.Filter(), EbmREToken);
}

}  // namespace
}  // namespace kiova
