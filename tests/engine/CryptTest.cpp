#include <gtest/gtest.h>

#include "Crypt.h"
#include "TempFolder.h"

namespace kiova {
namespace {

TEST(Crypt, BytesCycleThroughThe224PrintableValues) {
    TCrypt encode(TCryptMode::Encode), decode(TCryptMode::Decode);
    EXPECT_EQ(encode.TransformChar(255, 19), 50);
    EXPECT_EQ(decode.TransformChar(50, 19), 255);
    EXPECT_EQ(decode.TransformChar(32, 1), 255);
    for (int a = 32; a <= 255; ++a)
        for (uint8_t k = 0; k < 20; ++k)
            ASSERT_EQ(decode.TransformChar(encode.TransformChar(static_cast<uint8_t>(a), k), k), a);
    // A control byte is outside the cycle: a tab under key byte 1 comes back as 233.
    EXPECT_EQ(decode.TransformChar(encode.TransformChar(9, 1), 1), 233);
    EXPECT_EQ(decode.TransformChar(encode.TransformChar(9, 0), 0), 233);
}

TEST(Crypt, KeyBytesRestartOnEveryText) {
    TCrypt crypt(TCryptMode::Encode);
    crypt.SetKey("(<");  // 40 and 60: multiples of 20 leave every byte unchanged
    EXPECT_EQ(crypt.TransformString("plain text"), "plain text");
    crypt.SetKey("AB");  // 65 % 20 = 5, 66 % 20 = 6
    EXPECT_EQ(crypt.TransformString("aaa"), "fgf");
    EXPECT_EQ(crypt.TransformString("a"), "f");
    crypt.SetKey("");
    EXPECT_EQ(crypt.TransformString("same"), "same");
}

TEST(Crypt, ListsCarryTheirKeyInTheHeader) {
    std::vector<std::string> lines = {"hello", "", "hello"};
    std::vector<std::string> enciphered = EncipherLines(lines, "Alice");
    ASSERT_EQ(enciphered.size(), 4u);
    EXPECT_EQ(enciphered[0].substr(0, 9), "encrypted");
    EXPECT_EQ(enciphered[1], enciphered[3]);  // equal lines encipher equally
    EXPECT_TRUE(IsEncrypted(enciphered));
    EXPECT_EQ(ReadEmbeddedKey(enciphered), "Alice");

    TCrypt decode(TCryptMode::Decode);
    decode.SetKey(ReadEmbeddedKey(enciphered));
    decode.TransformList(enciphered);
    EXPECT_EQ(enciphered, lines);

    // An empty key leaves the lines plain behind a header that is exactly "encrypted".
    EXPECT_EQ(EncipherLines({"x"}, ""), (std::vector<std::string>{"encrypted", "x"}));
    EXPECT_EQ(EncipherLines({}, ""), (std::vector<std::string>{"encrypted"}));
    EXPECT_EQ(ReadEmbeddedKey({"plain"}), "");
    EXPECT_FALSE(IsEncrypted({}));
}

TEST(Crypt, AnyFileStartingWithTheWordIsTakenAsEnciphered) {
    testing::TempFolder dir;
    const std::string path = dir.Write("data.txt", "ENCRYPTED notes\r\nhello\r\n");
    // The header is dropped; the rest is deciphered with whatever key the header yields.
    std::vector<std::string> lines = ReadPossiblyEncipheredFile(path);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0], "hello");
    EXPECT_EQ(ReadPossiblyEncipheredFile(dir.Write("plain.txt", "a\nb")),
              (std::vector<std::string>{"a", "b"}));
}

}  // namespace
}  // namespace kiova
