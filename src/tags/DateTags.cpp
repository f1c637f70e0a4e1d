#include "DateTags.h"

#include <cmath>
#include <cstdint>

#include "CodePage.h"
#include "DateText.h"

namespace kiova {
namespace {

TDateTime ToDateTime(std::u16string_view operand) {
    std::optional<TDateTime> value = ParseDateTime(Utf16ToAnsi(operand));
    if (!value) throw ETagFailed();
    return *value;
}

// Milliseconds per unit of "DATEDIFF", 0 for an unknown unit.
int64_t UnitMilliseconds(char16_t unit) {
    switch (unit) {
        case u'D':
            return 86400000;
        case u'H':
            return 3600000;
        case u'N':
            return 60000;
        case u'S':
            return 1000;
        default:
            return 0;
    }
}

}  // namespace

std::u16string DateTimeTag(std::string_view pattern, TDateTime value) {
    return AnsiToUtf16(FormatDateTime(pattern, value));
}

std::u16string WeekdayTag(TDateTime now) {
    static constexpr std::u16string_view kNames[] = {u"日曜", u"月曜", u"火曜", u"水曜",
                                                     u"木曜", u"金曜", u"土曜"};
    return std::u16string(kNames[DayOfWeek(now) - 1]);
}

std::u16string WorkTag(TDateTime now, TDateTime creation_time) {
    return DateTimeTag("n", now - creation_time);
}

std::u16string DateDiffTag(const TTag& tag) {
    const int64_t unit = UnitMilliseconds(tag.KeyAt(9));
    if (unit == 0) return {};
    const TDateTime first = ToDateTime(tag.Key(10, tag.Bar() - 1));
    const TDateTime second = ToDateTime(tag.SecondOperand());
    // Counted in whole milliseconds, the resolution of a date-time, so that 09:59 to 10:00 is
    // one minute and not 0.99999... of one.
    const int64_t milliseconds = std::llround((second - first) * 86400000.0);
    return IntResult(milliseconds / unit);
}

std::u16string IsSameDayTag(const TTag& tag) {
    const std::u16string_view after_bar = tag.SecondOperand();
    const TDateTime first = ToDateTime(tag.Key(8, tag.Bar() - 1));
    const TDateTime second = ToDateTime(after_bar.substr(0, after_bar.find(u'|')));
    return TruthResult(FormatDateTime("mm/dd", first) == FormatDateTime("mm/dd", second));
}

}  // namespace kiova
