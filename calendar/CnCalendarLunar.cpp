// Gregorian (Julian before 15 October 1582) to Chinese lunar dates, years -849 to 2100.
//
// The lunar day counts from the latest new moon, whose moment comes from a trigonometric
// series of the mean lunation with the main periodic terms of the sun's and the moon's
// anomalies and the moon's argument of latitude, in UTC+8. The month number counts mean
// lunations since 21 January -849 less the leap months of the leap-month table, with fixed
// corrections by ranges of years. The lunar year changes on the lunar New Year, which is
// found by bisection over day numbers.
//
// The new moons, the New Year and the lunar dates of a year's days are pure functions of the
// year. The public functions memoise them per year on first use (thread-safe; nothing is
// computed at start-up); the plain per-call functions in detail::plain are the reference they
// are tested against.
#include "calendar/CnCalendar.h"
#include "calendar/CnCalendarDetail.h"
#include "calendar/CnCalendarTables.h"

#include <array>
#include <atomic>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <mutex>
#include <numbers>

namespace CnCalendar {

using detail::FloorDiv;
using detail::FloorToI64;
using detail::Frac;
using detail::i64;
using detail::RoundHalfEven;
using detail::TruncMod;
using tables::FirstLunarYear;
using tables::LastLunarYear;

namespace {

constexpr i64 EpochFixedDay = -310443; // 21 January -849, start of the lunation count
constexpr double MeanLunation = 29.530588;

// The new moons k-1 to k+13 around the start of a year, as the days (FixedDay) they fall on.
constexpr int NewMoonsPerYear = 15;
using NewMoonDays = std::array<i64, NewMoonsPerYear>;

bool InLunarRange(int y) {
    return y >= FirstLunarYear && y <= LastLunarYear;
}

NewMoonDays ComputeNewMoonDays(int y) {
    constexpr double twoPi = 2 * std::numbers::pi;
    constexpr double degreesPerRadian = 57.29577951308232;
    const i64 k = FloorToI64((y - 1900.0) * 12.3685); // lunation near the start of the year, from 1900
    const double kd = static_cast<double>(k);
    const double t = (y - 1899.5) / 100; // Julian centuries
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double j =
        0.75933 - 0.0002172 * t2 - 0.000000155 * t3 + 0.53058868 * kd - 0.000837 * t + 8.0 / 24 + 0.5;
    const double s = 0.1734 - 0.000393 * t;
    const i64 base = 29 * k + 693595;
    const double sunAnomaly =
        twoPi * Frac(0.08084821133 * kd) + (359.2242 - 0.0000333 * t2 - 0.00000347 * t3) / degreesPerRadian;
    const double moonAnomaly =
        twoPi * Frac(0.07171366128 * kd) + (306.0253 + 0.0107306 * t2 + 0.00001236 * t3) / degreesPerRadian;
    const double moonLatitude =
        twoPi * Frac(0.08519585128 * kd) + (21.2964 - 0.0016528 * t2 - 0.00000239 * t3) / degreesPerRadian;

    NewMoonDays days{};
    for (int v = -1; v <= 13; ++v) {
        const double a = sunAnomaly + 0.507984293 * v;
        const double c = moonAnomaly + 6.73377553 * v;
        const double g = moonLatitude + 6.818486628 * v;
        double m = j + 1.53058868 * v;
        m += s * std::sin(a);
        m -= 0.4068 * std::sin(c);
        m += 0.0021 * std::sin(2 * a);
        m += 0.0161 * std::sin(2 * c);
        m += 0.0104 * std::sin(2 * g);
        m -= 0.0074 * std::sin(a - c);
        m -= 0.0051 * std::sin(a + c);
        // The moment on the FixedDay scale in UTC+8; its floor is the day of the new moon.
        const double moment = static_cast<double>(base + 28 * v) + m;
        days[static_cast<std::size_t>(v + 1)] = FloorToI64(moment);
    }
    return days;
}

// Days since the latest new moon on or before the date, plus one; -1 when none is within
// 29 days. Then the fixed corrections of two lunations the series gets wrong.
int LunarDayFromNewMoons(const NewMoonDays& newMoons, int y, int m, int d) {
    const i64 n = detail::FixedDay64(y, m, d);
    int day = -1;
    for (const i64 newMoon : newMoons) {
        const i64 since = n - newMoon;
        if (since >= 0 && since <= 29) {
            day = static_cast<int>(since) + 1; // a later new moon replaces an earlier one
        }
    }
    const auto inWindow = [m, d](int firstMonth, int firstDay, int lastMonth, int lastDay) {
        return (m == firstMonth && d >= firstDay) || (m == lastMonth && d <= lastDay);
    };
    if (day == -1) {
        return day; // no new moon qualifies (the gap of 1582, or a day beyond its month)
    }
    if (y == 1924 && inWindow(3, 5, 4, 3)) {
        day = day + 1 > 30 ? day + 1 - 30 : day + 1;
    } else if (y == 2018 && inWindow(11, 7, 12, 6)) {
        day = day - 1 < 1 ? day - 1 + 30 : day - 1;
    }
    return day;
}

int LunationCorrection(int y) {
    for (const auto& range : tables::LunationCorrections) {
        if (y >= range.firstYear && y <= range.lastYear) {
            return range.added;
        }
    }
    return 0;
}

// The month number (negative for a leap month) of a date whose lunar day is known.
int LunarMonthFromDay(int y, int m, int d, int lunarDay) {
    const i64 l = lunarDay - 100 * FloorDiv(lunarDay, 100); // days 1..30 stay, -1 becomes 99
    // Mean lunations from the epoch to the day before the month began, less the leap months
    // recorded through this year.
    const double lunations =
        static_cast<double>(detail::FixedDay64(y, m, d) - EpochFixedDay - l) / MeanLunation;
    const i64 x = RoundHalfEven(lunations) - LeapMonthsThrough(y) + LunationCorrection(y);
    i64 v = TruncMod(x, 12) + 1; // 1..12 within the supported years
    const int thisLeap = LeapMonthCode(y);
    const int lastLeap = y > FirstLunarYear ? LeapMonthCode(y - 1) : -1;
    if (lastLeap == v && m == 1 && d < l) {
        return static_cast<int>(-v); // a January day in the previous year's leap month
    }
    if (thisLeap == v) {
        return static_cast<int>((m >= 3 || thisLeap == 12) ? -v : v + 1);
    }
    if (thisLeap > v || (m < v && thisLeap > 0)) {
        ++v; // the year's leap month was counted but lies later
    }
    return static_cast<int>(TruncMod(v - 1, 12) + 1);
}

// Bisection over the day numbers of lunar year ly and the next for the day with the lunar
// date (ly, lm, ld, leap), tracking the lunar year of each probe by the months it crosses.
template <typename MonthDay>
bool FindLunarDate(int ly, int lm, int ld, bool leap, int& y, int& m, int& d, MonthDay monthDay) {
    if (leap && LeapMonthOfYear(ly) != lm) {
        return false;
    }
    if (ly == std::numeric_limits<int>::max()) {
        return false; // the range would end in a year beyond int, and no day there has a date
    }
    i64 lo = detail::FixedDay64(ly, 1, 1);
    i64 hi = detail::FixedDay64(ly + 1, 12, 31);
    enum class Step { None, Forward, Backward };
    i64 probeYear = ly;
    Step step = Step::None;
    int lastMonth = 0;
    bool lastStep = false;
    for (int probes = 1; hi > lo; ++probes) {
        if (probes > 100) {
            return false;
        }
        i64 mid = detail::TruncDiv(lo + hi, 2);
        if (lastStep) {
            ++mid;
        }
        if (hi - lo == 1) {
            lastStep = true; // the probe after one at lo is the one at hi
        }
        int qy = 0, qm = 0, qd = 0, month = 0, day = 0;
        bool qleap = false;
        if (!detail::DateOfFixedDay64(mid, qy, qm, qd) || !monthDay(qy, qm, qd, month, day, qleap)) {
            return false; // a probe without a date (before AD 1) or without a lunar date (after 2100)
        }
        if (step == Step::Forward && month < lastMonth) {
            ++probeYear;
        } else if (step == Step::Backward && month > lastMonth) {
            --probeYear;
        }
        const int order = probeYear < ly   ? -1
                          : probeYear > ly ? 1
                                           : CompareLunarDates(0, month, day, qleap, 0, lm, ld, leap);
        if (order == 0) {
            y = qy;
            m = qm;
            d = qd;
            return true;
        }
        if (order < 0) {
            lo = mid;
            step = Step::Forward;
        } else {
            hi = mid;
            step = Step::Backward;
        }
        lastMonth = month;
    }
    return false;
}

// Memo of the per-year quantities, filled on first use of a year.
struct YearMemo {
    std::once_flag newMoonsOnce;
    std::atomic<bool> newMoonsReady{false};
    NewMoonDays newMoons{};

    std::once_flag newYearOnce;
    std::atomic<bool> newYearReady{false};
    bool newYearFound = false;
    int newYearY = 0, newYearM = 0, newYearD = 0;

    // The lunar date of every day of the year, packed, indexed by the day of the year - 1.
    std::once_flag daysOnce;
    std::atomic<bool> daysReady{false};
    std::array<std::uint16_t, 366> days{};
};

// A lunar date in 16 bits: day 1..30 (0 for the -1 of the October 1582 gap), month 1..12,
// the leap flag, and whether the lunar year is the one before the Gregorian year.
struct PackedLunar {
    static constexpr std::uint16_t Unpackable = 0xFFFF;

    static std::uint16_t Pack(int month, int day, bool leap, bool previousYear) {
        if (month < 1 || month > 12 || day < -1 || day == 0 || day > 30) {
            return Unpackable; // not met in the supported years; such days are computed per call
        }
        const unsigned dayBits = day < 0 ? 0U : static_cast<unsigned>(day);
        return static_cast<std::uint16_t>(dayBits | static_cast<unsigned>(month) << 5 |
                                          (leap ? 1U : 0U) << 9 | (previousYear ? 1U : 0U) << 10);
    }

    static void Unpack(std::uint16_t packed, int y, int& lunarYear, int& month, int& day, bool& leap) {
        const int dayBits = packed & 0x1F;
        day = dayBits == 0 ? -1 : dayBits;
        month = (packed >> 5) & 0xF;
        leap = ((packed >> 9) & 1) != 0;
        lunarYear = ((packed >> 10) & 1) != 0 ? y - 1 : y;
    }
};

// Constant-initialised (once_flag and atomic have constexpr constructors), so the memo costs
// nothing at start-up.
constinit std::array<YearMemo, tables::LunarYearCount> memo;

YearMemo& MemoOf(int y) {
    return memo[static_cast<std::size_t>(y - FirstLunarYear)];
}

const NewMoonDays& MemoNewMoons(int y) {
    YearMemo& entry = MemoOf(y);
    if (!entry.newMoonsReady.load(std::memory_order_acquire)) {
        std::call_once(entry.newMoonsOnce, [&entry, y] {
            entry.newMoons = ComputeNewMoonDays(y);
            entry.newMoonsReady.store(true, std::memory_order_release);
        });
    }
    return entry.newMoons;
}

int FastLunarDayOf(int y, int m, int d) {
    if (InLunarRange(y)) {
        return LunarDayFromNewMoons(MemoNewMoons(y), y, m, d);
    }
    return LunarDayFromNewMoons(ComputeNewMoonDays(y), y, m, d);
}

bool FastMonthDay(int y, int m, int d, int& lunarMonth, int& lunarDay, bool& leap) {
    if (!InLunarRange(y)) {
        return false;
    }
    const int day = FastLunarDayOf(y, m, d);
    const int month = LunarMonthFromDay(y, m, d, day);
    lunarDay = day;
    leap = month < 0;
    lunarMonth = std::abs(month);
    return true;
}

// The Gregorian date of the lunar New Year of y, memoised; false when the search fails.
bool MemoNewYear(int y, int& ny, int& nm, int& nd) {
    YearMemo& entry = MemoOf(y);
    if (!entry.newYearReady.load(std::memory_order_acquire)) {
        std::call_once(entry.newYearOnce, [&entry, y] {
            entry.newYearFound =
                FindLunarDate(y, 1, 1, false, entry.newYearY, entry.newYearM, entry.newYearD, FastMonthDay);
            entry.newYearReady.store(true, std::memory_order_release);
        });
    }
    if (!entry.newYearFound) {
        return false;
    }
    ny = entry.newYearY;
    nm = entry.newYearM;
    nd = entry.newYearD;
    return true;
}

// The conversion from the memoised new moons and New Year, for a year of the supported range.
bool DirectSolarToLunar(int y, int m, int d, int& lunarYear, int& lunarMonth, int& lunarDay, bool& leap) {
    int month = 0, day = 0;
    bool isLeap = false;
    if (!FastMonthDay(y, m, d, month, day, isLeap)) {
        return false;
    }
    int ny = 0, nm = 0, nd = 0;
    const bool beforeNewYear = MemoNewYear(y, ny, nm, nd) && CompareDates(y, m, d, ny, nm, nd) < 0;
    lunarYear = beforeNewYear ? y - 1 : y;
    lunarMonth = month;
    lunarDay = day;
    leap = isLeap;
    return true;
}

// The lunar dates of all days of y, filled on first use of the year.
const std::array<std::uint16_t, 366>& MemoDays(int y) {
    YearMemo& entry = MemoOf(y);
    if (!entry.daysReady.load(std::memory_order_acquire)) {
        std::call_once(entry.daysOnce, [&entry, y] {
            for (int m = 1; m <= 12; ++m) {
                for (int d = 1; d <= MonthDays(y, m); ++d) {
                    int lunarYear = 0, lunarMonth = 0, lunarDay = 0;
                    bool leap = false;
                    DirectSolarToLunar(y, m, d, lunarYear, lunarMonth, lunarDay, leap);
                    entry.days[static_cast<std::size_t>(DayOfYear(y, m, d) - 1)] =
                        PackedLunar::Pack(lunarMonth, lunarDay, leap, lunarYear != y);
                }
            }
            entry.daysReady.store(true, std::memory_order_release);
        });
    }
    return entry.days;
}

} // namespace

int LeapMonthCode(int y) {
    if (!InLunarRange(y)) {
        return -1;
    }
    const char c = tables::LeapMonthTable[static_cast<std::size_t>(y - FirstLunarYear)];
    return c <= '9' ? c - '0' : c - 'a' + 10;
}

int LeapMonthOfYear(int y) {
    return LeapMonthCode(y) < 0 ? 0 : LeapMonthCode(y);
}

int LeapMonthsThrough(int y) {
    if (y < FirstLunarYear) {
        return 0;
    }
    if (y > LastLunarYear) {
        y = LastLunarYear;
    }
    // Year 0 has no entry of its own and reads that of year -1.
    const int slot = y <= 0 ? (y == 0 ? -1 : y) - FirstLunarYear : y - FirstLunarYear - 1;
    return tables::LeapCountTable[static_cast<std::size_t>(slot)];
}

namespace detail::plain {

int LunarDayOf(int y, int m, int d) {
    return LunarDayFromNewMoons(ComputeNewMoonDays(y), y, m, d);
}

int LunarMonthOf(int y, int m, int d) {
    return LunarMonthFromDay(y, m, d, plain::LunarDayOf(y, m, d));
}

bool SolarToLunarMonthDay(int y, int m, int d, int& lunarMonth, int& lunarDay, bool& leap) {
    if (!InLunarRange(y)) {
        return false;
    }
    lunarDay = plain::LunarDayOf(y, m, d);
    const int month = plain::LunarMonthOf(y, m, d);
    leap = month < 0;
    lunarMonth = std::abs(month);
    return true;
}

bool LunarToSolar(int lunarYear, int lunarMonth, int lunarDay, bool leap, int& y, int& m, int& d) {
    return FindLunarDate(lunarYear, lunarMonth, lunarDay, leap, y, m, d, plain::SolarToLunarMonthDay);
}

bool SolarToLunar(int y, int m, int d, int& lunarYear, int& lunarMonth, int& lunarDay, bool& leap) {
    if (!plain::SolarToLunarMonthDay(y, m, d, lunarMonth, lunarDay, leap)) {
        return false;
    }
    lunarYear = y;
    int ny = 0, nm = 0, nd = 0;
    if (plain::LunarToSolar(y, 1, 1, false, ny, nm, nd) && CompareDates(y, m, d, ny, nm, nd) < 0) {
        lunarYear = y - 1;
    }
    return true;
}

} // namespace detail::plain

int LunarDayOf(int y, int m, int d) {
    return FastLunarDayOf(y, m, d);
}

int LunarMonthOf(int y, int m, int d) {
    return LunarMonthFromDay(y, m, d, FastLunarDayOf(y, m, d));
}

bool SolarToLunarMonthDay(int y, int m, int d, int& lunarMonth, int& lunarDay, bool& leap) {
    return FastMonthDay(y, m, d, lunarMonth, lunarDay, leap);
}

bool SolarToLunar(int y, int m, int d, int& lunarYear, int& lunarMonth, int& lunarDay, bool& leap) {
    if (!InLunarRange(y)) {
        return false;
    }
    if (m >= 1 && m <= 12 && d >= 1 && d <= MonthDays(y, m)) {
        const std::uint16_t packed = MemoDays(y)[static_cast<std::size_t>(DayOfYear(y, m, d) - 1)];
        if (packed != PackedLunar::Unpackable) {
            PackedLunar::Unpack(packed, y, lunarYear, lunarMonth, lunarDay, leap);
            return true;
        }
    }
    return DirectSolarToLunar(y, m, d, lunarYear, lunarMonth, lunarDay, leap);
}

bool LunarToSolar(int lunarYear, int lunarMonth, int lunarDay, bool leap, int& y, int& m, int& d) {
    return FindLunarDate(lunarYear, lunarMonth, lunarDay, leap, y, m, d, FastMonthDay);
}

} // namespace CnCalendar
