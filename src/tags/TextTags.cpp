#include "TextTags.h"

#include <algorithm>

#include "CodePage.h"
#include "Random.h"
#include "TextUtils.h"
#include "bmRExp.h"

namespace kiova {
namespace {

// The count k read from key[first .. bar-1], and the raw text after the bar.
std::pair<int32_t, std::u16string_view> CountAndText(const TTag& tag, int first) {
    return {ToInt(tag.Key(first, tag.Bar() - 1)), tag.RawFrom(tag.Bar() + 1)};
}

}  // namespace

std::u16string LineBreakTag() {
    return u"\r\n";
}

std::u16string LengthTag(const TTag& tag) {
    return IntResult(static_cast<int64_t>(tag.KeyFrom(8).size()));
}

std::u16string LeftTag(const TTag& tag) {
    auto [k, text] = CountAndText(tag, 5);
    if (k <= 0) return {};
    return std::u16string(text.substr(0, static_cast<size_t>(k)));
}

std::u16string RightTag(const TTag& tag) {
    auto [k, text] = CountAndText(tag, 6);
    if (k <= 0) return {};
    return std::u16string(text.substr(text.size() - std::min(text.size(), static_cast<size_t>(k))));
}

std::u16string MidTag(const TTag& tag) {
    const std::vector<std::u16string_view> fields = SplitAtBars(tag.RawFrom(4));
    const int64_t start = std::max(ToInt(fields[0]), 1);
    const bool has_count = fields.size() > 2;
    const std::u16string_view text = has_count ? fields[2] : fields[1];
    const int64_t count = has_count ? ToInt(fields[1]) : static_cast<int64_t>(text.size());
    if (start > static_cast<int64_t>(text.size()) || count <= 0) return {};
    return std::u16string(text.substr(static_cast<size_t>(start - 1), static_cast<size_t>(count)));
}

std::u16string PosTag(const TTag& tag) {
    const std::u16string_view sub = tag.FirstOperand(3);
    if (sub.empty()) return u"0";
    const size_t at = tag.SecondOperand().find(sub);
    return IntResult(at == std::u16string_view::npos ? 0 : static_cast<int64_t>(at) + 1);
}

std::u16string LikeTag(const TTag& tag, int code_page) {
    TbmRExp pattern(bmccCodePage2CharCode(code_page));
    pattern.SetPattern(DigitPattern(Utf16ToAnsi(tag.SecondOperand(), code_page)));
    try {
        return TruthResult(pattern.Match(Utf16ToAnsi(tag.FirstOperand(4), code_page)) != 0);
    } catch (const EbmREToken&) {
        return TruthResult(false);
    }
}

std::u16string ScriptizeTag(const TTag& tag) {
    std::u16string text(tag.RawFrom(11));
    std::replace(text.begin(), text.end(), u'[', u'{');
    std::replace(text.begin(), text.end(), u']', u'}');
    return text;
}

std::u16string ChoiceTag(const TTag& tag) {
    Randomize();
    const std::u16string_view alternatives = tag.RawFrom(7);
    if (alternatives.empty()) return {};
    const std::vector<std::u16string_view> fields = SplitAtBars(alternatives);
    return std::u16string(fields[Random(static_cast<int>(fields.size()))]);
}

}  // namespace kiova
