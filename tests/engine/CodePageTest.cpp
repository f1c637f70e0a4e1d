#include <gtest/gtest.h>

#include "CodePage.h"

namespace kiova {
namespace {

// "日本語" in Shift_JIS and UTF-16.
const std::string kNihongoSjis = "\x93\xFA\x96\x7B\x8C\xEA";
const std::u16string kNihongo = u"\u65E5\u672C\u8A9E";

TEST(CodePage, DefaultsTo932AndKnowsItsLeadBytes) {
    EXPECT_EQ(CodePage(), 932);
    EXPECT_TRUE(IsLeadByte(0x81));
    EXPECT_TRUE(IsLeadByte(0x9F));
    EXPECT_TRUE(IsLeadByte(0xE0));
    EXPECT_TRUE(IsLeadByte(0xFC));
    EXPECT_FALSE(IsLeadByte(0x80));
    EXPECT_FALSE(IsLeadByte(0xA0));  // half-width katakana are single bytes
    EXPECT_FALSE(IsLeadByte('A'));
}

TEST(CodePage, ConvertsShiftJisBothWays) {
    EXPECT_EQ(AnsiToUtf16(kNihongoSjis), kNihongo);
    EXPECT_EQ(Utf16ToAnsi(kNihongo), kNihongoSjis);
    // Windows' code page 932: 0x5C is a backslash, 0x815F the full-width one, 0xA5 katakana.
    EXPECT_EQ(AnsiToUtf16("\x5C\x81\x5F\xB1"), u"\\\uFF3C\uFF71");
    EXPECT_EQ(Utf16ToAnsi(u"\uFFE5"), "\x81\x8F");
}

TEST(CodePage, ReplacesWhatCannotBeConverted) {
    // A character the code page lacks becomes '?', one per character (a surrogate pair too).
    EXPECT_EQ(Utf16ToAnsi(u"a\u00E9b"), "a?b");
    EXPECT_EQ(Utf16ToAnsi(u"x\U0001F600y"), "x?y");
    EXPECT_EQ(Utf16ToAnsi(u"\xD800z"), "?z");
    // Invalid bytes decode to U+FFFD; a lead byte at the very end never reads past it.
    EXPECT_EQ(AnsiToUtf16("a\x80"
                          "b"),
              u"a\uFFFDb");
    EXPECT_EQ(AnsiToUtf16("ab\x82"), u"ab\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("ok\xC3"), u"ok\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("\xFF\xFE"), u"\uFFFD\uFFFD");
}

TEST(CodePage, Utf8RoundTripsEveryPlane) {
    const std::u16string text = u"A\u00E9\u65E5\U0001F600";
    EXPECT_EQ(Utf16ToUtf8(text), "A\xC3\xA9\xE6\x97\xA5\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
    EXPECT_EQ(Utf16ToUtf8(u"\xDC00"), "\xEF\xBF\xBD");
    EXPECT_EQ(AnsiToUtf8(kNihongoSjis), "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E");
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(kNihongoSjis)), kNihongoSjis);
}

TEST(CodePage, CaseMappingLeavesDoubleByteCharactersAlone) {
    // 0x8361 ("ダ") has the trail byte 'a'; it must not become 'A'.
    EXPECT_EQ(AnsiUpperCase("ab\x83\x61z"), "AB\x83\x61Z");
    EXPECT_EQ(AnsiLowerCase("NAME\x83\x41"), "name\x83\x41");
}

TEST(CodePage, CharsetNamesAndInvalidBytes) {
    EXPECT_EQ(CodePageOfCharset("utf-8"), kUtf8CodePage);
    EXPECT_EQ(CodePageOfCharset("UTF8"), kUtf8CodePage);
    EXPECT_EQ(CodePageOfCharset("Shift_JIS"), 932);
    EXPECT_EQ(CodePageOfCharset("sjis"), 932);
    EXPECT_EQ(CodePageOfCharset("CP932"), 932);
    EXPECT_EQ(CodePageOfCharset("latin-1"), std::nullopt);

    EXPECT_EQ(FirstInvalidByte("café 🐱", kUtf8CodePage), std::nullopt);
    EXPECT_EQ(FirstInvalidByte("ab\xC0\xAF", kUtf8CodePage), 2u);     // an overlong '/'
    EXPECT_EQ(FirstInvalidByte("a\xED\xA0\x80", kUtf8CodePage), 1u);  // a surrogate
    EXPECT_EQ(FirstInvalidByte("\xE6\x97", kUtf8CodePage), 0u);       // cut off
    EXPECT_EQ(FirstInvalidByte("\x83\x5C\x83", 932), 2u);             // a lead byte at the end
    EXPECT_EQ(FirstInvalidByte("\x83\x20", 932), 0u);

    // UTF-8 is lossless both ways; a lone surrogate and invalid bytes become U+FFFD.
    EXPECT_EQ(AnsiToUtf16("Zoë🐱", kUtf8CodePage), u"Zoë🐱");
    EXPECT_EQ(Utf16ToAnsi(u"Zoë🐱", kUtf8CodePage), "Zoë🐱");
    EXPECT_EQ(AnsiToUtf16("a\xFF", kUtf8CodePage), u"a\uFFFD");
    EXPECT_EQ(ThroughCodePage(u"Zoë🐱", 932), u"Zo??");
}

}  // namespace
}  // namespace kiova
