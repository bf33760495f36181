// The engine's constant tables; defined in CnCalendarTables.cpp.
#pragma once

#include <array>
#include <string_view>

namespace CnCalendar::tables {

constexpr int FirstLunarYear = -849;
constexpr int LastLunarYear = 2100;
constexpr int LunarYearCount = LastLunarYear - FirstLunarYear + 1; // 2950, year 0 included

// One character per year -849 to 2100 at position year + 849: '0' no leap month, '1' to '9'
// and 'a' to 'c' the leap month 1 to 12.
extern const std::string_view LeapMonthTable;
// Running count of leap months from -849 through each year -849..-1, 1..2100 (no year 0).
extern const std::array<int, LunarYearCount - 1> LeapCountTable;

// Added to the lunation count of a year, by ranges of years.
struct YearCorrection {
    int firstYear;
    int lastYear;
    int added;
};
extern const std::array<YearCorrection, 8> LunationCorrections;

extern const std::array<std::string_view, 24> SolarTermNames;
extern const std::array<std::string_view, 10> StemNames;
extern const std::array<std::string_view, 12> BranchNames;
extern const std::array<std::string_view, 12> AnimalNames;
extern const std::array<std::string_view, 60> GanZhiNames;
extern const std::array<std::string_view, 12> ConstellationNames;
extern const std::array<int, 12> ConstellationStarts;
extern const std::array<std::string_view, 10> DigitNames;
extern const std::array<std::string_view, 6> DayTensNames;

} // namespace CnCalendar::tables
