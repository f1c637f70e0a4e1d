#include <gtest/gtest.h>

#include "Clock.h"
#include "DateTime.h"

namespace kiova {
namespace {

TEST(DateTime, DaysCountFromTheEndOf1899) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(EncodeDate(1899, 12, 29), -1.0);
    EXPECT_DOUBLE_EQ(*EncodeTime(12, 0, 0), 0.5);
    EXPECT_DOUBLE_EQ(*EncodeTime(6, 0, 0, 0), 0.25);
}

TEST(DateTime, RejectsImpossibleFields) {
    EXPECT_FALSE(EncodeDate(2023, 2, 29));
    EXPECT_TRUE(EncodeDate(2024, 2, 29));
    EXPECT_FALSE(EncodeDate(1900, 2, 29));
    EXPECT_TRUE(EncodeDate(2000, 2, 29));
    EXPECT_FALSE(EncodeDate(2024, 13, 1));
    EXPECT_FALSE(EncodeDate(2024, 0, 1));
    EXPECT_FALSE(EncodeTime(24, 0, 0));
    EXPECT_FALSE(EncodeTime(0, 60, 0));
}

TEST(DateTime, DecodeInvertsEncode) {
    for (int year : {1, 1899, 1900, 1970, 2000, 2024, 9999}) {
        for (int month : {1, 2, 12}) {
            DateTimeParts parts{year, month, month == 2 ? 28 : 31, 23, 59, 58, 999};
            DateTimeParts back = DecodeDateTime(*EncodeDateTime(parts));
            EXPECT_EQ(back.year, year);
            EXPECT_EQ(back.month, month);
            EXPECT_EQ(back.day, parts.day);
            EXPECT_EQ(back.hour, 23);
            EXPECT_EQ(back.minute, 59);
            EXPECT_EQ(back.second, 58);
            EXPECT_EQ(back.millisecond, 999);
        }
    }
}

TEST(DateTime, WeekdaysStartOnSunday) {
    EXPECT_EQ(DayOfWeek(*EncodeDate(2026, 12, 7)), 2);   // a Monday
    EXPECT_EQ(DayOfWeek(*EncodeDate(1899, 12, 30)), 7);  // a Saturday
    EXPECT_EQ(DayOfWeek(*EncodeDate(1899, 12, 24)), 1);  // before the epoch too
}

TEST(Clock, AFixedClockStandsStillUntilReplaced) {
    SetClock(std::make_shared<TFixedClock>(1000.25, 1000.0));
    EXPECT_EQ(CurrentClock()->Now(), 1000.25);
    EXPECT_EQ(CurrentClock()->NowUtc(), 1000.0);
    SetClock(nullptr);
    EXPECT_GT(CurrentClock()->Now(), *EncodeDate(2020, 1, 1));
}

}  // namespace
}  // namespace kiova
