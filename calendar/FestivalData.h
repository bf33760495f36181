// The festival tables, as data. Used by Festivals.cpp only.
#pragma once

#include <array>
#include <string_view>

namespace ChnCalendarUse::festivals {

// A Gregorian festival falls either on a fixed day of its month (weekday 0) or on the n-th
// given weekday of the month, told by (day - 1) / 7 == ordinal: ordinal 1 is days 8 to 14.
struct SolarFestival {
    int month;
    int day;     // fixed day, or 0 for a weekday rule
    int weekday; // 1 = Sunday ... 7 = Saturday, or 0 for a fixed day
    int ordinal; // 0 = first, 1 = second ... occurrence of the weekday
    std::string_view name;
};

struct LunarFestival {
    int month;
    int day;
    std::string_view name;
};

extern const std::array<SolarFestival, 18> SolarFestivals;
extern const std::array<LunarFestival, 7> LunarFestivals;
// Lunar month 12's last day, whatever its length; found by looking at the next day.
inline constexpr std::string_view NewYearsEve = "除夕";

} // namespace ChnCalendarUse::festivals
