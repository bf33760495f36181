// The 24 solar terms from one closed formula (a fitted series for the sun's longitude,
// good for historical and present dates), the time of a term, and the term-bounded month.
// Term values are days of the year with the time of day in UTC+8.
#include "calendar/CnCalendar.h"
#include "calendar/CnCalendarDetail.h"
#include "calendar/CnCalendarTables.h"

#include <cmath>
#include <cstddef>

namespace CnCalendar {

using detail::FloorToI64;
using detail::i64;
using detail::RoundHalfEven;

double TermDay(int y, int n) {
    // Year 0 is not a historical year: -1 is computed as 0, 0 as 1.
    const int year = y <= 0 ? y + 1 : y;
    const double Y = year;
    const double N = n;
    const double a = Y * (365.2423112 - 6.4e-14 * (Y - 100) * (Y - 100) - 3.047e-8 * (Y - 100)) +
                     15.218427 * N + 1721050.71301;
    const double b = 0.0003 * Y - 0.372781384 - 0.2617913325 * N;
    const double c = (1.945 * std::sin(b) - 0.01206 * std::sin(2 * b)) * (1.048994 - 0.00002583 * Y);
    const double e = -0.0018 * std::sin(2.313908653 * Y - 0.439822951 - 3.0443 * N);
    // a + c + e runs 1721425 days ahead of FixedDay; day 0 of January is reckoned in the
    // calendar of that day (Julian up to 1582, so also for all of 1582).
    const double dayZero = static_cast<double>(detail::FixedDay64(year, 1, 0));
    return a + c + e - dayZero - 1721425;
}

bool SolarTermTime(int y, int i, int& month, int& day, int& hour, int& minute) {
    if (i < 0 || i > 23) {
        return false;
    }
    double c = TermDay(y, i + 1);
    int termMonth = 0;
    for (int m = 1; m <= 12; ++m) {
        // A term anywhere within the last day of a month belongs to that month.
        const int len = MonthDays(y, m);
        if (c < len + 1) {
            termMonth = m;
            break;
        }
        c -= len;
    }
    if (termMonth == 0 || !detail::FitsInt(std::floor(c))) {
        return false; // the term lies outside the year: only for years far outside history
    }
    const double termDay = std::floor(c);
    const double h = (c - termDay) * 24;
    const double termHour = std::floor(h);
    i64 termMinute = RoundHalfEven((h - termHour) * 60);
    int hourOut = static_cast<int>(termHour);
    if (termMinute == 60) {
        // Within half a minute of the full hour: carry, but never into the next day.
        if (hourOut < 23) {
            ++hourOut;
            termMinute = 0;
        } else {
            termMinute = 59;
        }
    }
    month = termMonth;
    day = static_cast<int>(termDay);
    hour = hourOut;
    minute = static_cast<int>(termMinute);
    return true;
}

std::string SolarTermName(int k) {
    if (k < 0 || k > 23) {
        return {};
    }
    return std::string(tables::SolarTermNames[static_cast<std::size_t>(k)]);
}

namespace detail {

void SolarMonth64(int y, int m, int d, i64& solarYear, int& solarMonth) {
    // The day on which a term falls belongs to the new month: compare the ordinal day with
    // the integer part of each term value.
    const double doy = static_cast<double>(DayOfYear64(y, m, d));
    const auto termDayOf = [y](int n) { return std::floor(TermDay(y, n)); };
    if (doy < termDayOf(3)) {                      // before 立春
        solarMonth = doy < termDayOf(1) ? 11 : 12; // before 小寒 of the same January: still 大雪's month
        solarYear = i64{y} - 1;
        return;
    }
    solarYear = y;
    for (int i = 1; i <= 12; ++i) {
        if (doy < termDayOf(2 * i + 1)) {
            break;
        }
        solarMonth = i; // term 2i+1 opens solar month i; term 25 lies beyond the year's end
    }
}

} // namespace detail

void SolarMonth(int& y, int& m, int d) {
    i64 solarYear = y;
    int solarMonth = m;
    detail::SolarMonth64(y, m, d, solarYear, solarMonth);
    y = detail::ClampToInt(solarYear);
    m = solarMonth;
}

} // namespace CnCalendar
