#include "Tag.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "CodePage.h"
#include "Numbers.h"
#include "TextUtils.h"

namespace kiova {

TTag::TTag(std::u16string_view raw_text) : raw_(raw_text), key_(NormalizeText(raw_text)) {
    size_t at = key_.find(u'|');
    bar_ = at == std::u16string::npos ? 0 : static_cast<int>(at) + 1;
}

std::u16string_view TTag::Range(std::u16string_view text, int first, int last) {
    first = std::max(first, 1);
    last = std::min(last, static_cast<int>(text.size()));
    if (first > last) return {};
    return text.substr(first - 1, last - first + 1);
}

double ToFloat(std::u16string_view operand) {
    std::optional<double> value = TextToFloat(Utf16ToAnsi(operand));
    if (!value || !std::isfinite(*value)) throw ETagFailed();
    return *value;
}

int32_t ToInt(std::u16string_view operand) {
    std::optional<int32_t> value = TextToInt(Utf16ToAnsi(operand));
    if (!value) throw ETagFailed();
    return *value;
}

std::u16string FloatResult(double value) {
    if (!std::isfinite(value)) throw ETagFailed();
    return AnsiToUtf16(FloatToText(value));
}

std::u16string IntResult(int64_t value) {
    std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

int64_t CheckedInt64(double whole) {
    // 2^63 is exact as a double; every double below it converts without overflow.
    constexpr double kLimit = 9223372036854775808.0;
    if (!(whole >= -kLimit && whole < kLimit)) throw ETagFailed();
    return static_cast<int64_t>(whole);
}

int32_t CheckedInt32(double whole) {
    if (!(whole >= -2147483648.0 && whole <= 2147483647.0)) throw ETagFailed();
    return static_cast<int32_t>(whole);
}

std::u16string TruthResult(bool value) {
    return AnsiToUtf16(BoolToText(value));
}

bool IsTrueText(std::u16string_view key_part) {
    return key_part == u"TRUE";
}

std::vector<std::u16string_view> SplitAtBars(std::u16string_view text) {
    std::vector<std::u16string_view> fields;
    for (size_t start = 0;;) {
        size_t bar = text.find(u'|', start);
        fields.push_back(text.substr(start, bar - start));
        if (bar == std::u16string_view::npos) return fields;
        start = bar + 1;
    }
}

}  // namespace kiova
