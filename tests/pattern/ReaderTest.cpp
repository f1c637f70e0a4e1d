#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "bmCharCode.h"
#include "bmWchReader.h"

namespace kiova {
namespace {

std::vector<std::int32_t> ReadAll(TbmWchReader& reader) {
    std::vector<std::int32_t> chars;
    for (std::int32_t c = reader.ReadChar(); c >= 0; c = reader.ReadChar()) chars.push_back(c);
    return chars;
}

std::unique_ptr<TbmWchReader> ReaderOn(TbmCharCode code, std::string text) {
    auto reader = bmccCreateReader(code);
    reader->SetText(std::move(text));
    return reader;
}

TEST(ReaderTest, ReadsWholeCharactersOfEachCode) {
    struct Case {
        TbmCharCode code;
        std::string text;
        std::vector<std::int32_t> chars;
    };
    const Case cases[] = {
        {TbmCharCode::ShiftJIS,
         "a\x82\xA0"
         "b\x83\x41",
         {'a', 0x82A0, 'b', 0x8341}},
        {TbmCharCode::ShiftJIS, "\xE0\x40\xFC\xFC\xA0", {0xE040, 0xFCFC, 0xA0}},
        {TbmCharCode::JapaneseEUC, "\xA4\xA2x\x8E\xB1", {0xA4A2, 'x', 0x8EB1}},
        {TbmCharCode::Western, "\x82\xA0z", {0x82, 0xA0, 'z'}},
        {TbmCharCode::UniCode, std::string("a\0\x42\x30", 4), {'a', 0x3042}},
    };
    for (const Case& c : cases) {
        auto reader = ReaderOn(c.code, c.text);
        EXPECT_EQ(ReadAll(*reader), c.chars) << bmccCharCodeName(c.code);
    }
}

TEST(ReaderTest, ReadingAtTheEndMovesOnSoThatOneUnreadReturnsToTheEnd) {
    auto sjis = ReaderOn(TbmCharCode::ShiftJIS, "a\x82\xA0");
    ReadAll(*sjis);
    EXPECT_EQ(sjis->GetPos(), 4);
    EXPECT_EQ(sjis->ReadChar(), -1);
    EXPECT_EQ(sjis->GetPos(), 5);
    EXPECT_TRUE(sjis->UnreadChar());
    EXPECT_EQ(sjis->GetPos(), 4);

    auto unicode = ReaderOn(TbmCharCode::UniCode, std::string("a\0", 2));
    ReadAll(*unicode);
    EXPECT_EQ(unicode->GetPos(), 4);
    EXPECT_TRUE(unicode->UnreadChar());
    EXPECT_EQ(unicode->GetPos(), 2);
}

TEST(ReaderTest, LeadByteAtTheEndPairsWithAZeroByte) {
    auto reader = ReaderOn(TbmCharCode::ShiftJIS, "a\x88");
    EXPECT_EQ(ReadAll(*reader), (std::vector<std::int32_t>{'a', 0x8800}));
    EXPECT_EQ(reader->GetPos(), 4);  // two past the pair's lead byte, one for the end
    EXPECT_TRUE(reader->UnreadChar());
    EXPECT_TRUE(reader->UnreadChar());
    EXPECT_EQ(reader->GetPos(), 1);
}

TEST(ReaderTest, StepsBackOverWholeDoubleByteCharacters) {
    struct Case {
        std::string text;
        std::vector<int> positions;  // after each UnreadChar from the end
    };
    const Case cases[] = {
        // Trail bytes inside the lead-byte range.
        {"\x88\x9F\x88\x9F", {2, 0}},
        {"\x83\x41\x41", {2, 0}},
        {"a\x82\xA0"
         "b",
         {3, 1, 0}},
        {"\x81\x81\x81\x81\x81\x81", {4, 2, 0}},
    };
    for (const Case& c : cases) {
        auto reader = ReaderOn(TbmCharCode::ShiftJIS, c.text);
        reader->SetPos(static_cast<int>(c.text.size()));
        std::vector<int> positions;
        while (reader->UnreadChar()) positions.push_back(reader->GetPos());
        EXPECT_EQ(positions, c.positions) << c.text;
    }
}

TEST(ReaderTest, SingleByteAndUniCodeStepBackOneUnit) {
    auto western = ReaderOn(TbmCharCode::Western, "\x88\x9F");
    western->SetPos(2);
    EXPECT_TRUE(western->UnreadChar());
    EXPECT_EQ(western->GetPos(), 1);

    auto unicode = ReaderOn(TbmCharCode::UniCode, "abcd");
    unicode->SetPos(4);
    EXPECT_TRUE(unicode->UnreadChar());
    EXPECT_EQ(unicode->GetPos(), 2);
    unicode->Rewind();
    EXPECT_FALSE(unicode->UnreadChar());
}

TEST(ReaderTest, EscapesAfterABackslash) {
    struct Case {
        TbmCharCode code;
        std::string text;  // what follows the backslash
        std::int32_t value;
        int posAfter;
    };
    const Case cases[] = {
        {TbmCharCode::ShiftJIS, "x41", 'A', 3},
        {TbmCharCode::ShiftJIS, "101", 'A', 3},
        {TbmCharCode::ShiftJIS, "x8140", 0x8140, 5},
        {TbmCharCode::ShiftJIS, "x81401", 0x8140, 5},  // at most four hex digits
        {TbmCharCode::Western, "x414", 'A', 3},        // at most two in Western
        {TbmCharCode::ShiftJIS, "xg", -1, 1},          // \x without a digit
        {TbmCharCode::ShiftJIS, "", -1, 1},            // nothing after the backslash
        {TbmCharCode::ShiftJIS, "177777", 0xFFFF, 6},  // octal up to 0xFFFF
        {TbmCharCode::ShiftJIS, "200000", 0x2000, 5},  // the sixth digit would pass 0xFFFF
        {TbmCharCode::ShiftJIS, "0", 0, 1},
        {TbmCharCode::Western, "777", 077, 2},    // Western octal stays below 256
        {TbmCharCode::Western, "1234", 0123, 3},  // and has at most three digits
        {TbmCharCode::ShiftJIS, "q", 'q', 1},
        {TbmCharCode::ShiftJIS, "\\", '\\', 1},
        {TbmCharCode::ShiftJIS, "\x82\xA0", 0x82A0, 2},
        {TbmCharCode::ShiftJIS, "a", 7, 1},
        {TbmCharCode::ShiftJIS, "b", 8, 1},
        {TbmCharCode::ShiftJIS, "f", 12, 1},
        {TbmCharCode::ShiftJIS, "n", 10, 1},
        {TbmCharCode::ShiftJIS, "r", 13, 1},
        {TbmCharCode::ShiftJIS, "t", 9, 1},
        {TbmCharCode::ShiftJIS, "v", 11, 1},
        {TbmCharCode::ShiftJIS, "x4G", 4, 2},
        {TbmCharCode::UniCode,
         std::string("x\0"
                     "4\0"
                     "1\0",
                     6),
         'A', 6},
    };
    for (const Case& c : cases) {
        auto reader = ReaderOn(c.code, c.text);
        EXPECT_EQ(reader->ReadEscape(), c.value) << c.text;
        EXPECT_EQ(reader->GetPos(), c.posAfter) << c.text;
    }
}

TEST(ReaderTest, CharactersAsBytesAndAsEscapes) {
    auto sjis = bmccCreateReader(TbmCharCode::ShiftJIS);
    EXPECT_EQ(sjis->CharToStr(0x8140), "\x81\x40");
    EXPECT_EQ(sjis->CharToStr('a'), "a");
    EXPECT_EQ(sjis->CharToStr(0xFF), "\xFF");
    EXPECT_EQ(sjis->CharToEscape(10), "\\n");
    EXPECT_EQ(sjis->CharToEscape(7), "\\a");
    EXPECT_EQ(sjis->CharToEscape(13), "\\r");
    EXPECT_EQ(sjis->CharToEscape(5), "\\x05");
    EXPECT_EQ(sjis->CharToEscape(0x8140), "\\x8140");
    EXPECT_EQ(sjis->CharToEscape(0xab), "\\xAB");

    auto unicode = bmccCreateReader(TbmCharCode::UniCode);
    EXPECT_EQ(unicode->CharToStr(0x3042), "\x42\x30");
    EXPECT_EQ(unicode->CharToStr('a'), std::string("a\0", 2));
    EXPECT_EQ(unicode->CharToEscape(9), std::string("\\\0t\0", 4));
}

TEST(ReaderTest, UnescapeResolvesEveryEscapeAndStopsAtAnInvalidOne) {
    EXPECT_EQ(ReaderOn(TbmCharCode::ShiftJIS, "a\\x41\\n\\q\\x8140")->Unescape(), "aA\nq\x81\x40");
    EXPECT_EQ(ReaderOn(TbmCharCode::ShiftJIS, "ab\\xzz")->Unescape(), "ab");
    EXPECT_EQ(ReaderOn(TbmCharCode::ShiftJIS, "ab\\")->Unescape(), "ab");
    EXPECT_EQ(ReaderOn(TbmCharCode::UniCode, std::string("\\\0x\0"
                                                         "4\0"
                                                         "2\0",
                                                         8))
                  ->Unescape(),
              std::string("B\0", 2));
}

TEST(ReaderTest, CharIndexCountsCharactersUpToThePosition) {
    auto sjis = ReaderOn(TbmCharCode::ShiftJIS,
                         "a\x82\xA0"
                         "b");
    sjis->SetPos(3);
    EXPECT_EQ(sjis->GetCharIndex(), 2);
    auto withZero = ReaderOn(TbmCharCode::ShiftJIS, std::string("a\0b", 3));
    withZero->SetPos(3);
    EXPECT_EQ(withZero->GetCharIndex(), -1);
    auto leadAtEnd = ReaderOn(TbmCharCode::ShiftJIS, "a\x82");
    leadAtEnd->SetPos(2);
    EXPECT_EQ(leadAtEnd->GetCharIndex(), -1);

    auto western = ReaderOn(TbmCharCode::Western,
                            "\x82\xA0"
                            "b");
    western->SetPos(3);
    EXPECT_EQ(western->GetCharIndex(), 3);
    auto unicode = ReaderOn(TbmCharCode::UniCode, "abcd");
    unicode->SetPos(4);
    EXPECT_EQ(unicode->GetCharIndex(), 2);
}

TEST(ReaderTest, TextRoundTripsAndUniCodeRefusesOddLengths) {
    auto reader = ReaderOn(TbmCharCode::ShiftJIS, "abc");
    reader->ReadChar();
    EXPECT_EQ(reader->GetText(), "abc");
    reader->Rewind();
    EXPECT_EQ(reader->GetPos(), 0);

    auto unicode = bmccCreateReader(TbmCharCode::UniCode);
    try {
        unicode->SetText("abc");
        FAIL() << "odd UniCode buffer accepted";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "TbmUniCodeReader.SetTextBuff: ByteLength must be even.");
    }
}

TEST(CharCodeTest, CodePagesLeadBytesAndReaders) {
    EXPECT_EQ(bmccCodePage2CharCode(932), TbmCharCode::ShiftJIS);
    EXPECT_EQ(bmccCodePage2CharCode(1252), TbmCharCode::Western);
    EXPECT_EQ(bmccCodePage2CharCode(1200), TbmCharCode::UniCode);
    EXPECT_EQ(bmccCodePage2CharCode(65001), TbmCharCode::UTF8);
    EXPECT_THROW(
        {
            try {
                bmccCodePage2CharCode(65000);
            } catch (const std::exception& e) {
                EXPECT_STREQ(e.what(), "bmccCodePage2CharCode: unknown code page");
                throw;
            }
        },
        std::invalid_argument);

    const TbmIsLeadByteFunc sjis = bmccGetIsLeadByteFunc(TbmCharCode::ShiftJIS);
    const TbmIsLeadByteFunc euc = bmccGetIsLeadByteFunc(TbmCharCode::JapaneseEUC);
    const TbmIsLeadByteFunc western = bmccGetIsLeadByteFunc(TbmCharCode::Western);
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        EXPECT_EQ(sjis(byte), (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) << b;
        EXPECT_EQ(euc(byte), b == 0x8E || (b >= 0xA1 && b <= 0xFE)) << b;
        EXPECT_FALSE(western(byte));
    }
    EXPECT_THROW(bmccGetIsLeadByteFunc(TbmCharCode::UniCode), std::invalid_argument);

    EXPECT_EQ(bmccCreateReader(TbmCharCode::JIS), nullptr);
    EXPECT_EQ(bmccCreateReader(TbmCharCode::JapaneseEUC)->CharCode(), TbmCharCode::JapaneseEUC);
    EXPECT_EQ(bmccCharCodeName(TbmCharCode::Western), "Western (Windows-1252)");
    EXPECT_EQ(bmccCharCodeName(TbmCharCode::JIS), "JIS");
}

}  // namespace
}  // namespace kiova
