// Date-time values as the character data know them: days since 1899-12-30 as a double, the
// fraction being the time of day.
#pragma once

#include <optional>

namespace kiova {

using TDateTime = double;

struct DateTimeParts {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

// Nothing when a field is out of its range (month 13, February 30, hour 24, ...).
std::optional<TDateTime> EncodeDate(int year, int month, int day);
std::optional<TDateTime> EncodeTime(int hour, int minute, int second, int millisecond = 0);
std::optional<TDateTime> EncodeDateTime(const DateTimeParts& parts);

DateTimeParts DecodeDateTime(TDateTime value);
// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime value);
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

}  // namespace kiova
