// One tag as its row sees it, and the conversions its operands and results go through.
//
// The key is the normalised tag text (upper-case half-width ASCII), one character for one, so a
// position in the key is the same position in the raw text. Positions are 1-based; a range
// beyond the end is cut there, an empty or reversed range is empty text.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kiova {

// Raised by a row that cannot give a result (a number that does not convert, a division by
// zero, a bad index); the tag then gives empty text.
class ETagFailed : public std::runtime_error {
public:
    ETagFailed() : std::runtime_error("tag failed") {}
};

class TTag {
public:
    explicit TTag(std::u16string_view raw_text);

    std::u16string_view Raw() const { return raw_; }
    const std::u16string& Key() const { return key_; }
    int N() const { return static_cast<int>(raw_.size()); }
    // Position of the first "|" in the key (a full-width one counts), 0 when there is none.
    int Bar() const { return bar_; }

    std::u16string_view Key(int first, int last) const { return Range(key_, first, last); }
    std::u16string_view Raw(int first, int last) const { return Range(raw_, first, last); }
    std::u16string_view KeyFrom(int first) const { return Key(first, N()); }
    std::u16string_view RawFrom(int first) const { return Raw(first, N()); }
    // The key character at `at`, or 0 outside the key.
    char16_t KeyAt(int at) const { return at >= 1 && at <= N() ? key_[at - 1] : u'\0'; }

    // The operands of a two-operand tag whose name is `name_length` long: key[name_length+1 ..
    // bar-1] and key[bar+1 .. n].
    std::u16string_view FirstOperand(int name_length) const {
        return Key(name_length + 1, bar_ - 1);
    }
    std::u16string_view SecondOperand() const { return KeyFrom(bar_ + 1); }

private:
    static std::u16string_view Range(std::u16string_view text, int first, int last);

    std::u16string_view raw_;
    std::u16string key_;
    int bar_;
};

// Whole-operand conversions; ETagFailed when the text is no number (or no finite one).
double ToFloat(std::u16string_view operand);
int32_t ToInt(std::u16string_view operand);

// Float results in the general 15-digit form; a result that is not finite fails, as an
// overflow or an invalid operation does.
std::u16string FloatResult(double value);
std::u16string IntResult(int64_t value);
// A whole-numbered float as an integer; ETagFailed outside the integer's range.
int64_t CheckedInt64(double whole);
int32_t CheckedInt32(double whole);
std::u16string TruthResult(bool value);
// Four characters of a key that read "TRUE".
bool IsTrueText(std::u16string_view key_part);

// The fields of `text` divided by "|", as written (the first field is field 0).
std::vector<std::u16string_view> SplitAtBars(std::u16string_view text);

}  // namespace kiova
