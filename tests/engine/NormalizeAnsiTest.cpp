// Normalising ANSI text directly against the round trip through UTF-16 it replaces, on random
// text of each code page: well-formed characters and the forms that change, characters with two
// codes, bytes that convert to nothing, lone lead bytes, broken UTF-8.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "CodePage.h"
#include "NormalizeAnsi.h"
#include "TextUtils.h"

namespace kiova {
namespace {

std::string RoundTrip(std::string_view text, int code_page) {
    return Utf16ToAnsi(NormalizeText(AnsiToUtf16(text, code_page)), code_page);
}

// Random text of pieces: whole characters of interest, or single random bytes.
std::string RandomText(std::mt19937& random, const std::vector<std::string>& pieces) {
    std::string text;
    for (int n = static_cast<int>(random() % 12); n > 0; --n) {
        if (random() % 4 == 0)
            text += static_cast<char>(random() % 256);
        else
            text += pieces[random() % pieces.size()];
    }
    return text;
}

TEST(NormalizeAnsiTest, EqualsTheRoundTripThroughUtf16) {
    const std::vector<std::string> ascii = {"a", "Z", "z", " ", "\\", "~", "\x7f", "\x01"};
    const auto with = [&](std::vector<std::string> more) {
        more.insert(more.end(), ascii.begin(), ascii.end());
        return more;
    };
    const struct {
        int code_page;
        std::vector<std::string> pieces;
    } cases[] = {
        // Hiragana, full-width A and a, the ideographic space, the typographic quotes, the
        // full-width yen and macron, a character with two codes, half-width katakana, a
        // backslash trail byte, unassigned pairs and bytes.
        {932, with({"\x82\xa0", "\x82\x60", "\x82\x81", "\x81\x40", "\x81\x68", "\x81\x66",
                    "\x81\x8f", "\x81\x50", "\x81\xca", "\xfa\x54", "\xee\xf9", "\xb1", "\x83\x5c",
                    "\x85\x40", "\xa0", "\x80", "\xfd", "\x82"})},
        {1252, with({"\xe9", "\x81", "\x8d", "\x80", "\xff", "\xa0"})},
        // Hiragana, full-width forms, the ideographic space, quotes, yen, a BOM, noncharacters,
        // four-byte characters, and broken sequences.
        {kUtf8CodePage,
         with({"\xe3\x81\x82", "\xef\xbc\xa1", "\xef\xbd\x81", "\xe3\x80\x80", "\xe2\x80\x9d",
               "\xe2\x80\x99", "\xef\xbf\xa5", "\xef\xbf\xa3", "\xef\xbb\xbf", "\xef\xbf\xbe",
               "\xef\xbf\xbf", "\xf0\x9f\x98\x80", "\xf4\x8f\xbf\xbf", "\xc3\xa9", "\xe3\x81",
               "\xc0\xaf", "\xed\xa0\x80"})},
    };
    for (const auto& c : cases) {
        std::mt19937 random(static_cast<unsigned>(c.code_page));
        for (int i = 0; i < 20000; ++i) {
            const std::string text = RandomText(random, c.pieces);
            ASSERT_EQ(NormalizeAnsi(text, c.code_page), RoundTrip(text, c.code_page))
                << c.code_page << " " << testing::PrintToString(text);
        }
    }
}

}  // namespace
}  // namespace kiova
