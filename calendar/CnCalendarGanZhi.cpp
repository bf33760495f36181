// The sexagenary (stem-branch) cycle of years, solar months and days, the zodiac animal,
// the Western constellation and the names of lunar days.
#include "calendar/CnCalendar.h"
#include "calendar/CnCalendarDetail.h"
#include "calendar/CnCalendarTables.h"

#include <cmath>
#include <cstddef>

namespace CnCalendar {

using detail::i64;
using detail::TruncMod;

namespace {
// Year numbers have no year 0: year -1 directly precedes year 1, and year 0 counts as year 1.
i64 CycleOfYear(i64 y, i64 cycle) {
    i64 r = y >= 1 ? TruncMod(y - 4, cycle) : TruncMod(y - 3, cycle);
    return r < 0 ? r + cycle : r;
}

std::string NameAt(const auto& names, int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= names.size()) {
        return {};
    }
    return std::string(names[static_cast<std::size_t>(i)]);
}
} // namespace

int GanZhiIndex(int stem, int branch) {
    if (stem < 0 || stem > 9 || branch < 0 || branch > 11) {
        return -1;
    }
    for (int i = stem; i <= stem + 60; i += 10) {
        if (i % 12 == branch) {
            return i;
        }
    }
    return -1; // stem and branch of different parity
}

bool SplitGanZhi(int i, int& stem, int& branch) {
    if (i < 0 || i > 59) {
        stem = -1;
        branch = -1;
        return false;
    }
    stem = i % 10;
    branch = i % 12;
    return true;
}

int detail::GanZhiOfYear64(i64 y) {
    return static_cast<int>(CycleOfYear(y, 60));
}

int GanZhiOfYear(int y) {
    return detail::GanZhiOfYear64(y);
}

int BranchOfYear(int y) {
    return static_cast<int>(CycleOfYear(y, 12));
}

int AnimalOfYear(int y) {
    return BranchOfYear(y);
}

int YearGanZhi(int y, int m, int d) {
    // The year changes on the day of 立春 (term 3).
    const bool beforeSpring = static_cast<double>(detail::DayOfYear64(y, m, d)) < std::floor(TermDay(y, 3));
    return detail::GanZhiOfYear64(beforeSpring ? i64{y} - 1 : i64{y});
}

int MonthGanZhi(int y, int m, int d) {
    i64 solarYear = y;
    int solarMonth = m;
    detail::SolarMonth64(y, m, d, solarYear, solarMonth);
    const int yearStem = detail::GanZhiOfYear64(solarYear) % 10;
    // Stem of solar month 1 (寅) by the year's stem: 甲 and 己 years begin with 丙, and so on.
    constexpr int firstMonthStem[10] = {2, 4, 6, 8, 0, 2, 4, 6, 8, 0};
    const int monthStem = (firstMonthStem[yearStem] + (solarMonth - 1) % 10) % 10;
    const int monthBranch = (solarMonth + 1) % 12; // month 1 is 寅, 11 子, 12 丑
    return GanZhiIndex(monthStem, monthBranch);
}

int DayGanZhi(int y, int m, int d) {
    const i64 r = TruncMod(detail::DayCount64(y, m, d) + 12, 60);
    return static_cast<int>(r < 0 ? r + 60 : r);
}

int ConstellationOfDate(int m, int d) {
    const i64 c = i64{m} * 100 + d;
    const auto& starts = tables::ConstellationStarts;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        if (c < starts[i]) {
            return static_cast<int>((i + 9) % 12);
        }
        if (i == 11 || c < starts[i + 1]) {
            return static_cast<int>((i + 10) % 12);
        }
    }
    return 9; // not reached: the last start always decides
}

std::string GanZhiName(int i) {
    return NameAt(tables::GanZhiNames, i);
}

std::string AnimalName(int i) {
    return NameAt(tables::AnimalNames, i);
}

std::string ConstellationName(int i) {
    return NameAt(tables::ConstellationNames, i);
}

std::string LunarDayName(int n) {
    if (n < 1 || n > 30) {
        return {};
    }
    int tens = n / 10;
    int unit = n % 10;
    if (unit == 0) {
        tens = n == 10 ? 0 : tens + 2; // 初十, 二十, 三十
        unit = 10;
    }
    return std::string(tables::DayTensNames[static_cast<std::size_t>(tens)]) +
           std::string(tables::DigitNames[static_cast<std::size_t>(unit - 1)]);
}

} // namespace CnCalendar
