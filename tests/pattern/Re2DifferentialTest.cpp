// The engine against RE2 (leftmost-longest mode) on random Western patterns without anchors.
#include <gtest/gtest.h>
#include <re2/re2.h>

#include "RandomPatterns.h"
#include "bmRExp.h"

namespace kiova {
namespace {

TEST(Re2DifferentialTest, RandomWesternPatternsFindTheSameMatches) {
    RE2::Options options;
    options.set_encoding(RE2::Options::EncodingLatin1);
    options.set_longest_match(true);
    options.set_log_errors(false);

    // ASCII only: RE2 loses Latin-1 literals above 0x7F when it factors common prefixes out of
    // alternatives (\xE9|\xE9 never matches). The exhaustive-matcher test covers such bytes.
    test::PatternGenerator generator(TbmCharCode::Western,
                                     {'a', 'b', 'c', '-', ']', '^', '\n', '\r'}, 3);
    int failures = 0;
    int matched = 0;
    for (int i = 0; i < 5000 && failures < 10; ++i) {
        const test::RandomPattern pattern = generator.Pattern(false);
        const RE2 oracle(test::Re2Syntax(pattern), options);
        ASSERT_TRUE(oracle.ok()) << test::Re2Syntax(pattern) << ": " << oracle.error();
        TbmRExp re(TbmCharCode::Western);
        re.SetPattern(test::OurSyntax(pattern));
        for (int t = 0; t < 10; ++t) {
            const std::string text = generator.Text(16);
            re2::StringPiece found;
            const bool oracleMatched =
                oracle.Match(text, 0, text.size(), RE2::UNANCHORED, &found, 1);
            const int oraclePosition =
                oracleMatched ? static_cast<int>(found.data() - text.data()) + 1 : 0;
            const int oracleLength = oracleMatched ? static_cast<int>(found.size()) : 0;
            int length = -1;
            const int position = re.Match(text, 1, length);
            if (position != 0 && length > 0) ++matched;
            if (position != oraclePosition || length != oracleLength) {
                ++failures;
                ADD_FAILURE() << "pattern " << test::OurSyntax(pattern) << " (RE2 "
                              << test::Re2Syntax(pattern) << ") text "
                              << testing::PrintToString(text) << ": got " << position << ","
                              << length << ", RE2 " << oraclePosition << "," << oracleLength;
            }
        }
    }
    EXPECT_GT(matched, 1000);  // the random cases do exercise non-empty matches
}

}  // namespace
}  // namespace kiova
