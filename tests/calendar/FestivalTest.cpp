#include "calendar/ChnCalendarUse.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace ChnCalendarUse;
using Dates::EncodeDate;

std::string Holiday(int y, int m, int d) {
    return GetHolidayStr(d, EncodeDate(y, m, d));
}

std::string CnHoliday(int y, int m, int d) {
    const TDateTime t = EncodeDate(y, m, d);
    int ly = 0, lm = 0, ld = 0;
    bool leap = false;
    EXPECT_TRUE(GetCnDate(t, ly, lm, ld, leap));
    return GetCnHolidayStr(lm, ld, t);
}

TEST(Festivals, GregorianDayAndWeekdayRules) {
    struct Case {
        int y, m, d;
        const char* name;
    };
    const Case cases[] = {
        {2022, 5, 1, "劳动节"}, // a Sunday, but the first one
        {2022, 5, 8, "母亲节"}, // second Sunday
        {2022, 5, 15, ""},      // third Sunday
        {2022, 5, 4, "青年节"},  {2022, 5, 9, ""},         {2023, 5, 14, "母亲节"},  {2023, 6, 18, "父亲节"},
        {2023, 6, 11, ""},       {2023, 6, 25, ""},        {2022, 11, 24, "感恩节"}, {2023, 11, 23, "感恩节"},
        {2023, 11, 30, ""}, // fifth Thursday
        {2023, 11, 16, ""},      {2023, 11, 8, "记者日"},  {2023, 10, 31, "万圣节"}, {2024, 1, 1, "元旦节"},
        {2024, 2, 14, "情人节"}, {2024, 12, 25, "圣诞节"}, {2024, 10, 6, "老人节"},  {2024, 12, 24, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Holiday(c.y, c.m, c.d), c.name) << c.y << '-' << c.m << '-' << c.d;
    // A day the month lacks has no weekday and matches nothing: 31 June.
    EXPECT_EQ(GetHolidayStr(31, EncodeDate(2024, 6, 1)), "");
    EXPECT_EQ(GetHolidayStr(0, EncodeDate(2024, 5, 1)), "");
}

TEST(Festivals, LunarRulesDecideByTheDayFirst) {
    EXPECT_EQ(CnHoliday(2024, 2, 10), "春节");
    EXPECT_EQ(CnHoliday(2024, 2, 24), "元宵节");
    EXPECT_EQ(CnHoliday(2009, 5, 28), "端午节");
    EXPECT_EQ(CnHoliday(2009, 6, 27), "端午节"); // fifth day of the leap fifth month
    EXPECT_EQ(CnHoliday(2024, 1, 18), "腊八节");
    // Both festivals of one day, each from its own function.
    EXPECT_EQ(Holiday(2020, 10, 1), "国庆节");
    EXPECT_EQ(CnHoliday(2020, 10, 1), "中秋节");
    // 腊八 and the 15th are never looked at as New Year's Eve, even when the next day is 1/1.
    const TDateTime eve = EncodeDate(2024, 2, 9);
    EXPECT_EQ(GetCnHolidayStr(12, 8, eve), "腊八节");
    EXPECT_EQ(GetCnHolidayStr(12, 15, eve), "");
    EXPECT_EQ(GetCnHolidayStr(11, 30, eve), "");
    EXPECT_EQ(GetCnHolidayStr(8, 15, eve), "中秋节");
    EXPECT_EQ(GetCnHolidayStr(3, 15, eve), "");
}

TEST(Festivals, NewYearsEveIsTheLastDayOfMonthTwelveOfEitherLength) {
    // 12th month of 2023 has 30 days: the 29th is no eve.
    EXPECT_EQ(CnHoliday(2024, 2, 8), "");
    EXPECT_EQ(CnHoliday(2024, 2, 9), "除夕");
    // 12th month of 2024 has 29 days.
    EXPECT_EQ(CnHoliday(2025, 1, 27), "");
    EXPECT_EQ(CnHoliday(2025, 1, 28), "除夕");
    // The next day lies beyond what the engine converts: no eve, no failure.
    EXPECT_EQ(GetCnHolidayStr(12, 30, EncodeDate(2100, 12, 31)), "");
    EXPECT_EQ(GetCnHolidayStr(12, 30, EncodeDate(9999, 12, 31)), "");
}

TEST(Festivals, TermBelongsToItsWholeDay) {
    EXPECT_EQ(GetTermStr(EncodeDate(2024, 2, 4)), "立春"); // at 16:27
    EXPECT_EQ(GetTermStr(EncodeDate(2024, 2, 4) + 0.1), "立春");
    EXPECT_EQ(GetTermStr(EncodeDate(2024, 2, 3)), "");
    EXPECT_EQ(GetTermStr(EncodeDate(2024, 2, 5)), "");
    EXPECT_EQ(GetTermStr(EncodeDate(2024, 1, 6)), "小寒");
    EXPECT_EQ(GetTermStr(EncodeDate(2024, 1, 20)), "大寒");
    EXPECT_EQ(GetTermStr(EncodeDate(2023, 12, 22)), "冬至");
    // Every year has its 24 terms, two in each month.
    for (int y : {1901, 2024, 2100}) {
        int count = 0;
        for (TDateTime t = EncodeDate(y, 1, 1); t <= EncodeDate(y, 12, 31); t += 1.0)
            count += !GetTermStr(t).empty();
        EXPECT_EQ(count, 24) << y;
    }
}

TEST(Festivals, GetCnDateLeavesOutputsAloneWhenRefused) {
    int y = 7, m = 7, d = 7;
    bool leap = true;
    EXPECT_FALSE(GetCnDate(EncodeDate(2101, 1, 1), y, m, d, leap));
    EXPECT_FALSE(GetCnDate(-1e300, y, m, d, leap));
    EXPECT_EQ(y + m + d, 21);
    EXPECT_TRUE(leap);
    ASSERT_TRUE(GetCnDate(EncodeDate(2020, 5, 23) + 0.99, y, m, d, leap));
    EXPECT_EQ(y * 10000 + m * 100 + d, 20200401);
    EXPECT_TRUE(leap);
}

} // namespace
