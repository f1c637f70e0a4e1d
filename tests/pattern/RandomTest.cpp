// The engine against an exhaustive matcher on thousands of random patterns and texts.
#include <gtest/gtest.h>

#include "RandomPatterns.h"
#include "bmRExp.h"

namespace kiova {
namespace {

void CompareWithGold(TbmCharCode code, std::vector<std::int32_t> alphabet, std::uint32_t seed) {
    test::PatternGenerator generator(code, std::move(alphabet), seed);
    int failures = 0;
    for (int i = 0; i < 2000 && failures < 10; ++i) {
        const test::RandomPattern pattern = generator.Pattern(true);
        TbmRExp re(code);
        re.SetPattern(test::OurSyntax(pattern));
        for (int t = 0; t < 8; ++t) {
            const std::string text = generator.Text(12, code == TbmCharCode::ShiftJIS);
            const auto [goldPosition, goldLength] = test::GoldSearch(pattern, text, code);
            int length = -1;
            const int position = re.Match(text, 1, length);
            if (position != goldPosition + 1 || length != goldLength) {
                ++failures;
                ADD_FAILURE() << "pattern " << test::OurSyntax(pattern) << " text "
                              << testing::PrintToString(text) << ": got " << position << ","
                              << length << " expected " << goldPosition + 1 << "," << goldLength;
            }
        }
    }
}

TEST(RandomTest, WesternPatternsAgreeWithExhaustiveMatching) {
    CompareWithGold(TbmCharCode::Western, {'a', 'b', 'c', '^', '$', '\n', '\r', 0xE9}, 1);
}

TEST(RandomTest, ShiftJISPatternsAgreeWithExhaustiveMatching) {
    // ア (0x83 0x41) ends in the byte of A; 0x889F ends in a byte of the lead range.
    CompareWithGold(TbmCharCode::ShiftJIS, {'A', 'a', 0x8341, 0x82A0, 0x889F, '\n', '\r'}, 2);
}

}  // namespace
}  // namespace kiova
