// Date and time tags. Every tag of one evaluation reads the same instant, `now`.
#pragma once

#include <string>
#include <string_view>

#include "DateTime.h"
#include "Tag.h"

namespace kiova {

// `value` in one of the fixed forms ("yyyy/mm/dd hh:nn:ss", "m", ...; see FormatDateTime).
std::u16string DateTimeTag(std::string_view pattern, TDateTime value);
// The weekday name of `now`: "日曜" (Sunday) to "土曜" (Saturday).
std::u16string WeekdayTag(TDateTime now);
// "WORK": the minutes field of the time elapsed since `creation_time`.
std::u16string WorkTag(TDateTime now, TDateTime creation_time);
// "DATEDIFF" unit d1 | d2: whole days ("D"), hours ("H"), minutes ("N") or seconds ("S") from
// d1 to d2, cut toward zero; another unit gives nothing.
std::u16string DateDiffTag(const TTag& tag);
// "ISSAMED" d1 | d2: whether both dates fall on the same month and day, whatever the years.
std::u16string IsSameDayTag(const TTag& tag);

}  // namespace kiova
