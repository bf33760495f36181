// The date type of the calendar model and the few date routines the layers above need.
//
// A TDateTime counts days since 30 December 1899 (day 0); the fraction is the time of day.
// Dates are proleptic Gregorian and cover the years 1 to 9999, like the classic desktop date
// type. For a value before day 0 the date is its integer part, truncated toward zero, and the
// fraction's magnitude is the time of day: -1.25 is 29 December 1899, 06:00.
//
// Every routine is defined for every input, including NaN and infinities: a value outside the
// years 1 to 9999 is reported by the result (false, 0, "") and never by an exception.
#pragma once

#include <string>
#include <string_view>

using TDateTime = double;

namespace Dates {

// Day numbers of 1 January 1 and 31 December 9999.
inline constexpr int MinDateDay = -693593;
inline constexpr int MaxDateDay = 2958465;

// True for a TDateTime whose date lies in the years 1 to 9999.
bool IsValidDateTime(TDateTime t);

// False for a date that does not exist (31 April, 29 February 2023, year 0 or 10000); `t` is
// then left alone.
bool TryEncodeDate(int y, int m, int d, TDateTime& t);
// As TryEncodeDate; 0.0 for a date that does not exist. Callers that may hold such a date use
// TryEncodeDate.
TDateTime EncodeDate(int y, int m, int d);
// False, and all three outputs 0, for a value outside the years 1 to 9999.
bool DecodeDate(TDateTime t, int& y, int& m, int& d);

// 1 = Sunday ... 7 = Saturday; 0 for a value outside the date range.
int DayOfWeek(TDateTime t);
// The year, or 0 for a value outside the date range.
int YearOf(TDateTime t);
// ISO 8601 week 1 to 53 (weeks start on Monday; week 1 holds the year's first Thursday);
// 0 for a value outside the date range.
int ISOWeekOf(TDateTime t);

// The date `months` months later (earlier when negative), the day cut to the end of a shorter
// month, the time of day kept. `t` unchanged when it or the result lies outside the date range.
TDateTime IncMonth(TDateTime t, int months = 1);

// The local date and time.
TDateTime Now();

// Formats the date of `t` by a pattern of the letters y, m and d (either case) and literal
// characters: "yyyy" the year with four digits, "yy" two digits, "mm"/"dd" two digits,
// "m"/"d" without a leading zero ("YYYY-MM-DD" gives "2024-02-10"). "" outside the range.
std::string FormatDateTime(std::string_view pattern, TDateTime t);

} // namespace Dates
