// The festival and solar-term texts of a date, and the lunar date of a TDateTime.
#include "calendar/ChnCalendarUse.h"
#include "calendar/CnCalendar.h"
#include "calendar/FestivalData.h"

namespace ChnCalendarUse {

bool GetCnDate(TDateTime t, int& cnYear, int& cnMonth, int& cnDay, bool& leap) {
    int y = 0, m = 0, d = 0;
    if (!Dates::DecodeDate(t, y, m, d))
        return false;
    return CnCalendar::SolarToLunar(y, m, d, cnYear, cnMonth, cnDay, leap);
}

std::string GetTermStr(TDateTime t) {
    int y = 0, m = 0, d = 0;
    if (!Dates::DecodeDate(t, y, m, d))
        return {};
    // Terms 2(M-1) and 2(M-1)+1 of SolarTermTime are the two of Gregorian month M (0 = 小寒);
    // the name table starts at 立春, two terms later, hence the shift of 22 (i.e. -2) mod 24.
    // Only the day is compared: the term belongs to the whole calendar day on which it falls.
    for (const int i : {2 * (m - 1), 2 * (m - 1) + 1}) {
        int termMonth = 0, termDay = 0, hour = 0, minute = 0;
        CnCalendar::SolarTermTime(y, i, termMonth, termDay, hour, minute);
        if (termMonth == m && termDay == d)
            return CnCalendar::SolarTermName((i + 22) % 24);
    }
    return {};
}

std::string GetHolidayStr(int day, TDateTime t) {
    int y = 0, m = 0, d = 0;
    if (!Dates::DecodeDate(t, y, m, d))
        return {};
    for (const auto& row : festivals::SolarFestivals) {
        if (row.month != m)
            continue;
        if (row.weekday == 0) {
            if (day == row.day)
                return std::string(row.name);
            continue;
        }
        // A weekday rule needs a real date: a day that the month lacks has no weekday.
        TDateTime date = 0.0;
        if (Dates::TryEncodeDate(y, m, day, date) && Dates::DayOfWeek(date) == row.weekday &&
            (day - 1) / 7 == row.ordinal)
            return std::string(row.name);
    }
    return {};
}

std::string GetCnHolidayStr(int cnMonth, int cnDay, TDateTime t) {
    // The lunar day decides first: a day with a festival of its own (腊八, the 8th of month 12)
    // is never looked at as New Year's Eve. Any other day of month 12 is New Year's Eve when the
    // next calendar day is 1/1, which covers months of 29 and of 30 days alike. Leap flags play
    // no part, neither the date's own nor the next day's.
    bool dayHasFestival = false;
    for (const auto& row : festivals::LunarFestivals) {
        if (row.day != cnDay)
            continue;
        if (row.month == cnMonth)
            return std::string(row.name);
        dayHasFestival = true;
    }
    if (dayHasFestival || cnMonth != 12)
        return {};
    int nextYear = 0, nextMonth = 0, nextDay = 0;
    bool nextLeap = false;
    if (GetCnDate(t + 1.0, nextYear, nextMonth, nextDay, nextLeap) && nextMonth == 1 && nextDay == 1)
        return std::string(festivals::NewYearsEve);
    return {};
}

} // namespace ChnCalendarUse
