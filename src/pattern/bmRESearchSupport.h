// What the searches of one pattern share: checking a text and choosing its decoder, whether the
// search start is a line start, and skipping text where no match can begin. Internal to the
// pattern engine.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

#include "bmCharCode.h"
#include "bmREDecoders.h"
#include "bmRESearchTable.h"
#include "bmWchReader.h"

namespace kiova::search {

// Whether `start` is a line start for a ^ anchor: the text start, after LF, or after a CR that
// is not followed by LF. The character before is found as the readers step back.
template <class Reader, class... ReaderArgs>
bool StartsLine(std::string_view text, int start, ReaderArgs... readerArgs) {
    if (start == 0) return true;
    Reader reader(readerArgs...);
    reader.SetTextBuff(text);
    reader.SetPos(start);
    reader.UnreadChar();
    const std::int32_t before = reader.ReadChar();
    reader.SetPos(start);
    return before == bmreLF || (before == bmreCR && reader.ReadChar() != bmreLF);
}

// Checks `text` and `start` as the readers do and calls search(decoder, lineStart) with the
// decoder of `code`; `lineStart` tells whether `start` is a line start (false when the pattern
// has no ^ anchor, `lineHead`). Returns -1 when `start` lies outside 0..size. Throws
// std::invalid_argument for a UniCode text of odd byte length or a code without a reader.
template <class SearchFn>
int WithDecoder(std::string_view text, int start, TbmCharCode code, bool lineHead,
                SearchFn search) {
    if (text.size() > static_cast<std::size_t>(INT32_MAX / 2)) return -1;  // positions are ints
    if (start < 0 || start > static_cast<int>(text.size())) return -1;
    const auto run = [&]<class Reader>(auto decoder, auto... readerArgs) {
        Reader(readerArgs...).SetTextBuff(text);  // refuses what the readers refuse
        return search(decoder, lineHead && StartsLine<Reader>(text, start, readerArgs...));
    };
    switch (code) {
        case TbmCharCode::ShiftJIS:
        case TbmCharCode::JapaneseEUC:
            return run.template operator()<TbmMBCSReader>(MbcsDecoder{bmccLeadByteTable(code)},
                                                          code);
        case TbmCharCode::Western:
            return run.template operator()<TbmSBCSReader>(SbcsDecoder{});
        case TbmCharCode::UniCode:
            return run.template operator()<TbmUniCodeReader>(Utf16Decoder{});
        case TbmCharCode::UTF8:
            return run.template operator()<TbmUtf8Reader>(Utf8Decoder{});
        default:
            throw std::invalid_argument("SearchDFA: no reader for this character code");
    }
}

// Where text may be skipped: the search table's first bytes of a match, and whether its literal
// prefix may be looked for (a unit cut off by the end would hold a byte past the text, which no
// literal finds).
template <class Decoder>
class Skipper {
public:
    Skipper(const std::uint8_t* bytes, int size, int start, const TbmRESearchTable& table,
            Decoder decoder)
        : bytes_(bytes),
          size_(size),
          table_(table),
          decoder_(decoder),
          useLiteral_(!table.Literal().empty() &&
                      (table.CharCode() != TbmCharCode::UniCode || (size - start) % 2 == 0)) {}

    // The first character start at or after `pos` (itself one) where a match may begin, or the
    // text's end.
    int NextPossibleStart(int pos) const {
        for (int from = pos;;) {
            const int at = NextCandidateByte(pos);
            if (at >= size_ || decoder_.StartsCharacter(bytes_, size_, from, at)) return at;
            from = pos = at + 1;  // `at` ended a character
        }
    }

private:
    int NextCandidateByte(int pos) const {
        const std::uint8_t* rest = bytes_ + pos;
        const auto left = static_cast<std::size_t>(size_ - pos);
        const void* found = nullptr;
        if (useLiteral_) {
            const std::string& literal = table_.Literal();
            found = ::memmem(rest, left, literal.data(), literal.size());
        } else if (table_.SingleStartByte() >= 0) {
            found = std::memchr(rest, table_.SingleStartByte(), left);
        } else {
            const std::uint8_t* end = bytes_ + size_;
            found = std::find_if(rest, end, [this](std::uint8_t b) { return table_.MayStart(b); });
            if (found == end) found = nullptr;
        }
        return found == nullptr
                   ? size_
                   : static_cast<int>(static_cast<const std::uint8_t*>(found) - bytes_);
    }

    const std::uint8_t* bytes_;
    int size_;
    const TbmRESearchTable& table_;
    Decoder decoder_;
    bool useLiteral_;
};

}  // namespace kiova::search
