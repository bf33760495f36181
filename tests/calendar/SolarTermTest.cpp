// Solar terms: term values, their times, names, and the term-bounded solar month.
#include "calendar/CnCalendar.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace CnCalendar;

TEST(TermDay, KnownValuesOf2000) {
    const struct {
        int n;
        double atLeast, below;
    } cases[] = {{1, 6.37, 6.38}, {3, 35.857, 35.858}, {23, 342.14, 342.15}, {25, 371.61, 371.62}};
    for (const auto& c : cases) {
        EXPECT_GE(TermDay(2000, c.n), c.atLeast) << c.n;
        EXPECT_LT(TermDay(2000, c.n), c.below) << c.n;
    }
}

TEST(TermDay, YearZeroIsComputedAsYearOne) {
    EXPECT_DOUBLE_EQ(TermDay(0, 5), TermDay(1, 5));
    EXPECT_NE(TermDay(-1, 5), TermDay(0, 5));
}

TEST(SolarTermTime, MonthDayHourMinute) {
    const struct {
        int year, index, month, day, hour, minute;
    } cases[] = {
        {2000, 2, 2, 4, 20, 35},    // 立春
        {2000, 0, 1, 6, 8, 55},     // 小寒
        {2000, 23, 12, 21, 21, 29}, // 冬至
        {1582, 23, 12, 12, -1, -1}, // counted from the Julian 0 January, so ten days before ...
        {1583, 23, 12, 22, -1, -1}, // ... the Gregorian date of the moment
    };
    for (const auto& c : cases) {
        int month = 0, day = 0, hour = 0, minute = 0;
        ASSERT_TRUE(SolarTermTime(c.year, c.index, month, day, hour, minute)) << c.year << ' ' << c.index;
        EXPECT_EQ(month, c.month) << c.year << ' ' << c.index;
        EXPECT_EQ(day, c.day) << c.year << ' ' << c.index;
        if (c.hour >= 0) {
            EXPECT_EQ(hour, c.hour) << c.year << ' ' << c.index;
            EXPECT_EQ(minute, c.minute) << c.year << ' ' << c.index;
        }
    }
}

TEST(SolarTermTime, DaysOf2024) {
    const int expected[24][2] = {{1, 6}, {1, 20}, {2, 4},  {2, 19},  {3, 5},  {3, 20},  {4, 4},  {4, 19},
                                 {5, 5}, {5, 20}, {6, 5},  {6, 21},  {7, 6},  {7, 22},  {8, 7},  {8, 22},
                                 {9, 7}, {9, 22}, {10, 8}, {10, 23}, {11, 7}, {11, 22}, {12, 6}, {12, 21}};
    for (int i = 0; i < 24; ++i) {
        int month = 0, day = 0, hour = 0, minute = 0;
        ASSERT_TRUE(SolarTermTime(2024, i, month, day, hour, minute));
        EXPECT_EQ(month, expected[i][0]) << i;
        EXPECT_EQ(day, expected[i][1]) << i;
    }
}

TEST(SolarTermTime, RefusesIndexOutsideTheYearAndLeavesOutputs) {
    for (const int i : {24, -1, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
        int month = 7, day = 7, hour = 7, minute = 7;
        EXPECT_FALSE(SolarTermTime(2000, i, month, day, hour, minute));
        EXPECT_EQ(month * 1000 + day * 100 + hour * 10 + minute, 7777);
    }
}

TEST(SolarTermTime, RoundedMinuteOfSixtyCarriesIntoTheHour) {
    // 立秋 of 2024 lies within half a minute before 8:00.
    int month = 0, day = 0, hour = 0, minute = 0;
    ASSERT_TRUE(SolarTermTime(2024, 14, month, day, hour, minute));
    EXPECT_EQ(month, 8);
    EXPECT_EQ(day, 7);
    EXPECT_EQ(hour, 8);
    EXPECT_EQ(minute, 0);
}

TEST(SolarTermTime, TermWithinTheLastDayOfAMonthStaysInThatMonth) {
    // 寒露 of 1491 has the value 273.01: 20 minutes past midnight on 30 September, not
    // "day 0 of October".
    int month = 0, day = 0, hour = 0, minute = 0;
    ASSERT_TRUE(SolarTermTime(1491, 18, month, day, hour, minute));
    EXPECT_EQ(month, 9);
    EXPECT_EQ(day, 30);
    EXPECT_EQ(hour, 0);
    EXPECT_EQ(minute, 20);
}

TEST(SolarTermTime, RoundedMinuteOfSixtyAtHour23StaysOnItsDay) {
    // The 小雪 of 254 lies a quarter of a minute before midnight.
    int month = 0, day = 0, hour = 0, minute = 0;
    ASSERT_TRUE(SolarTermTime(254, 19, month, day, hour, minute));
    EXPECT_EQ(hour, 23);
    EXPECT_EQ(minute, 59);
    EXPECT_EQ(DayOfYear(254, month, day), static_cast<int>(std::floor(TermDay(254, 20))));
}

TEST(SolarTermTime, EveryTermOfTheLunarRangeHasAValidTime) {
    for (int year = -849; year <= 2100; ++year) {
        for (int i = 0; i < 24; ++i) {
            int month = 0, day = 0, hour = 0, minute = 0;
            ASSERT_TRUE(SolarTermTime(year, i, month, day, hour, minute)) << year << ' ' << i;
            ASSERT_LE(day, MonthDays(year, month)) << year << ' ' << i;
            ASSERT_TRUE(hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59) << year << ' ' << i;
            // In the late Julian centuries 小寒 falls in the December before: January day <= 0.
            if (!(i == 0 && year <= 1582)) {
                ASSERT_GE(day, 1) << year << ' ' << i;
            }
        }
    }
}

TEST(SolarTermTime, ExtremeYearsDoNotOverflow) {
    for (const int year :
         {std::numeric_limits<int>::min(), -1000000, 1000000, std::numeric_limits<int>::max()}) {
        for (int i = 0; i < 24; ++i) {
            int month = 0, day = 0, hour = 0, minute = 0;
            if (SolarTermTime(year, i, month, day, hour, minute)) {
                EXPECT_TRUE(month >= 1 && month <= 12 && hour >= 0 && hour <= 23) << year << ' ' << i;
            }
        }
    }
}

TEST(SolarTermName, TableAndOutOfRange) {
    EXPECT_EQ(SolarTermName(0), "立春");
    EXPECT_EQ(SolarTermName(21), "冬至");
    EXPECT_EQ(SolarTermName(22), "小寒");
    EXPECT_EQ(SolarTermName(23), "大寒");
    EXPECT_EQ(SolarTermName(24), "");
    EXPECT_EQ(SolarTermName(-1), "");
}

TEST(SolarMonth, ChangesOnTheDayOfEachTerm) {
    const struct {
        int y, m, d, solarYear, solarMonth;
    } cases[] = {
        {2000, 2, 4, 2000, 1},   {2000, 2, 3, 1999, 12},  {2000, 1, 6, 1999, 12},
        {2000, 1, 5, 1999, 11},  {2001, 1, 5, 2000, 12},  {2001, 1, 4, 2000, 11},
        {2000, 12, 7, 2000, 11}, {2000, 12, 6, 2000, 10}, {2000, 12, 31, 2000, 11},
    };
    for (const auto& c : cases) {
        int y = c.y, m = c.m;
        SolarMonth(y, m, c.d);
        EXPECT_EQ(y, c.solarYear) << c.y << '-' << c.m << '-' << c.d;
        EXPECT_EQ(m, c.solarMonth) << c.y << '-' << c.m << '-' << c.d;
    }
}

TEST(SolarMonth, YearBeforeTheFirstIntStaysInRange) {
    int y = std::numeric_limits<int>::min(), m = 1;
    SolarMonth(y, m, 1);
    EXPECT_EQ(y, std::numeric_limits<int>::min());
}
