// The data-file cipher: a per-byte additive cipher on the bytes 32 to 255, keyed by a text.
// An enciphered file's first line is "encrypted" followed by the file key enciphered with a
// fixed key; every later line is one plain line enciphered with the file key.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kiova {

enum class TCryptMode : uint8_t { Encode = 0, Decode = 1 };

class TCrypt {
public:
    explicit TCrypt(TCryptMode mode) : mode_(mode) {}

    void SetKey(std::string_view key);
    const std::string& Key() const { return key_; }

    uint8_t TransformChar(uint8_t a, uint8_t k) const;
    // Every text starts again at the first key byte.
    std::string TransformString(std::string_view text) const;
    // Encode: enciphers every line and inserts the header line. Decode: drops the header line
    // and deciphers the rest. An empty list is left alone.
    void TransformList(std::vector<std::string>& lines) const;
    // "encrypted" followed by the key enciphered with the fixed key.
    std::string HeaderLine() const;

private:
    TCryptMode mode_;
    std::string key_;
    std::vector<uint8_t> key_bytes_;
};

// The key built into the program, used only for the header line.
inline constexpr std::string_view kFixedCipherKey = "MoonlitGarden";

bool IsEncrypted(const std::vector<std::string>& lines);
// The file key carried in the header line; empty when the lines are not enciphered.
std::string ReadEmbeddedKey(const std::vector<std::string>& lines);

// The file's lines, deciphered when the file is enciphered; empty when it does not exist.
std::vector<std::string> ReadPossiblyEncipheredFile(std::string_view ansi_path);
// The cipher maps the bytes 32 to 255 onto themselves; any other byte comes back different.
inline bool IsCipherByte(uint8_t byte) {
    return byte >= 32;
}

// A byte of a text and where it is: 1-based line and byte column.
struct TTextByte {
    size_t line = 1;
    size_t column = 1;
    uint8_t byte = 0;
};
// The first byte of `text` that would not decipher to itself: a byte below 32
// other than the CR and LF that end lines (a tab, a NUL, another control byte). Nothing when
// every line of `text` survives enciphering.
std::optional<TTextByte> FirstUncipherableByte(std::string_view text);

// The enciphered form of `lines` under `key`, header line first.
std::vector<std::string> EncipherLines(std::vector<std::string> lines, std::string_view key);

}  // namespace kiova
