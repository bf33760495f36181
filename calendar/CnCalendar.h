// The Chinese calendar engine: pure functions over dates and day numbers.
//
// Dates are three signed integers (year, month, day) in the mixed calendar: Julian up to
// 4 October 1582, Gregorian from 15 October 1582, the ten days between absent. Years are
// numbered historically (year -1 directly precedes year 1); year 0 is accepted and computed
// by the same formulas. Nothing here checks that a day exists in its month.
//
// Failures are reported by results (false, -1, an empty string); outputs are then left
// untouched unless a function says otherwise. Every function is defined for every int
// argument: results that would not fit an int are clamped to the int range.
//
// Names are returned as UTF-8. The header includes no Qt.
#pragma once

#include <string>

namespace CnCalendar {

// --- Calendar arithmetic -------------------------------------------------------------------

// 1 = Julian, 0 = inside the gap of October 1582 (5th to 14th), 2 = Gregorian.
int CalendarKind(int y, int m, int d);
bool IsLeap(int y);
// 0 for a month outside 1 to 12. October 1582 counts 31 days (the gap is not subtracted).
int MonthDays(int y, int m);
int DayOfYear(int y, int m, int d);

// Day number for the sexagenary day: 1 January AD 1 (Julian) is day 1, 31 December of year -1
// is day 0, and the count runs on without a break across the change of calendar.
int DayCount(int y, int m, int d);

// Day number for the solar terms and the lunar conversion, aligned with the proleptic
// Gregorian count in which 1 January AD 1 (Gregorian) is day 1: 1 January 2000 is 730120,
// 4 October 1582 is 577735, 15 October 1582 is 577736, 1 January AD 1 (Julian) is -1.
// Divisions truncate toward zero, also for years of 0 and below. 0 for a date in the gap.
int FixedDay(int y, int m, int d);

// The inverse of FixedDay for every n >= 0: a Julian date up to 577735, a Gregorian date
// from 577736. False for n < 0.
bool DateOfFixedDay(int n, int& y, int& m, int& d);

// 1 when the first date is later, 0 when equal, -1 when earlier.
int CompareDates(int y1, int m1, int d1, int y2, int m2, int d2);
// As CompareDates; of two months with the same number the leap month is the later one.
int CompareLunarDates(int y1, int m1, int d1, bool leap1, int y2, int m2, int d2, bool leap2);

// --- Solar terms ---------------------------------------------------------------------------

// Term number n: 1 = 小寒 (early January) ... 24 = 冬至, 25 = 小寒 of the next January.
// The integer part of the result is the day of the year (1 = 1 January), the fraction the
// time of day in UTC+8.
double TermDay(int y, int n);

// Term index i = n - 1 (0 = 小寒 ... 23 = 冬至). A term within the last day of a month belongs
// to that month; a rounded minute of 60 carries into the hour (at 23 it stays 23:59). False
// for i outside 0 to 23, or when the term lies past the end of the year (only for years far
// outside history). Where 小寒 falls in the December before (Julian years of the late
// Middle Ages), it comes out as a January day of 0 or below.
bool SolarTermTime(int y, int i, int& month, int& day, int& hour, int& minute);

// Name index 0 = 立春 ... 23 = 大寒; "" for any other index.
std::string SolarTermName(int k);

// Rewrites y and m to the solar year and the term-bounded solar month 1 to 12 of the date
// (1 from 立春, 11 from 大雪, 12 from 小寒, which belongs to the previous solar year).
void SolarMonth(int& y, int& m, int d);

// --- Lunar date conversion (years -849 to 2100) --------------------------------------------

// The year's leap month 0 to 12 (0 = none); -1 for a year outside -849 to 2100.
int LeapMonthCode(int y);
// LeapMonthCode with -1 turned into 0.
int LeapMonthOfYear(int y);
// Leap months recorded from -849 through the year (raised by one for 1200 to 1499); year 0
// reads the entry of year -1. Years before -849 count 0, years after 2100 the entry of 2100.
int LeapMonthsThrough(int y);

// Lunar day 1 to 30, or -1 when no new moon qualifies (the days of the October 1582 gap, or
// a day far beyond its month).
int LunarDayOf(int y, int m, int d);
// Lunar month number, negative for a leap month.
int LunarMonthOf(int y, int m, int d);

bool SolarToLunarMonthDay(int y, int m, int d, int& lunarMonth, int& lunarDay, bool& leap);
// False for a year outside -849 to 2100, the outputs then untouched.
bool SolarToLunar(int y, int m, int d, int& lunarYear, int& lunarMonth, int& lunarDay, bool& leap);
// True when the lunar date was found; false when the leap flag does not match the year's
// leap month, when no day of the two-year search range has that lunar date, or when the
// search reaches a day without a date or without a lunar date.
bool LunarToSolar(int lunarYear, int lunarMonth, int lunarDay, bool leap, int& y, int& m, int& d);

// --- Sexagenary cycle and names ------------------------------------------------------------

// Index 0 to 59: stem = index mod 10, branch = index mod 12. -1 when no index has both.
int GanZhiIndex(int stem, int branch);
bool SplitGanZhi(int i, int& stem, int& branch);
int GanZhiOfYear(int y);
int BranchOfYear(int y);
int AnimalOfYear(int y);
// The year changes on the day of 立春, the month on the day of each month-opening term.
int YearGanZhi(int y, int m, int d);
int MonthGanZhi(int y, int m, int d);
int DayGanZhi(int y, int m, int d);
int ConstellationOfDate(int m, int d);

std::string GanZhiName(int i);
std::string AnimalName(int i);
std::string ConstellationName(int i);
std::string LunarDayName(int n);

} // namespace CnCalendar
