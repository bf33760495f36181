// Private helpers of the Chinese calendar engine, shared by its source files and its tests.
// Not part of the engine's interface.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace CnCalendar::detail {

using i64 = std::int64_t;

// The engine divides in three ways; each call site names the one it means.

// Truncating division and remainder (the remainder takes the sign of the dividend).
constexpr i64 TruncDiv(i64 a, i64 b) {
    return a / b;
}
constexpr i64 TruncMod(i64 a, i64 b) {
    return a % b;
}

// Floor division and its non-negative remainder (for b > 0).
constexpr i64 FloorDiv(i64 a, i64 b) {
    const i64 q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}
constexpr i64 FloorMod(i64 a, i64 b) {
    return a - FloorDiv(a, b) * b;
}

// The largest int64 not above x; x must lie well within the int64 range.
inline i64 FloorToI64(double x) {
    return static_cast<i64>(std::floor(x));
}

// Nearest integer, a half going to the even neighbour, independent of the FPU rounding mode.
inline i64 RoundHalfEven(double x) {
    const double lower = std::floor(x);
    const double diff = x - lower;
    i64 r = static_cast<i64>(lower);
    if (diff > 0.5 || (diff == 0.5 && FloorMod(r, 2) != 0)) {
        ++r;
    }
    return r;
}

// The fractional part with the sign of x.
inline double Frac(double x) {
    return x - std::trunc(x);
}

constexpr int ClampToInt(i64 v) {
    constexpr i64 lo = std::numeric_limits<int>::min();
    constexpr i64 hi = std::numeric_limits<int>::max();
    return static_cast<int>(v < lo ? lo : (v > hi ? hi : v));
}

constexpr bool FitsInt(double x) {
    return x >= static_cast<double>(std::numeric_limits<int>::min()) &&
           x <= static_cast<double>(std::numeric_limits<int>::max());
}

// 64-bit twins of the public day numbers: exact for every int year, month and day.
i64 DayOfYear64(int y, int m, int d);
i64 DayCount64(int y, int m, int d);
i64 FixedDay64(int y, int m, int d);
bool DateOfFixedDay64(i64 n, int& y, int& m, int& d);
int GanZhiOfYear64(i64 y);

// The solar year and month of a date; the year may leave the int range by one.
void SolarMonth64(int y, int m, int d, i64& solarYear, int& solarMonth);

// The lunar conversion as plain per-call algorithms, without the per-year memo. The public
// functions must give the same results; the tests check that over every day of the range.
namespace plain {
int LunarDayOf(int y, int m, int d);
int LunarMonthOf(int y, int m, int d);
bool SolarToLunarMonthDay(int y, int m, int d, int& lunarMonth, int& lunarDay, bool& leap);
bool SolarToLunar(int y, int m, int d, int& lunarYear, int& lunarMonth, int& lunarDay, bool& leap);
bool LunarToSolar(int lunarYear, int lunarMonth, int lunarDay, bool leap, int& y, int& m, int& d);
} // namespace plain

} // namespace CnCalendar::detail
