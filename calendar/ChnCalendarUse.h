// The date-information layer: everything the calendar controls show about one date, gathered
// by TChnCal::Compute, with the festival rules and the historical era lookup it uses.
// Texts are UTF-8; "" means that nothing applies (no festival, no term, no era).
#pragma once

#include "calendar/DateTime.h"
#include "calendar/EraTable.h"

#include <string>

namespace ChnCalendarUse {

// Every text of one date. Compute fills the fields; the controls read them directly.
//
// The year texts (CnYearStr, YearGanZhiStr, AnimalStr, EraStr) and the month texts (CnMonthStr,
// MonthGanZhiStr) are cached: they are worked out only when the lunar year, or the lunar month,
// differs from that of the last successful Compute, because the month calendar computes the
// days of a month one after another. They therefore hold the values of the date at which the
// lunar year or month was entered: YearGanZhiStr changes at 立春 and MonthGanZhiStr at each
// month-opening term, but here they stay until the lunar year or month changes.
class TChnCal {
public:
    int CnYearNo = 0;         // lunar year of the last successful Compute
    int CnMonthNo = 0;        // lunar month number 1 to 12 of the last successful Compute
    TDateTime DateTime = 0.0; // the date of the last Compute, successful or not
    std::string TermStr;      // solar term on the day
    std::string HolidayStr;   // Gregorian festival
    std::string CnMonthStr;   // "正月" ... "腊月", or "闰" and the stem ("闰四") for a leap month
    std::string DayGanZhiStr;
    std::string YearGanZhiStr;
    std::string MonthGanZhiStr;
    std::string CnHolidayStr; // lunar festival
    std::string CnYearStr;    // the lunar year as decimal text
    std::string CnDayStr;     // "初一" ... "三十"
    std::string AnimalStr;
    std::string ConstellationStr;
    std::string EraStr; // historical era of the Gregorian year, "" from 1949 on

    // Fills the fields for date t. A date the engine cannot convert (after 2100, or outside the
    // date range) changes only DateTime.
    void Compute(TDateTime t);

private:
    // Cache state beyond the two public keys: whether any Compute has succeeded yet (so that
    // lunar year 0 is not mistaken for the empty object's key 0), and the leap flag of the
    // cached month (so that a leap month entered from the ordinary month of the same number
    // gets its own name).
    bool hasKey_ = false;
    bool cnMonthLeap_ = false;
};

// The name of lunar month 1 to 12: "正月" ... "腊月", or "闰" and the stem for a leap month
// ("闰四", without "月"). "" for a month outside 1 to 12.
std::string CnMonthName(int month, bool leap);

// The lunar date of t (SolarToLunar of its Gregorian date). False, outputs untouched, when the
// engine refuses the year or t is no date.
bool GetCnDate(TDateTime t, int& cnYear, int& cnMonth, int& cnDay, bool& leap);

// The solar term that falls on the calendar day of t, whatever its hour; else "".
std::string GetTermStr(TDateTime t);

// The Gregorian festival of the date made of t's year and month and `day` (the caller's
// already decoded day of t); else "".
std::string GetHolidayStr(int day, TDateTime t);

// The lunar festival of lunar month `cnMonth`, day `cnDay` (the lunar date of t; the leap flag
// plays no part); t serves only New Year's Eve, which looks at the following day. Else "".
std::string GetCnHolidayStr(int cnMonth, int cnDay, TDateTime t);

} // namespace ChnCalendarUse
