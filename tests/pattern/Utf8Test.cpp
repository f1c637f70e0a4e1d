#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bmRESet.h"
#include "bmREToken.h"
#include "bmRExp.h"
#include "bmWchReader.h"

namespace kiova {
namespace {

constexpr TbmCharCode U = TbmCharCode::UTF8;

int MatchAt(std::string_view pattern, const std::string& text, int& length) {
    TbmRExp re(U);
    re.SetPattern(pattern);
    return re.Match(text, 1, length);
}

TEST(Utf8Test, ReaderReadsCodePointsAndStepsBackOverThem) {
    TbmUtf8Reader reader;
    reader.SetText("aé猫🐱\xFF\xC3");
    std::vector<std::int32_t> read;
    for (std::int32_t c = reader.ReadChar(); c >= 0; c = reader.ReadChar()) read.push_back(c);
    // A byte that starts no sequence, and a sequence cut off by the end, are U+FFFD each.
    EXPECT_EQ(read, (std::vector<std::int32_t>{'a', 0xE9, 0x732B, 0x1F431, 0xFFFD, 0xFFFD}));
    reader.UnreadChar();  // back to the end
    std::vector<int> starts;
    while (reader.UnreadChar()) starts.push_back(reader.GetPos());
    EXPECT_EQ(starts, (std::vector<int>{11, 10, 6, 3, 1, 0}));
    reader.SetPos(10);
    EXPECT_EQ(reader.GetCharIndex(), 4);
    EXPECT_EQ(reader.CharToStr(0x1F431), "🐱");
}

TEST(Utf8Test, PatternsMatchByCodePoint) {
    struct Case {
        std::string pattern, text;
        int position, length;
    } const cases[] = {
        {"^caf.$", "café", 1, 5},        {"^[éè]t[éè]$", "été", 1, 5}, {"^[éè]t[éè]$", "ete", 0, 0},
        {"[^a]b", "🐱b", 1, 5},           {"..$", "Zoë🐱", 3, 6},        {"猫+", "にゃん猫猫", 10, 6},
        {"\xEF\xBF\xBD", "a\x80", 2, 1},  // an invalid byte reads as U+FFFD
    };
    for (const Case& c : cases) {
        int length = -1;
        EXPECT_EQ(MatchAt(c.pattern, c.text, length), c.position) << c.pattern << " in " << c.text;
        EXPECT_EQ(length, c.length) << c.pattern << " in " << c.text;
    }
}

// Texts of 256 bytes and more go through the search table, which skips to the bytes a match
// may begin with; the one-pass set reads the same characters.
TEST(Utf8Test, LongTextsAndSetsFindTheSameMatches) {
    const std::string filler(300, 'x');
    int length = -1;
    EXPECT_EQ(MatchAt("é.🐱", filler + "éa🐱", length), 301);
    EXPECT_EQ(length, 7);
    EXPECT_EQ(MatchAt("[à-ÿ]", filler + "\xC3" + "é", length), 302);  // after a cut-off sequence
    EXPECT_EQ(MatchAt("🐱", filler + "\xF0\x9F\x90", length), 0);

    TbmRExp cafe(U), cat(U), never(U);
    cafe.SetPattern("caf.$");
    cat.SetPattern("[🐱🐶]");
    never.SetPattern("^é");
    TbmRESet set(U);
    set.Add(cafe.GetDFATable());
    set.Add(cat.GetDFATable());
    set.Add(never.GetDFATable());
    std::vector<std::uint32_t> found;
    ASSERT_TRUE(set.Match("un 🐱 au café", found));
    EXPECT_EQ(found, (std::vector<std::uint32_t>{0, 1}));
}

TEST(Utf8Test, InvalidBytesNeverStopASearch) {
    std::string noise;
    for (int i = 0; i < 2048; ++i) noise += static_cast<char>((i * 151 + 7) & 0xFF);
    for (std::string_view pattern : {".*", "[^\xC3\xA9]+$", "\xF0\x9F", "(.)(.)\\2"}) {
        TbmRExp re(U);
        try {
            re.SetPattern(pattern);
            int length = 0;
            re.Match(noise, 1, length);
        } catch (const EbmREToken&) {
            // a pattern of invalid bytes may be refused; it must not crash or hang
        }
    }
}

}  // namespace
}  // namespace kiova
