// Calendar arithmetic of the mixed Julian/Gregorian calendar.
#include "calendar/CnCalendar.h"

#include <gtest/gtest.h>
#include <limits>

using namespace CnCalendar;

namespace {
constexpr int IntMax = std::numeric_limits<int>::max();
constexpr int IntMin = std::numeric_limits<int>::min();

struct Ymd {
    int y, m, d;
};
} // namespace

TEST(CalendarKind, SwitchesOnFifteenthOctober1582WithGapBetween) {
    EXPECT_EQ(CalendarKind(1582, 9, 30), 1);
    EXPECT_EQ(CalendarKind(1582, 10, 4), 1);
    EXPECT_EQ(CalendarKind(1582, 10, 5), 0);
    EXPECT_EQ(CalendarKind(1582, 10, 14), 0);
    EXPECT_EQ(CalendarKind(1582, 10, 15), 2);
    EXPECT_EQ(CalendarKind(1582, 11, 1), 2);
    EXPECT_EQ(CalendarKind(1583, 1, 1), 2);
    EXPECT_EQ(CalendarKind(-500, 1, 1), 1);
}

TEST(IsLeap, JulianRuleBefore1583GregorianAfterHistoricalForNegativeYears) {
    const struct {
        int year;
        bool leap;
    } cases[] = {{1500, true}, {1582, false}, {1600, true},    {1700, false},      {1900, false},
                 {2000, true}, {4, true},     {0, true},       {-1, true},         {-4, false},
                 {-5, true},   {-9, true},    {IntMin, false}, {IntMin + 3, true}, {IntMax, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(IsLeap(c.year), c.leap) << c.year;
    }
}

TEST(MonthDays, CountsOctober1582InFullAndRefusesOtherMonths) {
    EXPECT_EQ(MonthDays(1582, 10), 31);
    EXPECT_EQ(MonthDays(2001, 2), 28);
    EXPECT_EQ(MonthDays(2000, 2), 29);
    EXPECT_EQ(MonthDays(1500, 2), 29);
    EXPECT_EQ(MonthDays(2000, 13), 0);
    EXPECT_EQ(MonthDays(2000, 0), 0);
    EXPECT_EQ(MonthDays(2000, -1), 0);
}

TEST(DayOfYear, SumsMonthsBeforeTheDay) {
    EXPECT_EQ(DayOfYear(2000, 1, 1), 1);
    EXPECT_EQ(DayOfYear(2000, 12, 31), 366);
    EXPECT_EQ(DayOfYear(2001, 3, 1), 60);
    EXPECT_EQ(DayOfYear(2001, -5, 7), 7);           // a month of 1 or less adds nothing before the day
    EXPECT_EQ(DayOfYear(2001, 12, IntMax), IntMax); // clamped, not overflowed
}

TEST(DayNumbers, KnownDatesAcrossTheChangeOfCalendar) {
    EXPECT_EQ(DayCount(1, 1, 1), 1);
    EXPECT_EQ(DayCount(-1, 12, 31), 0);
    EXPECT_EQ(DayCount(1582, 10, 4), 577737);
    EXPECT_EQ(DayCount(1582, 10, 15), 577738);
    EXPECT_EQ(DayCount(2000, 1, 1), 730122);

    EXPECT_EQ(FixedDay(2000, 1, 1), 730120);
    EXPECT_EQ(FixedDay(1582, 10, 4), 577735);
    EXPECT_EQ(FixedDay(1582, 10, 15), 577736);
    EXPECT_EQ(FixedDay(1582, 10, 10), 0);
    EXPECT_EQ(FixedDay(1, 1, 1), -1);
    // Truncating division for years of 0 and below: year 0 starts 366 days before year 1.
    EXPECT_EQ(FixedDay(0, 1, 1), -366);
    EXPECT_EQ(FixedDay(-1, 1, 1), -731);
}

TEST(DayNumbers, ClampInsteadOfOverflowing) {
    EXPECT_EQ(FixedDay(IntMax, 12, 31), IntMax);
    EXPECT_EQ(FixedDay(IntMin, 1, 1), IntMin);
    EXPECT_EQ(DayCount(IntMax, 12, 31), IntMax);
    EXPECT_EQ(DayCount(IntMin, 1, 1), IntMin);
    EXPECT_EQ(FixedDay(IntMin, 1, IntMin), IntMin);
}

TEST(DateOfFixedDay, InvertsFixedDayAtTheEdges) {
    const Ymd cases[] = {{2000, 1, 1},   {1582, 10, 4}, {1582, 10, 15}, {1, 1, 2},     {2022, 1, 1},
                         {1, 12, 31},    {4, 12, 31},   {100, 12, 31},  {1500, 2, 29}, {1500, 12, 31},
                         {1499, 12, 24}, {1600, 2, 29}, {2100, 12, 31}};
    for (const auto& c : cases) {
        int y = 0, m = 0, d = 0;
        ASSERT_TRUE(DateOfFixedDay(FixedDay(c.y, c.m, c.d), y, m, d)) << c.y << '-' << c.m << '-' << c.d;
        EXPECT_EQ(y, c.y);
        EXPECT_EQ(m, c.m);
        EXPECT_EQ(d, c.d);
    }
}

TEST(DateOfFixedDay, JulianCenturyYearsAreNotOneDayEarly) {
    // A Gregorian-length year count put these days one day early; the Julian date is exact.
    int y = 0, m = 0, d = 0;
    ASSERT_EQ(FixedDay(100, 12, 8), 36500);
    ASSERT_TRUE(DateOfFixedDay(36500, y, m, d));
    EXPECT_EQ(y * 10000 + m * 100 + d, 1001208);
    ASSERT_TRUE(DateOfFixedDay(FixedDay(200, 11, 13), y, m, d));
    EXPECT_EQ(m * 100 + d, 1113);
    ASSERT_TRUE(DateOfFixedDay(FixedDay(1500, 6, 1), y, m, d));
    EXPECT_EQ(y * 10000 + m * 100 + d, 15000601);
}

TEST(DateOfFixedDay, NegativeNumbersHaveNoDateAndLargeOnesStayInRange) {
    int y = 7, m = 7, d = 7;
    EXPECT_FALSE(DateOfFixedDay(-1, y, m, d));
    EXPECT_FALSE(DateOfFixedDay(IntMin, y, m, d));
    EXPECT_TRUE(DateOfFixedDay(0, y, m, d));
    EXPECT_EQ(y * 10000 + m * 100 + d, 10102); // 2 January AD 1
    ASSERT_TRUE(DateOfFixedDay(IntMax, y, m, d));
    EXPECT_EQ(FixedDay(y, m, d), IntMax);
}

TEST(Compare, DatesAndLunarDatesWithLeapMonthAfterItsNamesake) {
    EXPECT_EQ(CompareDates(2020, 1, 2, 2020, 1, 1), 1);
    EXPECT_EQ(CompareDates(2019, 12, 31, 2020, 1, 1), -1);
    EXPECT_EQ(CompareDates(2020, 5, 5, 2020, 5, 5), 0);
    EXPECT_EQ(CompareDates(IntMin, 1, 1, IntMax, 1, 1), -1);
    EXPECT_EQ(CompareLunarDates(2020, 4, 1, true, 2020, 4, 30, false), 1);
    EXPECT_EQ(CompareLunarDates(2020, 4, 1, true, 2020, 5, 1, false), -1);
    EXPECT_EQ(CompareLunarDates(2020, 4, 3, true, 2020, 4, 3, true), 0);
    EXPECT_EQ(CompareLunarDates(2020, 4, 3, false, 2020, 4, 2, false), 1);
}
