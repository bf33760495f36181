// Gregorian (Julian before 15 October 1582) to lunar dates and back.
#include "calendar/CnCalendar.h"

#include <gtest/gtest.h>
#include <limits>
#include <ostream>

using namespace CnCalendar;

namespace {
struct LunarCase {
    int y, m, d;
    int lunarYear, lunarMonth, lunarDay;
    bool leap;
};

std::ostream& operator<<(std::ostream& os, const LunarCase& c) {
    return os << c.y << '-' << c.m << '-' << c.d;
}

class SolarToLunarCases : public testing::TestWithParam<LunarCase> {};
} // namespace

TEST_P(SolarToLunarCases, ConvertsToTheExpectedLunarDate) {
    const LunarCase& c = GetParam();
    int lunarYear = 0, lunarMonth = 0, lunarDay = 0;
    bool leap = false;
    ASSERT_TRUE(SolarToLunar(c.y, c.m, c.d, lunarYear, lunarMonth, lunarDay, leap));
    EXPECT_EQ(lunarYear, c.lunarYear);
    EXPECT_EQ(lunarMonth, c.lunarMonth);
    EXPECT_EQ(lunarDay, c.lunarDay);
    EXPECT_EQ(leap, c.leap);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, SolarToLunarCases,
    testing::Values(
        // Around lunar New Year
        LunarCase{2000, 2, 5, 2000, 1, 1, false}, LunarCase{2000, 2, 4, 1999, 12, 29, false},
        LunarCase{2000, 1, 1, 1999, 11, 25, false}, LunarCase{1900, 1, 31, 1900, 1, 1, false},
        LunarCase{1900, 1, 30, 1899, 12, 30, false},
        // Leap months, also one opening in December
        LunarCase{2020, 5, 22, 2020, 4, 30, false}, LunarCase{2020, 5, 23, 2020, 4, 1, true},
        LunarCase{2020, 6, 21, 2020, 5, 1, false}, LunarCase{2023, 3, 22, 2023, 2, 1, true},
        LunarCase{2033, 12, 22, 2033, 11, 1, true},
        // Fixed corrections of 1924 and 2018: the day numbers run on at both ends
        LunarCase{1924, 3, 4, 1924, 1, 29, false}, LunarCase{1924, 3, 5, 1924, 2, 1, false},
        LunarCase{1924, 4, 3, 1924, 2, 30, false}, LunarCase{1924, 4, 4, 1924, 3, 1, false},
        LunarCase{2018, 11, 6, 2018, 9, 29, false}, LunarCase{2018, 11, 7, 2018, 9, 30, false},
        LunarCase{2018, 11, 8, 2018, 10, 1, false}, LunarCase{2018, 12, 6, 2018, 10, 29, false},
        LunarCase{2018, 12, 7, 2018, 11, 1, false},
        // 2025 needs no correction: the series is right through April and May
        LunarCase{2025, 4, 6, 2025, 3, 9, false}, LunarCase{2025, 4, 7, 2025, 3, 10, false},
        LunarCase{2025, 4, 27, 2025, 3, 30, false}, LunarCase{2025, 4, 28, 2025, 4, 1, false},
        LunarCase{2025, 5, 26, 2025, 4, 29, false}, LunarCase{2025, 5, 27, 2025, 5, 1, false},
        // The change of calendar: consecutive days
        LunarCase{1582, 10, 4, 1582, 9, 18, false}, LunarCase{1582, 10, 15, 1582, 9, 19, false},
        // The raised leap-month counts of 1200 to 1499
        LunarCase{1199, 12, 31, 1199, 12, 13, false}, LunarCase{1200, 1, 1, 1199, 11, 14, false},
        LunarCase{1499, 12, 31, 1499, 10, 29, false}, LunarCase{1500, 1, 1, 1499, 12, 1, false},
        LunarCase{1368, 2, 18, 1367, 12, 30, false}, LunarCase{1368, 2, 19, 1368, 1, 1, false},
        // Range ends
        LunarCase{1, 1, 1, 0, 11, 19, false}, LunarCase{2100, 1, 1, 2099, 11, 21, false},
        LunarCase{2100, 12, 31, 2100, 12, 1, false}));

TEST(SolarToLunar, RefusesYearsOutsideItsRangeAndLeavesOutputs) {
    for (const int year : {-850, 2101, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        int lunarYear = 7, lunarMonth = 7, lunarDay = 7;
        bool leap = true;
        EXPECT_FALSE(SolarToLunar(year, 1, 1, lunarYear, lunarMonth, lunarDay, leap)) << year;
        EXPECT_FALSE(SolarToLunarMonthDay(year, 6, 1, lunarMonth, lunarDay, leap)) << year;
        EXPECT_EQ(lunarYear * 100 + lunarMonth * 10 + lunarDay, 777);
        EXPECT_TRUE(leap);
    }
}

TEST(SolarToLunar, DaysWithoutANewMoonHaveNoLunarDay) {
    EXPECT_EQ(LunarDayOf(1582, 10, 10), -1);
    EXPECT_EQ(LunarDayOf(1582, 10, 4), 18);
    // Days far beyond their month inside the windows of the fixed corrections stay -1 rather
    // than being corrected into day 0 or day 28.
    EXPECT_EQ(LunarDayOf(1924, 3, 1000), -1);
    EXPECT_EQ(LunarDayOf(2018, 11, 1000), -1);
}

TEST(SolarToLunar, YearsAtAndBelowZeroKeepTheirNumberAsLunarYear) {
    // The New Year search of these years starts before AD 1, where no date exists.
    int lunarYear = 0, lunarMonth = 0, lunarDay = 0;
    bool leap = false;
    ASSERT_TRUE(SolarToLunar(-849, 1, 1, lunarYear, lunarMonth, lunarDay, leap));
    EXPECT_EQ(lunarYear, -849);
    ASSERT_TRUE(SolarToLunar(0, 1, 1, lunarYear, lunarMonth, lunarDay, leap));
    EXPECT_EQ(lunarYear, 0);
}

TEST(LeapMonthTables, CodesAndRunningCounts) {
    EXPECT_EQ(LeapMonthCode(-849), 0);
    EXPECT_EQ(LeapMonthCode(-848), 12);
    EXPECT_EQ(LeapMonthCode(2020), 4);
    EXPECT_EQ(LeapMonthCode(2033), 11);
    EXPECT_EQ(LeapMonthCode(-850), -1);
    EXPECT_EQ(LeapMonthCode(2101), -1);
    EXPECT_EQ(LeapMonthOfYear(2101), 0);
    EXPECT_EQ(LeapMonthsThrough(-849), 0);
    EXPECT_EQ(LeapMonthsThrough(0), LeapMonthsThrough(-1));
    EXPECT_EQ(LeapMonthsThrough(1), 311);
    EXPECT_EQ(LeapMonthsThrough(1200), 754);
    EXPECT_EQ(LeapMonthsThrough(1500), 863);
    EXPECT_EQ(LeapMonthsThrough(2100), 1084);
    EXPECT_EQ(LeapMonthsThrough(std::numeric_limits<int>::min()), 0);
    EXPECT_EQ(LeapMonthsThrough(std::numeric_limits<int>::max()), 1084);
}

TEST(LunarToSolar, FindsDatesAndRefusesWhatTheConversionNeverProduces) {
    const struct {
        int lunarYear, lunarMonth, lunarDay;
        bool leap;
        bool found;
        int y, m, d;
    } cases[] = {
        {2020, 4, 1, true, true, 2020, 5, 23},
        {2020, 4, 1, false, true, 2020, 4, 23},
        {2020, 5, 1, true, false, 0, 0, 0}, // 2020 has no leap fifth month
        {2100, 1, 1, false, true, 2100, 2, 9},
        {2000, 1, 1, false, true, 2000, 2, 5},
        {2000, 1, 31, false, false, 0, 0, 0}, // no lunar month has 31 days
        {0, 1, 1, false, false, 0, 0, 0},     // the search would start before AD 1
        {-849, 6, 1, false, false, 0, 0, 0},
        {2100, 12, 30, false, false, 0, 0, 0}, // the search would probe 2101
        {std::numeric_limits<int>::max(), 1, 1, false, false, 0, 0, 0},
        {std::numeric_limits<int>::min(), 1, 1, false, false, 0, 0, 0},
    };
    for (const auto& c : cases) {
        int y = 7, m = 7, d = 7;
        ASSERT_EQ(LunarToSolar(c.lunarYear, c.lunarMonth, c.lunarDay, c.leap, y, m, d), c.found)
            << c.lunarYear << ' ' << c.lunarMonth << ' ' << c.lunarDay;
        if (c.found) {
            EXPECT_EQ(y * 10000 + m * 100 + d, c.y * 10000 + c.m * 100 + c.d) << c.lunarYear;
        } else {
            EXPECT_EQ(y * 100 + m * 10 + d, 777) << c.lunarYear;
        }
    }
}

TEST(LunarToSolar, InvertsSolarToLunarForEveryGregorianDay) {
    // Years whose leap month is the first or the twelfth are left out: their month numbers
    // repeat or skip around the New Year (a leap first month in February reads as month 2, a
    // leap twelfth month in January leaves the year without a month 1), so the search cannot
    // find every day of them. From 1583 on that concerns 1640 and 1659 only.
    for (int n = FixedDay(1583, 1, 1); n <= FixedDay(2100, 12, 31); ++n) {
        int year = 0, month = 0, day = 0;
        ASSERT_TRUE(DateOfFixedDay(n, year, month, day));
        int lunarYear = 0, lunarMonth = 0, lunarDay = 0;
        bool leap = false;
        ASSERT_TRUE(SolarToLunar(year, month, day, lunarYear, lunarMonth, lunarDay, leap));
        int y = 0, m = 0, d = 0;
        if (year == 2100 && lunarMonth == 12) {
            continue; // the search for these would probe 2101
        }
        const int leapMonth = LeapMonthCode(lunarYear);
        if (leapMonth == 1 || leapMonth == 12) {
            continue;
        }
        ASSERT_TRUE(LunarToSolar(lunarYear, lunarMonth, lunarDay, leap, y, m, d))
            << year << '-' << month << '-' << day;
        ASSERT_EQ(FixedDay(y, m, d), n) << year << '-' << month << '-' << day;
    }
}
