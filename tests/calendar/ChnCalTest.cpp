#include "calendar/ChnCalendarUse.h"
#include "calendar/CnCalendar.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <tuple>

namespace {

using ChnCalendarUse::TChnCal;
using Dates::EncodeDate;

auto Fields(const TChnCal& c) {
    return std::tie(c.CnYearNo, c.CnMonthNo, c.TermStr, c.HolidayStr, c.CnMonthStr, c.DayGanZhiStr,
                    c.YearGanZhiStr, c.MonthGanZhiStr, c.CnHolidayStr, c.CnYearStr, c.CnDayStr, c.AnimalStr,
                    c.ConstellationStr, c.EraStr);
}

TChnCal Fresh(TDateTime t) {
    TChnCal c;
    c.Compute(t);
    return c;
}

// Walks every day of 1901 to 2100 with one object, as the month calendar does, and checks each
// cached text against the date at which its key changed: the month name follows the lunar month
// (leap months included) on every day, the sexagenary month and year and the era stay those of
// the day the lunar month or year was entered, and the day texts are always the day's own.
TEST(TChnCal, MonthWalkRecomputesTextsOnlyWhereTheLunarMonthOrYearChanges) {
    TChnCal walk;
    TChnCal monthStart, yearStart; // fresh objects of the days that opened the lunar month, year
    int lastYear = 0, lastMonth = 0;
    bool lastLeap = false, first = true;
    for (TDateTime t = EncodeDate(1901, 1, 1); t <= EncodeDate(2100, 12, 31); t += 1.0) {
        const TChnCal today = Fresh(t);
        int ly = 0, lm = 0, ld = 0;
        bool leap = false;
        ASSERT_TRUE(ChnCalendarUse::GetCnDate(t, ly, lm, ld, leap));
        if (first || ly != lastYear)
            yearStart = today;
        if (first || ly != lastYear || lm != lastMonth || leap != lastLeap) {
            monthStart = today;
            // A lunar month opens on its first day; the year on 1/1.
            if (!first) {
                ASSERT_EQ(ld, 1) << Dates::FormatDateTime("YYYY-MM-DD", t);
                if (ly != lastYear) {
                    ASSERT_EQ(lm, 1);
                }
            }
        }
        first = false;
        std::tie(lastYear, lastMonth, lastLeap) = std::tie(ly, lm, leap);

        walk.Compute(t);
        SCOPED_TRACE(Dates::FormatDateTime("YYYY-MM-DD", t));
        ASSERT_EQ(walk.CnYearNo, ly);
        ASSERT_EQ(walk.CnMonthNo, lm);
        ASSERT_EQ(walk.CnMonthStr, today.CnMonthStr);
        ASSERT_EQ(walk.MonthGanZhiStr, monthStart.MonthGanZhiStr);
        ASSERT_EQ(walk.YearGanZhiStr, yearStart.YearGanZhiStr);
        ASSERT_EQ(walk.EraStr, yearStart.EraStr);
        ASSERT_EQ(walk.CnYearStr, today.CnYearStr);
        ASSERT_EQ(walk.AnimalStr, today.AnimalStr);
        ASSERT_EQ(std::tie(walk.CnDayStr, walk.DayGanZhiStr, walk.ConstellationStr, walk.HolidayStr,
                           walk.CnHolidayStr, walk.TermStr),
                  std::tie(today.CnDayStr, today.DayGanZhiStr, today.ConstellationStr, today.HolidayStr,
                           today.CnHolidayStr, today.TermStr));
    }
}

TEST(TChnCal, SexagenaryTextsStayThoseOfTheDayTheLunarMonthOrYearWasEntered) {
    // 1 February 2024 lies in the 12th lunar month of 2023, before 立春 (4 February), which opens
    // both the sexagenary year 甲辰 and the month 丙寅. The lunar month runs on to 9 February.
    TChnCal c;
    c.Compute(EncodeDate(2024, 2, 1));
    EXPECT_EQ(c.YearGanZhiStr, "癸卯");
    EXPECT_EQ(c.MonthGanZhiStr, "乙丑");
    c.Compute(EncodeDate(2024, 2, 5));
    EXPECT_EQ(c.CnDayStr, "廿六");
    EXPECT_EQ(c.YearGanZhiStr, "癸卯");
    EXPECT_EQ(c.MonthGanZhiStr, "乙丑");
    EXPECT_EQ(Fresh(EncodeDate(2024, 2, 5)).MonthGanZhiStr, "丙寅");
    // The lunar New Year renews both.
    c.Compute(EncodeDate(2024, 2, 10));
    EXPECT_EQ(std::tie(c.CnYearStr, c.CnMonthStr, c.CnDayStr, c.YearGanZhiStr, c.MonthGanZhiStr, c.AnimalStr),
              std::make_tuple("2024", "正月", "初一", "甲辰", "丙寅", "龙"));
}

TEST(TChnCal, SameMonthNumberOfTheNextYearRenewsYearAndMonthTexts) {
    TChnCal c;
    c.Compute(EncodeDate(2023, 4, 25)); // 2023, third month
    ASSERT_EQ(c.CnMonthStr, "三月");
    c.Compute(EncodeDate(2024, 4, 15)); // 2024, third month
    EXPECT_EQ(Fields(c), Fields(Fresh(EncodeDate(2024, 4, 15))));
}

// Mended: the cached month is told apart by its leap flag too, so the leap fourth month of 2020,
// entered straight from the ordinary fourth month, shows its own name at once.
TEST(TChnCal, LeapMonthEnteredFromTheSameNumberGetsItsOwnName) {
    TChnCal c;
    c.Compute(EncodeDate(2020, 5, 22));
    EXPECT_EQ(c.CnMonthStr, "四月");
    c.Compute(EncodeDate(2020, 5, 23));
    EXPECT_EQ(c.CnMonthStr, "闰四");
    EXPECT_EQ(c.CnMonthNo, 4);
    c.Compute(EncodeDate(2020, 6, 21)); // fifth month
    EXPECT_EQ(c.CnMonthStr, "五月");
    EXPECT_EQ(Fresh(EncodeDate(2020, 12, 20)).CnMonthStr, "冬月");
    EXPECT_EQ(Fresh(EncodeDate(2021, 1, 20)).CnMonthStr, "腊月");
}

// Mended: a new object has no key yet, so 1 January AD 1, in lunar year 0 (the empty object's
// CnYearNo), still gets its year texts on the first call.
TEST(TChnCal, FirstComputeFillsYearTextsEvenForLunarYearZero) {
    TChnCal c;
    EXPECT_EQ(c.CnYearNo, 0);
    EXPECT_EQ(c.CnMonthNo, 0);
    c.Compute(EncodeDate(2101, 1, 1)); // a failed call sets no key
    c.Compute(EncodeDate(1, 1, 1));
    EXPECT_EQ(c.CnYearNo, 0);
    EXPECT_EQ(c.CnYearStr, "0");
    EXPECT_FALSE(c.YearGanZhiStr.empty());
    EXPECT_FALSE(c.AnimalStr.empty());
    EXPECT_EQ(c.EraStr, "[西汉]平帝 刘衎 元始元年");
    EXPECT_EQ(c.CnMonthStr, "冬月");
    EXPECT_FALSE(c.MonthGanZhiStr.empty());
}

TEST(TChnCal, EraOf1948IsKeptUntilTheLunarNewYearOf1949) {
    TChnCal c;
    c.Compute(EncodeDate(1948, 12, 31));
    EXPECT_EQ(c.EraStr, "[近、现代]中华民国  民国38年");
    c.Compute(EncodeDate(1949, 1, 28)); // still lunar 1948, 除夕
    EXPECT_EQ(c.EraStr, "[近、现代]中华民国  民国38年");
    EXPECT_EQ(c.CnHolidayStr, "除夕");
    c.Compute(EncodeDate(1949, 1, 29)); // lunar New Year
    EXPECT_EQ(c.EraStr, "");
    EXPECT_EQ(c.CnYearStr, "1949");
    // A fresh object in late January 1949 looks the era up for the Gregorian year 1949.
    EXPECT_EQ(Fresh(EncodeDate(1949, 1, 20)).EraStr, "");
}

TEST(TChnCal, DateTheEngineRefusesChangesOnlyDateTime) {
    TChnCal c;
    c.Compute(EncodeDate(2100, 12, 31));
    const TChnCal before = c;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const TDateTime t : {EncodeDate(2101, 1, 1), EncodeDate(9999, 12, 31), nan, 1e300, -1e300}) {
        c.Compute(t);
        EXPECT_EQ(Fields(c), Fields(before));
        EXPECT_TRUE(c.DateTime == t || (std::isnan(t) && std::isnan(c.DateTime)));
    }
    TChnCal empty;
    empty.Compute(nan);
    EXPECT_EQ(Fields(empty), Fields(TChnCal{}));
}

} // namespace
