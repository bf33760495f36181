// The sexagenary cycle, animals, constellations and lunar day names.
#include "calendar/CnCalendar.h"

#include <gtest/gtest.h>
#include <limits>

using namespace CnCalendar;

namespace {
constexpr int IntMax = std::numeric_limits<int>::max();
constexpr int IntMin = std::numeric_limits<int>::min();
} // namespace

TEST(GanZhiIndex, PairsOfEqualParityOnly) {
    EXPECT_EQ(GanZhiIndex(0, 0), 0);
    EXPECT_EQ(GanZhiIndex(4, 2), 14);
    EXPECT_EQ(GanZhiName(14), "戊寅");
    EXPECT_EQ(GanZhiIndex(9, 11), 59);
    EXPECT_EQ(GanZhiIndex(0, 1), -1);
    EXPECT_EQ(GanZhiIndex(10, 0), -1);
    EXPECT_EQ(GanZhiIndex(-1, 0), -1);
    EXPECT_EQ(GanZhiIndex(0, 12), -1);
    for (int i = 0; i < 60; ++i) {
        int stem = 0, branch = 0;
        ASSERT_TRUE(SplitGanZhi(i, stem, branch));
        EXPECT_EQ(GanZhiIndex(stem, branch), i);
    }
    int stem = 0, branch = 0;
    EXPECT_FALSE(SplitGanZhi(60, stem, branch));
    EXPECT_EQ(stem, -1);
    EXPECT_EQ(branch, -1);
}

TEST(GanZhiOfYear, NoYearZeroInTheCount) {
    const struct {
        int year, index, branch;
    } cases[] = {{4, 0, 0},      {1984, 0, 0}, {2000, 16, 4}, {1, 57, 9},
                 {0, 57, 9},     {-1, 56, 8},  {-2, 55, 7},   {IntMax, (IntMax - 4) % 60, (IntMax - 4) % 12},
                 {IntMin, 49, 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(GanZhiOfYear(c.year), c.index) << c.year;
        EXPECT_EQ(BranchOfYear(c.year), c.branch) << c.year;
        EXPECT_EQ(AnimalOfYear(c.year), c.branch) << c.year;
    }
    EXPECT_EQ(AnimalName(AnimalOfYear(2000)), "龙");
}

TEST(SexagenaryDate, YearAndMonthChangeOnTermDays) {
    const struct {
        int y, m, d;
        const char* year;
        const char* month;
    } cases[] = {
        {2000, 2, 4, "庚辰", "戊寅"}, {2000, 2, 3, "己卯", "丁丑"}, {2000, 1, 6, "己卯", "丁丑"},
        {2000, 1, 5, "己卯", "丙子"}, {2001, 1, 5, "庚辰", "己丑"}, {2001, 1, 4, "庚辰", "戊子"},
        {2024, 2, 4, "甲辰", "丙寅"}, {2024, 2, 3, "癸卯", "乙丑"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GanZhiName(YearGanZhi(c.y, c.m, c.d)), c.year) << c.y << '-' << c.m << '-' << c.d;
        EXPECT_EQ(GanZhiName(MonthGanZhi(c.y, c.m, c.d)), c.month) << c.y << '-' << c.m << '-' << c.d;
    }
}

TEST(SexagenaryDate, DaysRunOnAcrossTheChangeOfCalendar) {
    EXPECT_EQ(GanZhiName(DayGanZhi(2000, 1, 1)), "戊午");
    EXPECT_EQ(GanZhiName(DayGanZhi(2024, 2, 10)), "甲辰");
    EXPECT_EQ(DayGanZhi(1582, 10, 4), 9);
    EXPECT_EQ(DayGanZhi(1582, 10, 15), 10);
}

TEST(SexagenaryDate, ExtremeDatesStayInRange) {
    for (const int y : {IntMin, IntMin + 1, -1000000, 1000000, IntMax}) {
        for (const int m : {IntMin, 1, 2, 12, IntMax}) {
            const int yearIndex = YearGanZhi(y, m, 15);
            const int monthIndex = MonthGanZhi(y, m, 15);
            const int dayIndex = DayGanZhi(y, m, IntMax);
            EXPECT_TRUE(yearIndex >= 0 && yearIndex < 60) << y << ' ' << m;
            EXPECT_TRUE(monthIndex >= 0 && monthIndex < 60) << y << ' ' << m;
            EXPECT_TRUE(dayIndex >= 0 && dayIndex < 60) << y << ' ' << m;
        }
    }
}

TEST(ConstellationOfDate, BoundariesAndUncheckedInput) {
    const struct {
        int m, d, index;
    } cases[] = {{1, 19, 9}, {1, 20, 10},         {2, 18, 10},   {2, 19, 11}, {3, 20, 11},
                 {3, 21, 0}, {12, 21, 8},         {12, 22, 9},   {12, 31, 9}, {0, 0, 9},
                 {13, 1, 9}, {IntMax, IntMax, 9}, {IntMin, 5, 9}};
    for (const auto& c : cases) {
        EXPECT_EQ(ConstellationOfDate(c.m, c.d), c.index) << c.m << '-' << c.d;
    }
    EXPECT_EQ(ConstellationName(0), "白羊");
    EXPECT_EQ(ConstellationName(9), "摩羯");
}

TEST(Names, LunarDaysAndOutOfRangeIndices) {
    const struct {
        int n;
        const char* name;
    } cases[] = {{1, "初一"},  {9, "初九"},  {10, "初十"}, {11, "十一"}, {19, "十九"}, {20, "二十"},
                 {21, "廿一"}, {29, "廿九"}, {30, "三十"}, {0, ""},      {31, ""},     {IntMin, ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(LunarDayName(c.n), c.name) << c.n;
    }
    EXPECT_EQ(GanZhiName(60), "");
    EXPECT_EQ(GanZhiName(-1), "");
    EXPECT_EQ(AnimalName(12), "");
    EXPECT_EQ(ConstellationName(-1), "");
    EXPECT_EQ(ConstellationName(12), "");
}
