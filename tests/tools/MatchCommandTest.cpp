#include <gtest/gtest.h>

#include "RunTool.h"

namespace kiova {
namespace {

using testing::RunTool;

TEST(MatchCommand, PrintsPositionAndLengthInBytesOfTheChosenCode) {
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const Case cases[] = {
        {{"abc", "xxabcabc"}, "3 3\n"},
        {{"x", "abc"}, "0 0\n"},
        {{"", ""}, "1 0\n"},
        // Shift JIS by default: あ is two bytes and repeats whole.
        {{"\xE3\x81\x82+", "x\xE3\x81\x82\xE3\x81\x82"}, "2 4\n"},
        {{"--code", "sjis", "A",
          "\xE3\x82\xA2"
          "A"},
         "3 1\n"},  // ア ends in the byte of A
        {{"--code", "euc", "\xE3\x81\x82", "x\xE3\x81\x82"}, "2 2\n"},
        {{"--code", "western", "\xC3\xA9", "caf\xC3\xA9"}, "4 1\n"},
        {{"--code", "unicode", "b", "ab"}, "3 2\n"},
        {{"--ignore-case", "ab", "xAB"}, "2 2\n"},
        {{"a",
          "\xE2\x82\xAC"
          "a"},
         "2 1\n"},  // € has no Shift JIS code: it becomes ?
        {{"--hex", "41", "834141"}, "3 1\n"},
        {{"--hex", "--code", "western", "41", "834141"}, "2 1\n"},
        {{"--", "--x", "a--x"}, "2 3\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"match"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto result = RunTool(args);
        EXPECT_EQ(result.out, c.out) << ::testing::PrintToString(c.args);
        EXPECT_EQ(result.status, 0) << ::testing::PrintToString(c.args) << result.err;
    }
}

TEST(MatchCommand, PatternErrorsArePrintedAndFail) {
    const auto result = RunTool({"match", "(a", "a"});
    EXPECT_EQ(result.out, "error: need right parenthesis\n");
    EXPECT_EQ(result.status, 1);

    const auto odd = RunTool({"match", "--code", "unicode", "--hex", "41", "4100"});
    EXPECT_EQ(odd.out, "error: TbmUniCodeReader.SetTextBuff: ByteLength must be even.\n");
    EXPECT_EQ(odd.status, 1);
}

TEST(MatchCommand, BatchAnswersEveryLineInOrder) {
    const auto result = RunTool({"match", "--batch"}, "a\tba\n(a\tx\n\tabc\r\nno tab\n^b\ta\n");
    EXPECT_EQ(result.out,
              "2 1\nerror: need right parenthesis\n1 0\nerror: expected PATTERN<TAB>TEXT\n0 0\n");
    EXPECT_EQ(result.status, 0);

    const auto hex = RunTool({"match", "--batch", "--hex"}, "41\t4241\nzz\t41\n0a\t410a\n");
    EXPECT_EQ(hex.out, "2 1\nerror: invalid hexadecimal bytes\n2 1\n");
    EXPECT_EQ(hex.status, 0);
}

TEST(MatchCommand, UsageErrors) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"match"},
             {"match", "a"},
             {"match", "a", "b", "c"},
             {"match", "--code", "jis", "a", "b"},
             {"match", "--code"},
             {"match", "--frob", "a", "b"},
             {"match", "--batch", "a", "b"},
             {"match", "--hex", "4", "41"},
         }) {
        const auto result = RunTool(args);
        EXPECT_EQ(result.status, 2) << ::testing::PrintToString(args);
        EXPECT_EQ(result.out, "") << ::testing::PrintToString(args);
    }
}

}  // namespace
}  // namespace kiova
