// Decoders: the characters of a text, read in a search's inner loop. They read as the readers
// (bmWchReader.h) do, with nothing but the bytes in hand: at or past the end they return -1 and
// still move one unit, and a character cut off by the end is completed with zero bytes.
// Backwards, StartBefore(bytes, from, pos, memo) gives the start of the character that ends at
// `pos` as a reading from `from` sees it (both character starts, from < pos); `memo` starts at -1
// and carries what one call learnt to the next, so stepping back over a text takes linear time.
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
    bool StartsCharacter(const std::uint8_t* bytes, int /*size*/, int from, int at) const {
        int run = 0;
        for (int i = at - 1; i >= from && lead[bytes[i]]; --i) ++run;
        return run % 2 == 0;
    }
    // `memo`: how many lead-range bytes run back from pos - 2 (not below `from`), or -1.
    int StartBefore(const std::uint8_t* bytes, int from, int pos, int& memo) const {
        if (memo < 0) {
            memo = 0;
            for (int i = pos - 2; i >= from && lead[bytes[i]]; --i) ++memo;
        }
        // An odd run pairs pos - 2 with pos - 1; an even one leaves pos - 1 alone (a lead byte
        // alone only where the text cuts its character off).
        const bool pair = memo % 2 == 1;
        memo = memo > (pair ? 2 : 0) ? memo - (pair ? 2 : 1) : -1;
        return pair ? pos - 2 : pos - 1;
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
    bool StartsCharacter(const std::uint8_t*, int, int, int) const { return true; }
    int StartBefore(const std::uint8_t*, int, int pos, int&) const { return pos - 1; }
};

// UTF-8: a character value is the code point. A byte that does not start a well-formed sequence
// (a stray continuation byte, an overlong form, a surrogate, a sequence cut off by the end)
// reads as U+FFFD and moves one byte, so every byte is read at most once and nothing hangs.
struct Utf8Decoder {
    static constexpr std::int32_t kReplacement = 0xFFFD;

    // The length of the well-formed sequence at `pos` and its code point; 0 when there is none.
    static int Sequence(const std::uint8_t* bytes, int size, int pos, std::int32_t& c) {
        const std::uint8_t first = bytes[pos];
        int length;
        std::uint8_t low = 0x80, high = 0xBF;  // the second byte's range
        if (first < 0x80) {
            c = first;
            return 1;
        } else if (first >= 0xC2 && first <= 0xDF) {
            length = 2;
            c = first & 0x1F;
        } else if (first >= 0xE0 && first <= 0xEF) {
            length = 3;
            c = first & 0x0F;
            if (first == 0xE0) low = 0xA0;
            if (first == 0xED) high = 0x9F;
        } else if (first >= 0xF0 && first <= 0xF4) {
            length = 4;
            c = first & 0x07;
            if (first == 0xF0) low = 0x90;
            if (first == 0xF4) high = 0x8F;
        } else {
            return 0;
        }
        if (size - pos < length || bytes[pos + 1] < low || bytes[pos + 1] > high) return 0;
        for (int i = 1; i < length; ++i) {
            if ((bytes[pos + i] & 0xC0) != 0x80) return 0;
            c = c << 6 | (bytes[pos + i] & 0x3F);
        }
        return length;
    }

    std::int32_t Read(const std::uint8_t* bytes, int size, int& pos) const {
        if (pos >= size) {
            ++pos;
            return -1;
        }
        std::int32_t c;
        const int length = Sequence(bytes, size, pos, c);
        if (length == 0) {
            ++pos;
            return kReplacement;
        }
        pos += length;
        return c;
    }
    // A byte inside a well-formed sequence that starts before it is no start; every other one
    // is. UTF-8 synchronises by itself, so the bytes before `from` may be looked at.
    bool StartsCharacter(const std::uint8_t* bytes, int size, int /*from*/, int at) const {
        std::int32_t c;
        for (int back = 1; back <= 3 && at - back >= 0; ++back)
            if (Sequence(bytes, size, at - back, c) > back) return false;
        return true;
    }
    // The start of the character that ends at `pos` (> 0).
    static int StartBefore(const std::uint8_t* bytes, int pos) {
        std::int32_t c;
        for (int back = 2; back <= 4 && pos - back >= 0; ++back)
            if (Sequence(bytes, pos, pos - back, c) == back) return pos - back;
        return pos - 1;
    }
    // Bytes before `from` are not looked at: a reading from `from` never saw them.
    int StartBefore(const std::uint8_t* bytes, int from, int pos, int&) const {
        return from + StartBefore(bytes + from, pos - from);
    }
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
    bool StartsCharacter(const std::uint8_t*, int, int from, int at) const {
        return (at - from) % 2 == 0;
    }
    // Units count from `from`; only the last may be cut off (one byte) by the text's end.
    int StartBefore(const std::uint8_t*, int from, int pos, int&) const {
        return (pos - from) % 2 == 1 ? pos - 1 : pos - 2;
    }
};

}  // namespace kiova
