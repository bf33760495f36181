// Calendar arithmetic of the mixed Julian/Gregorian calendar: calendar kind, leap years,
// month lengths and the two day numbers. All intermediate sums are 64-bit, so every int
// input is defined; public results that would leave the int range are clamped.
#include "calendar/CnCalendar.h"
#include "calendar/CnCalendarDetail.h"

#include <algorithm>

namespace CnCalendar {

using detail::ClampToInt;
using detail::FloorDiv;
using detail::FloorMod;
using detail::i64;
using detail::TruncDiv;
using detail::TruncMod;

namespace {
constexpr int Julian = 1;
constexpr int Gap = 0;
constexpr int Gregorian = 2;

constexpr i64 LastJulianFixedDay = 577735; // 4 October 1582

constexpr i64 DaysPer4Years = 4 * 365 + 1;
constexpr i64 DaysPer100Years = 25 * DaysPer4Years - 1;
constexpr i64 DaysPer400Years = 4 * DaysPer100Years + 1;
static_assert(DaysPer400Years == 146097);

// The month and day of an ordinal day of the year, by the engine's month lengths.
bool MonthAndDay(int year, i64 doy, int& m, int& d) {
    for (int month = 1; month <= 12; ++month) {
        const int len = MonthDays(year, month);
        if (doy <= len) {
            m = month;
            d = static_cast<int>(doy);
            return true;
        }
        doy -= len;
    }
    return false;
}
} // namespace

int CalendarKind(int y, int m, int d) {
    if (y < 1582 || (y == 1582 && m < 10) || (y == 1582 && m == 10 && d <= 4)) {
        return Julian;
    }
    if (y == 1582 && m == 10 && d >= 5 && d <= 14) {
        return Gap;
    }
    return Gregorian;
}

bool IsLeap(int y) {
    const i64 year = y;
    if (CalendarKind(y, 1, 1) == Gregorian) {
        return TruncMod(year, 4) == 0 && (TruncMod(year, 100) != 0 || TruncMod(year, 400) == 0);
    }
    if (year >= 0) {
        return TruncMod(year, 4) == 0; // Julian rule; year 0 is leap
    }
    // Historical numbering has no year 0, so the leap years -1, -5, -9, ... lie one before
    // each multiple of 4.
    return TruncMod(year - 3, 4) == 0;
}

int MonthDays(int y, int m) {
    switch (m) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return IsLeap(y) ? 29 : 28;
    default:
        return 0;
    }
}

namespace detail {

i64 DayOfYear64(int y, int m, int d) {
    // Days of a common year before each month 1 to 13; a month of 1 or less adds nothing.
    constexpr int daysBefore[14] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};
    const int month = std::clamp(m, 0, 13);
    return i64{d} + daysBefore[month] + (month > 2 && IsLeap(y) ? 1 : 0);
}

i64 DayCount64(int y, int m, int d) {
    const i64 year = y;
    const i64 plainYearDays = year >= 1 ? (year - 1) * 365 : year * 365;
    i64 leapDays = 0;
    if (year < 0) {
        leapDays = -TruncDiv(3 - year, 4);
    } else {
        // The ten days dropped in 1582 and every later century year that is not leap.
        i64 dropped = 0;
        if (CalendarKind(y, m, d) == Gregorian) {
            dropped = year <= 1700 ? 10 : 10 + (TruncDiv(year - 1701, 100) + 1) - TruncDiv(year - 1601, 400);
        }
        leapDays = TruncDiv(year - 1, 4) - dropped;
    }
    return plainYearDays + leapDays + DayOfYear64(y, m, d);
}

i64 FixedDay64(int y, int m, int d) {
    const i64 p = i64{y} - 1;
    // Truncating divisions also for p < 0: years of 0 and below are numbered this way by the
    // solar terms and the lunar conversion, unlike a floor-based count.
    switch (CalendarKind(y, m, d)) {
    case Julian:
        return DayOfYear64(y, m, d) + p * 365 + TruncDiv(p, 4) - 2;
    case Gregorian:
        return DayOfYear64(y, m, d) + p * 365 + TruncDiv(p, 4) - TruncDiv(p, 100) + TruncDiv(p, 400);
    default:
        return 0;
    }
}

bool DateOfFixedDay64(i64 n, int& y, int& m, int& d) {
    if (n < 0 || n > std::numeric_limits<int>::max()) {
        return false;
    }
    i64 year = 0;
    i64 doy = 0; // [1, 366]
    if (n <= LastJulianFixedDay) {
        // Julian: 1 January AD 1 is n = -1, so z counts days from it.
        const i64 z = n + 1;                                  // >= 1
        const i64 cycles = FloorDiv(z, DaysPer4Years);        // whole 4-year cycles
        const i64 rest = FloorMod(z, DaysPer4Years);          // [0, 1460]
        const i64 yearInCycle = std::min<i64>(rest / 365, 3); // [0, 3], the fourth year is leap
        year = 1 + 4 * cycles + yearInCycle;
        doy = rest - 365 * yearInCycle + 1;
    } else {
        // Proleptic Gregorian: 1 January AD 1 is n = 1.
        const i64 z = n - 1;
        const i64 eras = FloorDiv(z, DaysPer400Years);
        i64 rest = FloorMod(z, DaysPer400Years);                        // [0, 146096]
        const i64 centuries = std::min<i64>(rest / DaysPer100Years, 3); // [0, 3]
        rest -= centuries * DaysPer100Years;                            // [0, 36524]
        const i64 quads = rest / DaysPer4Years;                         // [0, 24]
        rest -= quads * DaysPer4Years;                                  // [0, 1460]
        const i64 years = std::min<i64>(rest / 365, 3);                 // [0, 3]
        rest -= years * 365;                                            // [0, 365]
        year = 1 + 400 * eras + 100 * centuries + 4 * quads + years;
        doy = rest + 1;
    }
    int month = 0;
    int day = 0;
    if (!MonthAndDay(static_cast<int>(year), doy, month, day)) {
        return false;
    }
    y = static_cast<int>(year);
    m = month;
    d = day;
    return true;
}

} // namespace detail

int DayOfYear(int y, int m, int d) {
    return ClampToInt(detail::DayOfYear64(y, m, d));
}

int DayCount(int y, int m, int d) {
    return ClampToInt(detail::DayCount64(y, m, d));
}

int FixedDay(int y, int m, int d) {
    return ClampToInt(detail::FixedDay64(y, m, d));
}

bool DateOfFixedDay(int n, int& y, int& m, int& d) {
    return detail::DateOfFixedDay64(n, y, m, d);
}

namespace {
int Compare(i64 a, i64 b) {
    return a > b ? 1 : (a < b ? -1 : 0);
}
} // namespace

int CompareDates(int y1, int m1, int d1, int y2, int m2, int d2) {
    if (const int c = Compare(y1, y2); c != 0) {
        return c;
    }
    if (const int c = Compare(m1, m2); c != 0) {
        return c;
    }
    return Compare(d1, d2);
}

int CompareLunarDates(int y1, int m1, int d1, bool leap1, int y2, int m2, int d2, bool leap2) {
    if (const int c = Compare(y1, y2); c != 0) {
        return c;
    }
    if (const int c = Compare(m1, m2); c != 0) {
        return c;
    }
    if (leap1 != leap2) {
        return leap1 ? 1 : -1; // a leap month follows the ordinary month of the same number
    }
    return Compare(d1, d2);
}

} // namespace CnCalendar
