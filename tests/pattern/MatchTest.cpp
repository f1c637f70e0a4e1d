#include <gtest/gtest.h>

#include <stdexcept>

#include "bmREDFA.h"
#include "bmRExp.h"

namespace kiova {
namespace {

struct MatchCase {
    TbmCharCode code;
    std::string pattern;
    std::string text;
    int position;
    int length;
};

void ExpectMatches(const MatchCase& c, int start = 1) {
    TbmRExp re(c.code);
    re.SetPattern(c.pattern);
    int length = -1;
    EXPECT_EQ(re.Match(c.text, start, length), c.position) << c.pattern << " in " << c.text;
    EXPECT_EQ(length, c.length) << c.pattern << " in " << c.text;
}

constexpr TbmCharCode W = TbmCharCode::Western;
constexpr TbmCharCode S = TbmCharCode::ShiftJIS;

TEST(MatchTest, FindsTheLeftmostLongestMatch) {
    const MatchCase cases[] = {
        {W, "", "", 1, 0},
        {W, "", "abc", 1, 0},
        {W, "abc", "xxabcabc", 3, 3},
        {W, "a|ab", "ab", 1, 2},
        {W, "a*", "baaa", 1, 0},  // a nullable pattern matches at the start position
        {W, "a+", "baaa", 2, 3},
        {W, "(a|ab)(c|bcd)", "abcd", 1, 4},
        {W, "x", "abc", 0, 0},
        {W, "ab?c", "xacabc", 2, 2},
        {W, "[]a]+", "x]a]", 2, 3},
        {W, "[a-]+", "b-a-", 2, 3},
        {W, "[^xa-z]+", "ab12c", 3, 2},
        {W, "{PRIOR}", "x{PRIOR}", 2, 7},
        {W, "\\x41\\101", "zAA", 2, 2},
        {W, "a\\nb", "a\nb", 1, 3},
        {W, "a.c",
         "a\xFF"
         "c",
         1, 3},
        {W, ".", "\n\r", 0, 0},
        {W, "[^a]", "\r\n", 0, 0},
        {W, "[^a]", "\r\nb", 3, 1},
        {W, "a.*", "xab\ncd", 2, 2},
    };
    for (const MatchCase& c : cases) ExpectMatches(c);
}

TEST(MatchTest, AnchorsMatchAtLineStartsAndEnds) {
    const MatchCase cases[] = {
        {W, "^b", "a\nb", 3, 1},
        {W, "^b", "a\r\nb", 4, 1},
        {W, "^b", "a\rb", 3, 1},
        {W, "^b", "ab", 0, 0},
        {W, "^b", "b", 1, 1},
        // A CR directly followed by LF does not start a line; the LF ends it.
        {W, "^\\n", "a\r\n", 0, 0},
        {W, "^\\n", "a\n\n", 3, 1},
        {W, "^\\r", "\r\r", 1, 1},
        {W, "^", "abc", 1, 0},
        {W, "a$", "a", 1, 1},
        {W, "a$", "ba\nb", 2, 1},
        {W, "a$", "a\r", 1, 1},
        {W, "a$", "ab", 0, 0},
        {W, "b*$", "abb", 2, 2},
        {W, "$", "ab", 3, 0},
        {W, "^$", "a\n\nb", 3, 0},
        {W, "^a*$", "b\naa", 3, 2},
        // Where they cannot be first / last they are the characters ^ and $.
        {W, "a^b", "a^b", 1, 3},
        {W, "a$b", "xa$b", 2, 3},
        {W, "$*", "$$x", 1, 2},
        {W, "(x|^b)", "ab", 0, 0},
        {W, "(x|^b)", "b", 1, 1},
        {W, "(x|^b)", "ax", 2, 1},
        {W, "(a|^)b", "b", 1, 1},
        {W, "(a|^)b", "cab", 2, 2},
    };
    for (const MatchCase& c : cases) ExpectMatches(c);
}

TEST(MatchTest, DoubleByteCharactersAreMatchedWhole) {
    const MatchCase cases[] = {
        // The trail byte 0x41 of ア is not an A.
        {S, "A", "\x83\x41", 0, 0},
        {S, "A",
         "\x83\x41"
         "A",
         3, 1},
        {S, "\x82\xA0+", "x\x82\xA0\x82\xA0", 2, 4},
        {S, "[\x82\x9F-\x82\xF1]+",
         "ab\x82\xA0\x82\xA2"
         "c",
         3, 4},
        {S, "\\x8140", "a\x81\x40", 2, 2},
        {S, ".", "\x88\x9F", 1, 2},
        {S, "\x9F\x88", "\x88\x9F\x88\x9F", 0, 0},
        // A lead byte at the very end: the match stays inside the text.
        {S, "a.", "xa\x88", 2, 2},
        {S, "$", "a\x88", 3, 0},
        {TbmCharCode::JapaneseEUC, "\xA4\xA2", "x\xA4\xA2", 2, 2},
        {TbmCharCode::JapaneseEUC, "A", "\xA4\x41", 0, 0},
        {TbmCharCode::UniCode, std::string("b\0", 2), std::string("a\0b\0", 4), 3, 2},
        {TbmCharCode::UniCode, std::string("^\0b\0", 4), std::string("a\0\n\0b\0", 6), 5, 2},
    };
    for (const MatchCase& c : cases) ExpectMatches(c);
}

TEST(MatchTest, StartPositionSelectsWhereTheSearchBegins) {
    ExpectMatches({W, "b", "abb", 3, 1}, 3);
    ExpectMatches({W, "", "abc", 4, 0}, 4);
    ExpectMatches({W, "^b", "a\nb", 3, 1}, 3);
    ExpectMatches({W, "^b", "ab", 0, 0}, 2);
    ExpectMatches({W, "^b", "a\r\nb", 4, 1}, 4);
    ExpectMatches({W, "^\\n", "a\r\n", 0, 0}, 3);
    ExpectMatches({W, "^\\n", "a\r\r\n", 0, 0}, 3);
    ExpectMatches({W, "^\\r", "a\r\r", 3, 1}, 3);
    ExpectMatches({W, "", "abc", 0, 0}, 0);
    ExpectMatches({W, "", "abc", 0, 0}, 5);
    ExpectMatches({W, "", "abc", 0, 0}, -7);
}

TEST(MatchTest, InvalidPatternsRaiseEveryTimeUntilReplaced) {
    TbmRExp re(W);
    re.SetPattern("(a");
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            re.Match("a", 1);
            FAIL() << "invalid pattern matched";
        } catch (const EbmREToken& e) {
            EXPECT_STREQ(e.what(), "need right parenthesis");
        }
        EXPECT_FALSE(re.Compiled());
    }
    EXPECT_THROW(re.Match("", 1), EbmREToken);  // out-of-range starts compile first, too
    re.SetPattern("(a)");
    EXPECT_EQ(re.Match("ba", 1), 2);
    EXPECT_TRUE(re.Compiled());
}

TEST(MatchTest, ChangesDropTheCompiledAutomaton) {
    TbmRExp re(W);
    re.SetPattern("ab");
    const TbmREDFATable* dfa = &re.GetDFATable();
    re.SetPattern("ab");
    re.SetOption(7, true);
    re.SetCharCode(W);
    EXPECT_TRUE(re.Compiled());
    EXPECT_EQ(&re.GetDFATable(), dfa);

    re.SetOption(bmreoIgnoreCase, true);
    EXPECT_FALSE(re.Compiled());
    EXPECT_EQ(re.Match("xAb", 1), 2);
    re.SetCharCode(S);
    EXPECT_FALSE(re.Compiled());
    EXPECT_EQ(re.GetCharCode(), S);
    EXPECT_EQ(re.Match("\x83\x41"
                       "B",
                       1),
              0);  // the trail byte still is no letter
    re.SetPattern("x");
    EXPECT_FALSE(re.Compiled());
}

TEST(MatchTest, OptionsChangeTheLanguage) {
    TbmRExp re(W);
    re.SetOption(bmreoIgnoreCase, true);
    re.SetPattern("ab+");
    EXPECT_EQ(re.Match("xABbB", 1), 2);
    re.SetPattern("[ab]");
    EXPECT_EQ(re.Match("AB", 1), 0);  // letters in brackets keep their case
    EXPECT_TRUE(re.Option(bmreoIgnoreCase));

    re.SetOption(bmreoIgnoreCase, false);
    re.SetOption(bmreoRegExpSyntax, false);
    EXPECT_FALSE(re.Option(bmreoRegExpSyntax));
    re.SetPattern("a.b\\");
    EXPECT_EQ(re.Match("axb a.b\\", 1), 5);
    re.SetPattern("(a");
    EXPECT_EQ(re.Match("x(a", 1), 2);
}

TEST(MatchTest, CodesWithoutAReaderOrBadTextsFailWithTheirOwnErrors) {
    TbmRExp jis(TbmCharCode::JIS);
    jis.SetPattern("a");
    EXPECT_THROW(jis.Match("a", 1), std::invalid_argument);
    EXPECT_FALSE(jis.Compiled());

    TbmRExp unicode(TbmCharCode::UniCode);
    unicode.SetPattern(std::string("a\0", 2));
    EXPECT_THROW(unicode.Match("abc", 1), std::invalid_argument);
}

TEST(MatchTest, NewPatternsTakeTheDefaultCharCode) {
    EXPECT_EQ(TbmRExp().GetCharCode(), TbmCharCode::ShiftJIS);
    bmccSetDefaultCharCode(W);
    EXPECT_EQ(TbmRExp().GetCharCode(), W);
    bmccSetDefaultCharCode(S);
}

TEST(MatchTest, OverBudgetPatternsAreErrorsThatCallersTreatAsNoMatch) {
    std::string pattern = "(a|b)*a";
    for (int i = 0; i < 20; ++i) pattern += "(a|b)";
    TbmRExp re(W);
    re.SetPattern(pattern);
    EXPECT_THROW(re.Match("", 1), EbmREToken);
    EXPECT_FALSE(re.Compiled());
}

}  // namespace
}  // namespace kiova
