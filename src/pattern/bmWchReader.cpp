// Readers: bytes in, character values out (see bmWchReader.h). What always holds: the read
// position only moves by whole characters of the code, and no byte outside the buffer is read.
#include "bmWchReader.h"

#include <climits>
#include <cstdio>
#include <stdexcept>

#include "bmREDecoders.h"

namespace kiova {
namespace {

int DigitValue(std::int32_t c, int radix) {
    int value = -1;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    }
    return value < radix ? value : -1;
}

}  // namespace

const std::array<bool, 256>& bmccLeadByteTable(TbmCharCode code) {
    const auto tabulate = [](TbmIsLeadByteFunc isLeadByte) {
        std::array<bool, 256> table{};
        for (unsigned byte = 0; byte < 256; ++byte) {
            table[byte] = isLeadByte(static_cast<unsigned char>(byte));
        }
        return table;
    };
    static const std::array<bool, 256> shiftJIS =
        tabulate(bmccGetIsLeadByteFunc(TbmCharCode::ShiftJIS));
    static const std::array<bool, 256> euc =
        tabulate(bmccGetIsLeadByteFunc(TbmCharCode::JapaneseEUC));
    static const std::array<bool, 256> never{};
    bmccGetIsLeadByteFunc(code);  // throws for a code without a lead-byte test
    return code == TbmCharCode::ShiftJIS      ? shiftJIS
           : code == TbmCharCode::JapaneseEUC ? euc
                                              : never;
}

std::string TbmWchReader::GetText() const {
    return std::string(buffer_, size_);
}

void TbmWchReader::SetText(std::string text) {
    text_ = std::move(text);
    SetTextBuff(text_);
}

void TbmWchReader::SetTextBuff(std::string_view buffer) {
    // Positions are ints and may run a few units past the end.
    if (buffer.size() > static_cast<std::size_t>(INT_MAX) - 8) {
        throw std::length_error("TbmWchReader.SetTextBuff: text too long");
    }
    buffer_ = buffer.data();
    size_ = static_cast<int>(buffer.size());
    pos_ = 0;
}

std::int32_t TbmWchReader::ReadDigits(int radix, int maxDigits, std::int32_t maxValue) {
    std::int32_t value = 0;
    int digits = 0;
    while (digits < maxDigits) {
        const int digit = DigitValue(ReadChar(), radix);
        if (digit < 0 || value * radix + digit > maxValue) {
            UnreadChar();
            break;
        }
        value = value * radix + digit;
        ++digits;
    }
    return digits > 0 ? value : -1;
}

std::int32_t TbmWchReader::ReadHexEscape() {
    return ReadDigits(16, 4, 0xFFFF);
}

std::int32_t TbmWchReader::ReadOctEscape() {
    return ReadDigits(8, 6, 0xFFFF);
}

std::int32_t TbmWchReader::ReadEscape() {
    const std::int32_t c = ReadChar();
    switch (c) {
        case 'a':
            return 7;
        case 'b':
            return 8;
        case 'f':
            return 12;
        case 'n':
            return 10;
        case 'r':
            return 13;
        case 't':
            return 9;
        case 'v':
            return 11;
        case 'x':
            return ReadHexEscape();
        default:
            break;
    }
    if (c >= '0' && c <= '7') {
        UnreadChar();
        return ReadOctEscape();
    }
    return c;  // -1 at the end; any other character stands for itself
}

std::string TbmWchReader::Unescape() {
    std::string bytes;
    for (std::int32_t c = ReadChar(); c >= 0; c = ReadChar()) {
        if (c == '\\') {
            c = ReadEscape();
            if (c < 0) break;
        }
        bytes += CharToStr(c);
    }
    return bytes;
}

std::string TbmWchReader::CharToStr(std::int32_t c) const {
    if (c >= 256) return {static_cast<char>((c >> 8) & 0xFF), static_cast<char>(c & 0xFF)};
    return std::string(1, static_cast<char>(c & 0xFF));
}

std::string TbmWchReader::CharToEscape(std::int32_t c) const {
    switch (c) {
        case 7:
            return "\\a";
        case 8:
            return "\\b";
        case 9:
            return "\\t";
        case 10:
            return "\\n";
        case 11:
            return "\\v";
        case 12:
            return "\\f";
        case 13:
            return "\\r";
        default:
            break;
    }
    char text[16];
    std::snprintf(text, sizeof text, "\\x%02X", static_cast<unsigned>(c));
    return text;
}

TbmMBCSReader::TbmMBCSReader(TbmCharCode code)
    : TbmWchReader(code), leadBytes_(&bmccLeadByteTable(code)) {}

bool TbmMBCSReader::UnreadChar() {
    if (pos_ <= 0) return false;
    // The byte before the position ends a character. Lead-range bytes before it pair up from
    // the last byte that cannot lead: an odd run means that byte is a trail byte.
    int leadRun = 0;
    for (int i = pos_ - 2; i >= 0 && IsLeadByte(Byte(i)); --i) {
        ++leadRun;
    }
    pos_ -= leadRun % 2 == 1 ? 2 : 1;
    return true;
}

int TbmMBCSReader::GetCharIndex() const {
    int count = 0;
    for (int i = 0; i < pos_; ++count) {
        const unsigned byte = Byte(i);
        if (byte == 0) return -1;
        if (IsLeadByte(byte)) {
            if (Byte(i + 1) == 0) return -1;
            i += 2;
        } else {
            i += 1;
        }
    }
    return count;
}

bool TbmSBCSReader::UnreadChar() {
    if (pos_ <= 0) return false;
    --pos_;
    return true;
}

std::int32_t TbmSBCSReader::ReadHexEscape() {
    return ReadDigits(16, 2, 0xFF);
}

std::int32_t TbmSBCSReader::ReadOctEscape() {
    return ReadDigits(8, 3, 0xFF);
}

bool TbmUniCodeReader::UnreadChar() {
    if (pos_ <= 0) return false;
    pos_ = pos_ >= 2 ? pos_ - 2 : 0;
    return true;
}

void TbmUniCodeReader::SetTextBuff(std::string_view buffer) {
    if (buffer.size() % 2 != 0) {
        throw std::invalid_argument("TbmUniCodeReader.SetTextBuff: ByteLength must be even.");
    }
    TbmWchReader::SetTextBuff(buffer);
}

std::string TbmUniCodeReader::CharToStr(std::int32_t c) const {
    return {static_cast<char>(c & 0xFF), static_cast<char>((c >> 8) & 0xFF)};
}

std::string TbmUniCodeReader::CharToEscape(std::int32_t c) const {
    std::string units;
    for (const char ascii : TbmWchReader::CharToEscape(c)) units += CharToStr(ascii);
    return units;
}

void TbmUtf8Reader::SetTextBuff(std::string_view buffer) {
    TbmWchReader::SetTextBuff(buffer);
    bytes_ = reinterpret_cast<const std::uint8_t*>(buffer.data());
}

std::int32_t TbmUtf8Reader::ReadChar() {
    return Utf8Decoder{}.Read(bytes_, size_, pos_);
}

bool TbmUtf8Reader::UnreadChar() {
    if (pos_ <= 0) return false;
    pos_ = pos_ > size_ ? pos_ - 1 : Utf8Decoder::StartBefore(bytes_, pos_);
    return true;
}

int TbmUtf8Reader::GetCharIndex() const {
    int count = 0;
    for (int i = 0; i < pos_ && i < size_; ++count) Utf8Decoder{}.Read(bytes_, size_, i);
    return count;
}

std::string TbmUtf8Reader::CharToStr(std::int32_t c) const {
    const auto byte = [](std::int32_t value) { return static_cast<char>(value); };
    if (c < 0x80) return {byte(c)};
    if (c < 0x800) return {byte(0xC0 | c >> 6), byte(0x80 | (c & 0x3F))};
    if (c < 0x10000)
        return {byte(0xE0 | c >> 12), byte(0x80 | (c >> 6 & 0x3F)), byte(0x80 | (c & 0x3F))};
    return {byte(0xF0 | c >> 18), byte(0x80 | (c >> 12 & 0x3F)), byte(0x80 | (c >> 6 & 0x3F)),
            byte(0x80 | (c & 0x3F))};
}

std::unique_ptr<TbmWchReader> bmccCreateReader(TbmCharCode code) {
    switch (code) {
        case TbmCharCode::ShiftJIS:
        case TbmCharCode::JapaneseEUC:
            return std::make_unique<TbmMBCSReader>(code);
        case TbmCharCode::Western:
            return std::make_unique<TbmSBCSReader>();
        case TbmCharCode::UniCode:
            return std::make_unique<TbmUniCodeReader>();
        case TbmCharCode::UTF8:
            return std::make_unique<TbmUtf8Reader>();
        default:
            return nullptr;
    }
}

}  // namespace kiova
