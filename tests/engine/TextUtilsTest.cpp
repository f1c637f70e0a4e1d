#include <gtest/gtest.h>

#include "CodePage.h"
#include "TextUtils.h"

namespace kiova {
namespace {

using Fields = std::vector<std::string>;

TEST(NormalizeText, MapsExactlyTheTableAndNothingElse) {
    EXPECT_EQ(NormalizeText(u"\uFF54\uFF52\uFF55\uFF45"), u"TRUE");
    EXPECT_EQ(NormalizeText(u"true"), u"TRUE");
    EXPECT_EQ(NormalizeText(u"\uFFE5"), u"\\");
    EXPECT_EQ(NormalizeText(u"\uFFE3\u201D\u2019\u3000\uFF10\uFF19"), u"~\"' 09");
    EXPECT_EQ(NormalizeText(u"\u65E5\u3042\uFF71ABC"), u"\u65E5\u3042\uFF71ABC");

    // Walk the whole UTF-16 range: exactly 121 characters change, all into printable ASCII.
    int changed = 0;
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        std::u16string one(1, static_cast<char16_t>(c));
        std::u16string mapped = NormalizeText(one);
        if (mapped == one) continue;
        ++changed;
        EXPECT_GE(mapped[0], u' ');
        EXPECT_LE(mapped[0], u'~');
    }
    EXPECT_EQ(changed, 121);
    // The full-width quote and apostrophe are not in the table; the typographic ones are.
    EXPECT_EQ(NormalizeText(u"\uFF02\uFF07"), u"\uFF02\uFF07");
}

TEST(TextToBool, AcceptsTrueAndNonZeroIntegersOnly) {
    for (std::u16string yes : {u"True", u"TRUE", u"\uFF54\uFF52\uFF55\uFF45", u"1", u"-5", u" 7"})
        EXPECT_TRUE(TextToBool(Utf16ToAnsi(yes))) << Utf16ToUtf8(yes);
    for (std::string no : {"yes", "0", "", "1.0", "0x1", "TRUE ", "99999999999"})
        EXPECT_FALSE(TextToBool(no)) << no;
    EXPECT_EQ(BoolToText(true), "True");
    EXPECT_EQ(BoolToText(false), "False");
}

TEST(StripBraces, DropsNestedTextAndSurvivesStrayBraces) {
    EXPECT_EQ(StripBraces(u"a{b{c}d}e"), u"ae");
    EXPECT_EQ(StripBraces(u"a}b"), u"ab");
    EXPECT_EQ(StripBraces(u"{a}b}c{d"), u"bcd");
    EXPECT_EQ(StripBraces(u"ab{cd"), u"ab");
    EXPECT_EQ(StripBraces(u""), u"");
}

TEST(Fields, CountCutAndNth) {
    EXPECT_EQ(CountFields("", ","), 0);
    EXPECT_EQ(CountFields("a", ","), 1);
    EXPECT_EQ(CountFields("a,b,,c,", ","), 5);
    EXPECT_EQ(CountFields("a,b", ",,"), 1);
    EXPECT_EQ(NthField("a,b,c", ",", 0), "a");
    EXPECT_EQ(NthField("a,b,c", ",", 1), "b");
    EXPECT_EQ(NthField("a,b,c", ",", 2), "c");
    EXPECT_EQ(NthField("a,b,c", ",", 3), "");
    EXPECT_EQ(NthField("a,b,c", ",", -1), "");
    EXPECT_EQ(NthField("a::b", "::", 1), "b");

    std::string text = "key=value=more";
    EXPECT_EQ(CutField(text, "="), "key");
    EXPECT_EQ(text, "value=more");
    EXPECT_EQ(CutField(text, "#"), "value=more");
    EXPECT_EQ(text, "");
}

TEST(Fields, SeparatorNeverMatchesInsideADoubleByteCharacter) {
    // "ソ" is 0x83 0x5C: its trail byte is a backslash.
    const std::string so = "\x83\x5C";
    EXPECT_EQ(CountFields(so + "\\x", "\\"), 2);
    EXPECT_EQ(NthField(so + "\\x", "\\", 0), so);
    EXPECT_EQ(NthField("a\\" + so, "\\", 1), so);
}

TEST(SmallTransforms, EscapingDigitsAndLineBreaks) {
    EXPECT_EQ(EscapeUrlChars("50%&x"), "50%25%26x");
    EXPECT_EQ(EscapeUrlChars("%25"), "%2525");
    EXPECT_EQ(DigitPattern("#"), "[0-9]");
    EXPECT_EQ(DigitPattern("#\\#"), "[0-9]#");
    EXPECT_EQ(DigitPattern("AGE##"), "AGE[0-9][0-9]");
    EXPECT_EQ(DigitPattern("a\\[0-9]"), "a#");  // a written class after a backslash, too
    EXPECT_EQ(RemoveLineBreaks("a\r\nb\rc\nd"), "abcd");
}

TEST(SplitFieldList, FollowsTheFieldRule) {
    struct Case {
        std::string line;
        Fields fields;
    };
    const Case cases[] = {
        {"a b,c", {"a", "b", "c"}},
        {"a,,b", {"a", "", "b"}},
        {"a,", {"a"}},
        {"  \t a  ,  b  ", {"a", "b"}},
        {"data1.txt data2.txt", {"data1.txt", "data2.txt"}},
        {"\"my file.txt\"", {"my file.txt"}},
        {"\"say \"\"hi\"\", ok\",x", {"say \"hi\", ok", "x"}},
        {"\"unclosed, text", {"unclosed, text"}},
        {"\"\",b", {"", "b"}},
        {"", {}},
        {" , ", {""}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitFieldList(c.line), c.fields) << c.line;
    EXPECT_EQ(SplitFieldList(std::string("a\0b", 3)), Fields{"a"});
}

TEST(SplitFieldList, StepsOverDoubleByteCharacters) {
    // 0x8140 is the ideographic space: its trail byte 0x40 is no blank, and 0x8122 style trail
    // bytes never close a quote. A lead byte as the last byte ends the field safely.
    const std::string kanji = "\x93\xFA";
    EXPECT_EQ(SplitFieldList(kanji + "," + kanji), (Fields{kanji, kanji}));
    EXPECT_EQ(SplitFieldList("\"\x81\x22\",x"), (Fields{"\x81\x22", "x"}));
    EXPECT_EQ(SplitFieldList("a,\x93"), (Fields{"a", "\x93"}));
    EXPECT_EQ(SplitFieldList("\"\x93"), (Fields{"\x93"}));
}

TEST(SplitLines, AcceptsEveryLineEnd) {
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (Fields{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), (Fields{"a"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (Fields{"a", ""}));
    EXPECT_EQ(SplitLines("a\n\rb"), (Fields{"a", "", "b"}));
    EXPECT_EQ(SplitLines(std::string("a\nb\0c\nd", 7)), (Fields{"a", "b"}));
    EXPECT_EQ(SplitLines(""), Fields{});
    EXPECT_EQ(JoinLinesCrLf({"a", ""}), "a\r\n\r\n");
}

}  // namespace
}  // namespace kiova
