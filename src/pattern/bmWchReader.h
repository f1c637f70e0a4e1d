// Readers: turn the bytes of a pattern or a searched text into character values of one code.
//
// A reader walks one buffer that it does not own (SetTextBuff) or a string it keeps (SetText).
// Positions are byte offsets from the buffer start. Reading at or past the end returns -1 and
// still moves one unit on, so that one UnreadChar afterwards is back at the end. Bytes past the
// end read as zero (a lead byte at the very end pairs with that zero); nothing is ever read
// outside the buffer.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "bmCharCode.h"

namespace kiova {

class TbmWchReader {
public:
    explicit TbmWchReader(TbmCharCode code) : charCode_(code) {}
    virtual ~TbmWchReader() = default;
    TbmWchReader(const TbmWchReader&) = delete;
    TbmWchReader& operator=(const TbmWchReader&) = delete;

    TbmCharCode CharCode() const { return charCode_; }

    std::string GetText() const;
    // Keeps `text` and reads its bytes.
    void SetText(std::string text);
    int GetPos() const { return pos_; }
    void SetPos(int offset) { pos_ = offset; }
    // The next character value, or -1 at the end.
    virtual std::int32_t ReadChar() = 0;
    // Steps back over one character; false when already at the start.
    virtual bool UnreadChar() = 0;
    // Characters between the buffer start and the read position (-1 on a zero byte for the
    // double-byte codes).
    virtual int GetCharIndex() const = 0;
    void Rewind() { pos_ = 0; }
    // Values of the hexadecimal / octal digits that follow, or -1 when there is none.
    virtual std::int32_t ReadHexEscape();
    virtual std::int32_t ReadOctEscape();
    // The character meant by the text after a backslash, or -1 at the end or on \x without a
    // digit.
    std::int32_t ReadEscape();
    virtual void SetTextBuff(std::string_view buffer);
    // The rest of the text with every escape resolved (stopping at an invalid one), as bytes.
    std::string Unescape();
    // A character value as bytes of this code.
    virtual std::string CharToStr(std::int32_t c) const;
    // A character value as escape text (\n, \x41, \x8140 ...), as bytes of this code.
    virtual std::string CharToEscape(std::int32_t c) const;

protected:
    // Byte at `offset`, zero outside the buffer.
    unsigned Byte(int offset) const {
        return static_cast<unsigned>(offset) < static_cast<unsigned>(size_)
                   ? static_cast<unsigned char>(buffer_[offset])
                   : 0u;
    }
    std::int32_t ReadDigits(int radix, int maxDigits, std::int32_t maxValue);

    int pos_ = 0;
    int size_ = 0;

private:
    TbmCharCode charCode_;
    std::string text_;
    const char* buffer_ = "";
};

// Shift JIS and Japanese EUC: a lead byte and its trail byte make one character L*256+T.
class TbmMBCSReader : public TbmWchReader {
public:
    explicit TbmMBCSReader(TbmCharCode code);

    std::int32_t ReadChar() override {
        if (pos_ >= size_) {
            ++pos_;
            return -1;
        }
        const unsigned byte = Byte(pos_++);
        if (!IsLeadByte(byte)) return static_cast<std::int32_t>(byte);
        return static_cast<std::int32_t>(byte << 8 | Byte(pos_++));
    }
    bool UnreadChar() override;
    int GetCharIndex() const override;

private:
    bool IsLeadByte(unsigned byte) const { return (*leadBytes_)[byte]; }

    const std::array<bool, 256>* leadBytes_;  // the code's lead-byte test, tabulated
};

// Western (Windows-1252): one byte per character.
class TbmSBCSReader final : public TbmMBCSReader {
public:
    TbmSBCSReader() : TbmMBCSReader(TbmCharCode::Western) {}

    std::int32_t ReadChar() override {
        if (pos_ >= size_) {
            ++pos_;
            return -1;
        }
        return static_cast<std::int32_t>(Byte(pos_++));
    }
    bool UnreadChar() override;
    int GetCharIndex() const override { return pos_; }
    std::int32_t ReadHexEscape() override;
    std::int32_t ReadOctEscape() override;
};

// UTF-16 little-endian: one 16-bit unit per character.
class TbmUniCodeReader final : public TbmWchReader {
public:
    TbmUniCodeReader() : TbmWchReader(TbmCharCode::UniCode) {}

    std::int32_t ReadChar() override {
        if (pos_ >= size_) {
            pos_ += 2;
            return -1;
        }
        const unsigned unit = Byte(pos_) | Byte(pos_ + 1) << 8;
        pos_ += 2;
        return static_cast<std::int32_t>(unit);
    }
    bool UnreadChar() override;
    int GetCharIndex() const override { return pos_ / 2; }
    // Throws std::invalid_argument for an odd byte length.
    void SetTextBuff(std::string_view buffer) override;
    std::string CharToStr(std::int32_t c) const override;
    std::string CharToEscape(std::int32_t c) const override;
};

// UTF-8: one code point per character; bytes that form no well-formed sequence read as U+FFFD,
// one byte each.
class TbmUtf8Reader final : public TbmWchReader {
public:
    TbmUtf8Reader() : TbmWchReader(TbmCharCode::UTF8) {}

    std::int32_t ReadChar() override;
    bool UnreadChar() override;
    int GetCharIndex() const override;
    void SetTextBuff(std::string_view buffer) override;
    std::string CharToStr(std::int32_t c) const override;

private:
    const std::uint8_t* bytes_ = nullptr;
};

// The lead-byte test of `code` as a table (all false for Western); throws as
// bmccGetIsLeadByteFunc does for a code without one.
const std::array<bool, 256>& bmccLeadByteTable(TbmCharCode code);

// A new reader for `code`; nullptr for JIS or any other code without one.
std::unique_ptr<TbmWchReader> bmccCreateReader(TbmCharCode code);

}  // namespace kiova
