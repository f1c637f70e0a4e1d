// Decoders: the characters of a text, read in a search's inner loop. They read as the readers
// (bmWchReader.h) do, with nothing but the bytes in hand: at or past the end they return -1 and
// still move one unit, and a character cut off by the end is completed with zero bytes.
#pragma once

#include <array>
#include <cstdint>

namespace kiova {

inline constexpr std::int32_t bmreLF = 10;
inline constexpr std::int32_t bmreCR = 13;

// Shift JIS and Japanese EUC, with the code's lead-byte table.
struct MbcsDecoder {
    const std::array<bool, 256>& lead;

    std::int32_t Read(const std::uint8_t* bytes, int size, int& pos) const {
        if (pos >= size) {
            ++pos;
            return -1;
        }
        const std::uint8_t byte = bytes[pos++];
        if (!lead[byte]) return byte;
        const std::uint8_t trail = pos < size ? bytes[pos] : 0;
        ++pos;
        return byte << 8 | trail;
    }
    // Whether `at` starts a character when reading from `from`, itself a character start. A byte
    // that cannot lead ends a character, so the lead-range bytes after the last such byte pair up.
    bool StartsCharacter(const std::uint8_t* bytes, int from, int at) const {
        int run = 0;
        for (int i = at - 1; i >= from && lead[bytes[i]]; --i) ++run;
        return run % 2 == 0;
    }
};

// Western.
struct SbcsDecoder {
    std::int32_t Read(const std::uint8_t* bytes, int size, int& pos) const {
        if (pos >= size) {
            ++pos;
            return -1;
        }
        return bytes[pos++];
    }
    bool StartsCharacter(const std::uint8_t*, int, int) const { return true; }
};

// UTF-16 little-endian.
struct Utf16Decoder {
    std::int32_t Read(const std::uint8_t* bytes, int size, int& pos) const {
        if (pos >= size) {
            pos += 2;
            return -1;
        }
        const std::int32_t unit = bytes[pos] | (pos + 1 < size ? bytes[pos + 1] : 0) << 8;
        pos += 2;
        return unit;
    }
    bool StartsCharacter(const std::uint8_t*, int from, int at) const {
        return (at - from) % 2 == 0;
    }
};

}  // namespace kiova
