// ASCII is upper-cased in place. In Shift_JIS and Western each other character's result comes
// from a table per code page, filled the first time the character is met by the round trip
// itself, so the code page's own quirks (a character with two codes, bytes that convert to
// nothing) carry over unchanged; UTF-8 is decoded and normalised directly when it is well
// formed.
#include "NormalizeAnsi.h"

#include <array>
#include <atomic>
#include <cstdint>

#include "TextUtils.h"

namespace kiova {
namespace {

std::string RoundTrip(std::string_view text, int code_page) {
    return Utf16ToAnsi(NormalizeText(AnsiToUtf16(text, code_page)), code_page);
}

char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// One character of a code page and what it normalises to, packed into one word so that threads
// can fill the table without a lock: the result's bytes (up to three), their count, how many
// bytes of the text the character takes, and a flag for "known".
class TPackedResult {
public:
    static constexpr std::uint32_t kUnknown = 0;

    static std::uint32_t Pack(std::string_view result, std::size_t taken) {
        std::uint32_t packed = kKnown | static_cast<std::uint32_t>(taken) << 26 |
                               static_cast<std::uint32_t>(result.size()) << 24;
        for (std::size_t i = 0; i < result.size(); ++i)
            packed |= std::uint32_t{static_cast<unsigned char>(result[i])} << (8 * i);
        return packed;
    }
    static bool Fits(std::string_view result) { return result.size() <= 3; }

    explicit TPackedResult(std::uint32_t packed) : packed_(packed) {}
    std::size_t Taken() const { return packed_ >> 26 & 3; }
    void AppendTo(std::string& out) const {
        for (std::uint32_t i = 0, n = packed_ >> 24 & 3; i < n; ++i)
            out += static_cast<char>(packed_ >> (8 * i) & 0xFF);
    }

private:
    static constexpr std::uint32_t kKnown = 1u << 31;
    std::uint32_t packed_;
};

// The results of the non-ASCII characters of a code page whose characters are one byte, or
// a byte from 0x80 up and the byte after it.
class TCharacterResults {
public:
    TCharacterResults(int code_page, bool double_byte)
        : code_page_(code_page), double_byte_(double_byte) {}

    // Appends the result of the character at `text[i]` (a byte from 0x80 up) and returns how
    // many bytes it takes; 0 when the round trip must do the whole text instead.
    std::size_t Append(std::string_view text, std::size_t i, std::string& out) {
        const auto byte = static_cast<unsigned char>(text[i]);
        std::atomic<std::uint32_t>* slot = &single_[byte];
        if (double_byte_ && i + 1 < text.size()) {
            const auto trail = static_cast<unsigned char>(text[i + 1]);
            slot = &pairs_[(byte - 0x80u) * 256 + trail];
        }
        std::uint32_t packed = slot->load(std::memory_order_relaxed);
        if (packed == TPackedResult::kUnknown) {
            packed = Work(text.substr(i, slot == &single_[byte] ? 1 : 2));
            slot->store(packed, std::memory_order_relaxed);
        }
        const TPackedResult result(packed);
        result.AppendTo(out);
        return result.Taken();
    }

private:
    // A byte pair that does not convert to one character is its first byte alone followed by
    // whatever the second starts, as the conversion steps over one byte it cannot convert.
    std::uint32_t Work(std::string_view bytes) const {
        const std::u16string wide = AnsiToUtf16(bytes, code_page_);
        const bool whole = wide.size() == 1 && wide[0] != 0xFFFD;
        if (bytes.size() == 2 && !whole) return Work(bytes.substr(0, 1));
        const std::string result = RoundTrip(bytes, code_page_);
        return TPackedResult::Fits(result) ? TPackedResult::Pack(result, bytes.size()) : 0;
    }

    int code_page_;
    bool double_byte_;
    std::array<std::atomic<std::uint32_t>, 256> single_{};
    std::array<std::atomic<std::uint32_t>, 128 * 256> pairs_{};
};

TCharacterResults* ResultsOf(int code_page) {
    if (code_page == 932) {
        static TCharacterResults shiftJis(932, true);
        return &shiftJis;
    }
    if (code_page == 1252) {
        static TCharacterResults western(1252, false);
        return &western;
    }
    return nullptr;
}

// Well-formed UTF-8 only.
std::string NormalizeUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out += AsciiUpper(text[i++]);
            continue;
        }
        // Only three-byte sequences hold characters that normalise to something else.
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (length == 3) {
            const auto c = static_cast<char16_t>((lead & 0x0F) << 12 | (text[i + 1] & 0x3F) << 6 |
                                                 (text[i + 2] & 0x3F));
            const char16_t normal = NormalizeChar(c);
            if (normal != c) {
                out += Utf16ToUtf8(std::u16string_view(&normal, 1));
                i += length;
                continue;
            }
        }
        out.append(text, i, length);
        i += length;
    }
    return out;
}

}  // namespace

std::string NormalizeAnsi(std::string_view text, int code_page) {
    if (code_page == kUtf8CodePage)
        return IsValidUtf8(text) ? NormalizeUtf8(text) : RoundTrip(text, code_page);
    TCharacterResults* results = ResultsOf(code_page);
    if (results == nullptr) return RoundTrip(text, code_page);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            out += AsciiUpper(text[i++]);
            continue;
        }
        const std::size_t taken = results->Append(text, i, out);
        if (taken == 0) return RoundTrip(text, code_page);
        i += taken;
    }
    return out;
}

}  // namespace kiova
