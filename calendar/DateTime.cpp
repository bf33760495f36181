#include "calendar/DateTime.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace Dates {

namespace {

using namespace std::chrono;

// Day 0 of TDateTime.
constexpr sys_days Epoch = sys_days{year{1899} / December / 30};

static_assert((sys_days{year{1} / January / 1} - Epoch).count() == MinDateDay);
static_assert((sys_days{year{9999} / December / 31} - Epoch).count() == MaxDateDay);
// 30 December 1899 was a Saturday; DayOfWeek relies on it.
static_assert(weekday{Epoch} == Saturday);

// The day number of t (its integer part), or false when t is not a date in range. The range
// test comes before any conversion to an integer, so NaN and huge values never reach one.
bool DayNumber(TDateTime t, int& day) {
    const double whole = std::trunc(t);
    if (!(whole >= MinDateDay && whole <= MaxDateDay))
        return false;
    day = static_cast<int>(whole);
    return true;
}

year_month_day DateOfDay(int day) {
    return year_month_day{Epoch + days{day}};
}

int DayOfDate(const year_month_day& ymd) {
    return static_cast<int>((sys_days{ymd} - Epoch).count());
}

// The time part of t with the sign of a day number, so that date + time rebuilds the value.
double TimePart(TDateTime t) {
    return std::fabs(t - std::trunc(t));
}

TDateTime Compose(int day, double time) {
    return day >= 0 ? day + time : day - time;
}

void AppendNumber(std::string& out, int value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width)
        out.append(static_cast<std::size_t>(width) - digits.size(), '0');
    out += digits;
}

} // namespace

bool IsValidDateTime(TDateTime t) {
    int day = 0;
    return DayNumber(t, day);
}

bool TryEncodeDate(int y, int m, int d, TDateTime& t) {
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > 31)
        return false;
    const year_month_day ymd{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
    if (!ymd.ok())
        return false;
    t = DayOfDate(ymd);
    return true;
}

TDateTime EncodeDate(int y, int m, int d) {
    TDateTime t = 0.0;
    TryEncodeDate(y, m, d, t);
    return t;
}

bool DecodeDate(TDateTime t, int& y, int& m, int& d) {
    int day = 0;
    if (!DayNumber(t, day)) {
        y = m = d = 0;
        return false;
    }
    const year_month_day ymd = DateOfDay(day);
    y = static_cast<int>(ymd.year());
    m = static_cast<int>(static_cast<unsigned>(ymd.month()));
    d = static_cast<int>(static_cast<unsigned>(ymd.day()));
    return true;
}

int DayOfWeek(TDateTime t) {
    int day = 0;
    if (!DayNumber(t, day))
        return 0;
    return static_cast<int>(weekday{Epoch + days{day}}.c_encoding()) + 1; // c_encoding: 0 = Sunday
}

int YearOf(TDateTime t) {
    int y = 0, m = 0, d = 0;
    DecodeDate(t, y, m, d);
    return y;
}

int ISOWeekOf(TDateTime t) {
    int day = 0;
    if (!DayNumber(t, day))
        return 0;
    const sys_days date = Epoch + days{day};
    // The week belongs to the year of its Thursday; the week number counts Thursdays from the
    // first of that year.
    const sys_days thursday = date - (weekday{date} - Monday) + days{3};
    const year thursdayYear = year_month_day{thursday}.year();
    return static_cast<int>((thursday - sys_days{thursdayYear / January / 1}).count() / 7) + 1;
}

TDateTime IncMonth(TDateTime t, int months) {
    int y = 0, m = 0, d = 0;
    if (!DecodeDate(t, y, m, d))
        return t;
    // Months counted from January of year 0, in 64 bits so that any int step is safe.
    const long long index = static_cast<long long>(y) * 12 + (m - 1) + months;
    if (index < 12 || index > 9999LL * 12 + 11)
        return t;
    const int newYear = static_cast<int>(index / 12);
    const unsigned newMonth = static_cast<unsigned>(index % 12) + 1;
    const year_month_day_last last{year{newYear}, month_day_last{month{newMonth}}};
    const unsigned lastDay = static_cast<unsigned>(last.day());
    const unsigned newDay = static_cast<unsigned>(d) < lastDay ? static_cast<unsigned>(d) : lastDay;
    const int day = DayOfDate(year_month_day{year{newYear}, month{newMonth}, std::chrono::day{newDay}});
    return Compose(day, TimePart(t));
}

TDateTime Now() {
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const int day =
        DayOfDate(year_month_day{year{local.tm_year + 1900}, month{static_cast<unsigned>(local.tm_mon + 1)},
                                 std::chrono::day{static_cast<unsigned>(local.tm_mday)}});
    const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    const double time =
        (local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + millis / 1000.0) / 86400.0;
    return Compose(day, time);
}

std::string FormatDateTime(std::string_view pattern, TDateTime t) {
    int y = 0, m = 0, d = 0;
    if (!DecodeDate(t, y, m, d))
        return {};
    std::string out;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = static_cast<char>(pattern[i] | 0x20); // ASCII lower case
        if (c != 'y' && c != 'm' && c != 'd') {
            out += pattern[i++];
            continue;
        }
        std::size_t run = 1;
        while (i + run < pattern.size() && static_cast<char>(pattern[i + run] | 0x20) == c)
            ++run;
        i += run;
        if (c == 'y')
            run >= 3 ? AppendNumber(out, y, 4) : AppendNumber(out, y % 100, 2);
        else
            AppendNumber(out, c == 'm' ? m : d, run >= 2 ? 2 : 1);
    }
    return out;
}

} // namespace Dates
