#include "calendar/DateTime.h"

#include <chrono>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

using namespace Dates;

struct Known {
    int y, m, d;
    int serial;
    int weekday; // 1 = Sunday
    int isoWeek;
};

// Serial numbers and weekdays of the classic date type; ISO weeks at the turns of years.
const Known KnownDates[] = {
    {1899, 12, 30, 0, 7, 52},       {1900, 1, 1, 2, 2, 1},          {1900, 3, 1, 61, 5, 9},
    {1970, 1, 1, 25569, 5, 1},      {2000, 1, 1, 36526, 7, 52},     {2000, 2, 29, 36585, 3, 9},
    {2024, 2, 10, 45332, 7, 6},     {2020, 12, 31, 44196, 5, 53},   {2021, 1, 1, 44197, 6, 53},
    {2024, 12, 30, 45656, 2, 1},    {2026, 1, 1, 46023, 5, 1},      {1, 1, 1, -693593, 2, 1},
    {9999, 12, 31, 2958465, 6, 52}, {1582, 10, 15, -115858, 6, 41},
};

// A time of day added the classic way: before day 0 the fraction counts away from zero.
TDateTime WithTime(TDateTime date, double time) {
    return date >= 0 ? date + time : date - time;
}

TEST(DateTime, KnownDatesEncodeDecodeAndWeekday) {
    for (const Known& k : KnownDates) {
        SCOPED_TRACE(testing::Message() << k.y << '-' << k.m << '-' << k.d);
        TDateTime t = -1.0;
        ASSERT_TRUE(TryEncodeDate(k.y, k.m, k.d, t));
        EXPECT_EQ(t, k.serial);
        EXPECT_EQ(EncodeDate(k.y, k.m, k.d), k.serial);
        EXPECT_EQ(DayOfWeek(WithTime(t, 0.75)), k.weekday);
        EXPECT_EQ(ISOWeekOf(t), k.isoWeek);
        EXPECT_EQ(YearOf(WithTime(t, 0.5)), k.y);
    }
}

TEST(DateTime, EveryDayOfTheRangeRoundTripsAgainstChrono) {
    using namespace std::chrono;
    const sys_days epoch = sys_days{year{1899} / December / 30};
    int previous = MinDateDay - 1;
    for (int y = 1; y <= 9999; ++y) {
        for (int m = 1; m <= 12; ++m) {
            const int last = static_cast<int>(static_cast<unsigned>(
                year_month_day_last{year{y}, month_day_last{month{static_cast<unsigned>(m)}}}.day()));
            for (int d = 1; d <= last; ++d) {
                TDateTime t = 0.0;
                ASSERT_TRUE(TryEncodeDate(y, m, d, t)) << y << '-' << m << '-' << d;
                ASSERT_EQ(t, previous + 1); // consecutive, no gap
                previous = static_cast<int>(t);
                int dy = 0, dm = 0, dd = 0;
                ASSERT_TRUE(DecodeDate(t, dy, dm, dd));
                ASSERT_EQ(dy * 10000 + dm * 100 + dd, y * 10000 + m * 100 + d);
            }
            // The day after the last does not exist.
            TDateTime t = 0.0;
            ASSERT_FALSE(TryEncodeDate(y, m, last + 1, t));
        }
    }
    EXPECT_EQ(previous, MaxDateDay);
    EXPECT_EQ((sys_days{year{2000} / 1 / 1} - epoch).count(), 36526);
}

TEST(DateTime, RefusesDatesThatDoNotExist) {
    const int bad[][3] = {{2023, 2, 29},     {1900, 2, 29},   {2024, 4, 31},     {0, 1, 1},
                          {10000, 1, 1},     {-5, 1, 1},      {2024, 0, 1},      {2024, 13, 1},
                          {2024, 1, 0},      {INT_MIN, 1, 1}, {INT_MAX, 12, 31}, {2024, INT_MIN, 1},
                          {2024, 1, INT_MAX}};
    for (const auto& b : bad) {
        TDateTime t = 123.0;
        EXPECT_FALSE(TryEncodeDate(b[0], b[1], b[2], t)) << b[0] << '-' << b[1] << '-' << b[2];
        EXPECT_EQ(t, 123.0);
        EXPECT_EQ(EncodeDate(b[0], b[1], b[2]), 0.0);
    }
}

TEST(DateTime, ValuesOutsideTheRangeDecodeToNothing) {
    const double inf = std::numeric_limits<double>::infinity();
    for (const double t : {std::nan(""), inf, -inf, 1e300, -1e300, MaxDateDay + 1.0, MinDateDay - 1.0}) {
        SCOPED_TRACE(t);
        int y = 1, m = 1, d = 1;
        EXPECT_FALSE(DecodeDate(t, y, m, d));
        EXPECT_EQ(y + m + d, 0);
        EXPECT_FALSE(IsValidDateTime(t));
        EXPECT_EQ(DayOfWeek(t), 0);
        EXPECT_EQ(YearOf(t), 0);
        EXPECT_EQ(ISOWeekOf(t), 0);
        EXPECT_EQ(FormatDateTime("YYYY-MM-DD", t), "");
        const TDateTime moved = IncMonth(t, 1);
        EXPECT_TRUE(moved == t || (std::isnan(moved) && std::isnan(t)));
    }
    // The last day still counts whatever its time.
    EXPECT_TRUE(IsValidDateTime(MaxDateDay + 0.999));
}

TEST(DateTime, NegativeValuesTruncateToTheirDate) {
    int y = 0, m = 0, d = 0;
    ASSERT_TRUE(DecodeDate(-1.25, y, m, d)); // 29 December 1899, 06:00
    EXPECT_EQ(y * 10000 + m * 100 + d, 18991229);
    ASSERT_TRUE(DecodeDate(-0.5, y, m, d)); // 30 December 1899, 12:00
    EXPECT_EQ(y * 10000 + m * 100 + d, 18991230);
    EXPECT_EQ(IncMonth(-1.25, 1), EncodeDate(1900, 1, 29) + 0.25);
}

TEST(DateTime, IncMonthCutsTheDayAndKeepsTheTime) {
    struct Case {
        int y, m, d, months, ey, em, ed;
    };
    const Case cases[] = {
        {2024, 1, 31, 1, 2024, 2, 29},   {2023, 1, 31, 1, 2023, 2, 28},   {2024, 3, 31, -1, 2024, 2, 29},
        {2024, 12, 15, 1, 2025, 1, 15},  {2024, 1, 15, -1, 2023, 12, 15}, {2024, 5, 31, 13, 2025, 6, 30},
        {2024, 2, 29, -12, 2023, 2, 28}, {1, 1, 31, 0, 1, 1, 31},         {9999, 11, 30, 1, 9999, 12, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.y << '-' << c.m << '-' << c.d << " + " << c.months);
        EXPECT_EQ(IncMonth(EncodeDate(c.y, c.m, c.d) + 0.5, c.months), EncodeDate(c.ey, c.em, c.ed) + 0.5);
    }
    // A result outside the years 1 to 9999 leaves the date as it is, for any step.
    const TDateTime last = EncodeDate(9999, 12, 1);
    for (const int months : {1, 120000, INT_MAX}) {
        EXPECT_EQ(IncMonth(last, months), last);
    }
    const TDateTime first = EncodeDate(1, 1, 1);
    for (const int months : {-1, INT_MIN}) {
        EXPECT_EQ(IncMonth(first, months), first);
    }
    EXPECT_EQ(IncMonth(first, 9999 * 12 - 1), EncodeDate(9999, 12, 1));
}

TEST(DateTime, FormatsThePatternsInUse) {
    const TDateTime t = EncodeDate(2024, 2, 9) + 0.9;
    EXPECT_EQ(FormatDateTime("YYYY-MM-DD", t), "2024-02-09");
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd", t), "2024-02-09");
    EXPECT_EQ(FormatDateTime("YYYY", t), "2024");
    EXPECT_EQ(FormatDateTime("m", t), "2");
    EXPECT_EQ(FormatDateTime("d", t), "9");
    EXPECT_EQ(FormatDateTime("YYYY年m月d日", t), "2024年2月9日");
    EXPECT_EQ(FormatDateTime("YYYY-MM-DD", EncodeDate(7, 11, 25)), "0007-11-25");
}

TEST(DateTime, NowIsTodayInRange) {
    const TDateTime now = Now();
    EXPECT_TRUE(IsValidDateTime(now));
    EXPECT_GE(YearOf(now), 2024);
    EXPECT_GE(now - std::trunc(now), 0.0);
}

} // namespace
