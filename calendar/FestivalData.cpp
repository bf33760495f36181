#include "calendar/FestivalData.h"

namespace ChnCalendarUse::festivals {

// No two rows can match the same date, so a date has at most one festival of each kind.
// month, day, weekday (1 = Sunday), ordinal, name
const std::array<SolarFestival, 18> SolarFestivals{{
    {1, 1, 0, 0, "元旦节"},
    {2, 14, 0, 0, "情人节"},
    {3, 8, 0, 0, "妇女节"},
    {4, 1, 0, 0, "愚人节"},
    {5, 1, 0, 0, "劳动节"},
    {5, 4, 0, 0, "青年节"},
    {5, 0, 1, 1, "母亲节"}, // second Sunday of May
    {6, 1, 0, 0, "儿童节"},
    {6, 0, 1, 2, "父亲节"}, // third Sunday of June
    {7, 1, 0, 0, "建党节"},
    {8, 1, 0, 0, "建军节"},
    {9, 10, 0, 0, "教师节"},
    {10, 1, 0, 0, "国庆节"},
    {10, 6, 0, 0, "老人节"},
    {10, 31, 0, 0, "万圣节"},
    {11, 8, 0, 0, "记者日"},
    {11, 0, 5, 3, "感恩节"}, // fourth Thursday of November
    {12, 25, 0, 0, "圣诞节"},
}};

// lunar month, lunar day, name; New Year's Eve has no fixed day and is not in this table.
const std::array<LunarFestival, 7> LunarFestivals{{
    {1, 1, "春节"},
    {1, 15, "元宵节"},
    {5, 5, "端午节"},
    {7, 7, "七夕节"},
    {8, 15, "中秋节"},
    {9, 9, "重阳节"},
    {12, 8, "腊八节"},
}};

} // namespace ChnCalendarUse::festivals
