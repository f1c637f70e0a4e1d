#include <gtest/gtest.h>

#include <stdexcept>

#include "Dumps.h"
#include "bmRETokens.h"

namespace kiova {
namespace {

using test::DumpRanges;
using test::DumpStandardized;

TEST(RangesTest, AddRangeRefinesThePartition) {
    struct Case {
        TbmREWchRanges before;
        TbmREWchRange added;
        TbmREWchRanges after;
    };
    const Case cases[] = {
        {{{0, 5}, {20, 30}}, {10, 25}, {{0, 5}, {10, 19}, {20, 25}, {26, 30}}},
        {{}, {3, 7}, {{3, 7}}},
        {{{3, 7}}, {3, 7}, {{3, 7}}},
        {{{3, 7}}, {5, 5}, {{3, 4}, {5, 5}, {6, 7}}},
        {{{3, 7}}, {0, 10}, {{0, 2}, {3, 7}, {8, 10}}},
        {{{0, 9}}, {5, 15}, {{0, 4}, {5, 9}, {10, 15}}},
        {{{0, 3}, {6, 9}}, {2, 7}, {{0, 1}, {2, 3}, {4, 5}, {6, 7}, {8, 9}}},
        {{{5, 5}}, {0, 4}, {{0, 4}, {5, 5}}},  // touching ranges are never merged
        {{{0, 4}}, {5, 9}, {{0, 4}, {5, 9}}},
        {{{-3, -3}, {0, 9}}, {-2, -2}, {{-3, -3}, {-2, -2}, {0, 9}}},
        {{{0, 2}, {4, 6}, {8, 9}},
         {1, 8},
         {{0, 0}, {1, 2}, {3, 3}, {4, 6}, {7, 7}, {8, 8}, {9, 9}}},
    };
    for (const Case& c : cases) {
        TbmREWchRanges ranges = c.before;
        ranges.AddRange(c.added.Lo, c.added.Hi);
        EXPECT_EQ(DumpRanges(ranges), DumpRanges(c.after))
            << DumpRanges(c.before) << " + " << c.added.Lo << "-" << c.added.Hi;
    }
}

TEST(RangesTest, ComplementGivesTheGaps) {
    struct Case {
        TbmREWchRanges before;
        TbmREWchRanges after;  // within [0, 10]
    };
    const Case cases[] = {
        {{}, {{0, 10}}},
        {{{0, 2}, {5, 5}, {8, 10}}, {{3, 4}, {6, 7}}},
        {{{3, 4}}, {{0, 2}, {5, 10}}},
        {{{0, 4}, {5, 10}}, {}},
    };
    for (const Case& c : cases) {
        TbmREWchRanges ranges = c.before;
        ranges.Complement(0, 10);
        EXPECT_EQ(ranges, c.after) << DumpRanges(c.before);
    }
}

TEST(RangesTest, AnyCharLeavesOutTheLineBreaks) {
    TbmREWchRanges ranges;
    ranges.AddAnyChar();
    EXPECT_EQ(ranges, (TbmREWchRanges{{0, 9}, {11, 12}, {14, 0xFFFF}}));
    ranges.AddLineBreaks();
    EXPECT_EQ(ranges, (TbmREWchRanges{{0, 9}, {10, 10}, {11, 12}, {13, 13}, {14, 0xFFFF}}));
}

TEST(RangesTest, SpanFindsTheMembersThatMakeUpARange) {
    const TbmREWchRanges ranges{{0, 4}, {5, 9}, {10, 15}};
    EXPECT_EQ(ranges.Span(5, 15), (std::pair<std::size_t, std::size_t>{1, 2}));
    EXPECT_EQ(ranges.Span(0, 4), (std::pair<std::size_t, std::size_t>{0, 0}));
    EXPECT_THROW(ranges.Span(3, 9), std::logic_error);
    EXPECT_EQ(ranges.IndexOf(5, 9), 1u);
    EXPECT_EQ(ranges.IndexOf(5, 8), ranges.Count());
}

TEST(StandardizeTest, NegatedBracketsBecomeTheComplementWithoutLineBreaks) {
    // The scratch set starts from CR and LF and gains nothing outside its items.
    EXPECT_EQ(DumpStandardized("[^xa-z]"),
              "left bracket [ [ 0 2\ncharacter class 0x0 0x9 2 6\ncharacter class 0xB 0xC 2 6\n"
              "character class 0xE ` 2 6\ncharacter class { 0xFFFF 2 6\n"
              "right bracket ] ] 6 7\nend END END 7 8\n"
              "[0x0-0x9] [0xB-0xC] [0xE-`] [{-0xFFFF]");
    EXPECT_EQ(DumpStandardized("[^]]"),
              "left bracket [ [ 0 2\ncharacter class 0x0 0x9 2 3\ncharacter class 0xB 0xC 2 3\n"
              "character class 0xE \\ 2 3\ncharacter class ^ 0xFFFF 2 3\n"
              "right bracket ] ] 3 4\nend END END 4 5\n"
              "[0x0-0x9] [0xB-0xC] [0xE-\\] [^-0xFFFF]");
    // Everything excluded: the bracket is left without items.
    EXPECT_EQ(DumpStandardized("[^\\x0-\\xFFFF]", TbmCharCode::ShiftJIS),
              "left bracket [ [ 0 2\nright bracket ] ] 12 13\nend END END 13 14\n");
    // UTF-8 runs on to the last code point.
    EXPECT_EQ(DumpStandardized("[^\\x0-\\xFFFF]", TbmCharCode::UTF8),
              "left bracket [ [ 0 2\ncharacter class 0x10000 0x10FFFF 2 12\n"
              "right bracket ] ] 12 13\nend END END 13 14\n[0x10000-0x10FFFF]");
}

TEST(StandardizeTest, PartitionCoversEveryRangeTheTokensName) {
    EXPECT_EQ(DumpStandardized("a.^$"),
              "character a a 0 1\ndot . . 1 2\nline head ^ ^ 2 3\nline tail $ $ 3 4\n"
              "end END END 4 5\n"
              "[0x0-0x9] [0xB-0xC] [0xE-#] [$] [%-]] [^] [_-`] [a] [b-0xFFFF]");
    EXPECT_EQ(DumpStandardized("[a-c]b"),
              "left bracket [ [ 0 1\ncharacter class a c 1 4\nright bracket ] ] 4 5\n"
              "character b b 5 6\nend END END 6 7\n[a] [b] [c]");
}

TEST(StandardizeTest, AnEmptyTokenListIsAnInternalError) {
    TbmRETokens tokens;
    TbmREWchRanges partition{{1, 2}};
    try {
        Standardize(tokens, partition);
        FAIL() << "empty list accepted";
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), "TbmRETokens.Standardize Internal Error(1)");
    }
    EXPECT_TRUE(partition.Empty());
}

}  // namespace
}  // namespace kiova
