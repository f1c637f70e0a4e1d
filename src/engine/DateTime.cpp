#include "DateTime.h"

#include <cmath>
#include <cstdint>

namespace kiova {
namespace {

constexpr double kMillisecondsPerDay = 86400000.0;
// Days from 0000-03-01 (the civil epoch of the conversion below) to 1899-12-30.
constexpr int64_t kEpochOffset = 693899;

// Days since 0000-03-01 of a proleptic Gregorian date.
int64_t DaysFromCivil(int64_t y, int m, int d) {
    y -= m <= 2;
    int64_t era = (y >= 0 ? y : y - 399) / 400;
    int64_t yoe = y - era * 400;
    int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
    int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    int64_t doe = z - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

}  // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::optional<TDateTime> EncodeDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month))
        return std::nullopt;
    return static_cast<double>(DaysFromCivil(year, month, day) - kEpochOffset);
}

std::optional<TDateTime> EncodeTime(int hour, int minute, int second, int millisecond) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        millisecond < 0 || millisecond > 999)
        return std::nullopt;
    return ((hour * 60.0 + minute) * 60.0 + second) * 1000.0 / kMillisecondsPerDay +
           millisecond / kMillisecondsPerDay;
}

std::optional<TDateTime> EncodeDateTime(const DateTimeParts& p) {
    auto date = EncodeDate(p.year, p.month, p.day);
    auto time = EncodeTime(p.hour, p.minute, p.second, p.millisecond);
    if (!date || !time) return std::nullopt;
    return *date + *time;
}

DateTimeParts DecodeDateTime(TDateTime value) {
    // Work in whole milliseconds so that 23:59:59.9995 rounds into the next day, not to 24:00.
    auto total_ms = static_cast<int64_t>(std::llround(value * kMillisecondsPerDay));
    int64_t day_number = total_ms >= 0 ? total_ms / 86400000 : -((-total_ms + 86399999) / 86400000);
    int64_t ms_of_day = total_ms - day_number * 86400000;
    DateTimeParts parts;
    CivilFromDays(day_number + kEpochOffset, parts.year, parts.month, parts.day);
    parts.hour = static_cast<int>(ms_of_day / 3600000);
    parts.minute = static_cast<int>(ms_of_day / 60000 % 60);
    parts.second = static_cast<int>(ms_of_day / 1000 % 60);
    parts.millisecond = static_cast<int>(ms_of_day % 1000);
    return parts;
}

int DayOfWeek(TDateTime value) {
    // 1899-12-30 was a Saturday.
    auto day = static_cast<int64_t>(std::floor(value));
    return static_cast<int>(((day + 6) % 7 + 7) % 7) + 1;
}

}  // namespace kiova
