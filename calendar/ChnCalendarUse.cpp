#include "calendar/ChnCalendarUse.h"

#include "calendar/CnCalendar.h"

#include <array>
#include <string_view>

namespace ChnCalendarUse {

namespace {
// Stems of the lunar month names, by month number 1 to 12.
constexpr std::array<std::string_view, 12> CnMonthNames{"正", "二", "三", "四", "五", "六",
                                                        "七", "八", "九", "十", "冬", "腊"};
} // namespace

std::string CnMonthName(int month, bool leap) {
    if (month < 1 || month > 12)
        return {};
    const std::string stem(CnMonthNames[static_cast<std::size_t>(month - 1)]);
    return leap ? "闰" + stem : stem + "月";
}

void TChnCal::Compute(TDateTime t) {
    using namespace CnCalendar;
    DateTime = t;
    int y = 0, m = 0, d = 0;
    if (!Dates::DecodeDate(t, y, m, d))
        return;
    int lunarYear = 0, lunarMonth = 0, lunarDay = 0;
    bool leap = false;
    if (!SolarToLunar(y, m, d, lunarYear, lunarMonth, lunarDay, leap))
        return; // a refused year keeps every text of the last successful date

    // The cache: year texts when the lunar year differs from the last successful date's (or
    // there was none); month texts then too, or when the lunar month number or its leap flag
    // differs. Both are taken from this date, not from the year or month as a whole, and are
    // not refreshed for later dates under the same keys.
    const bool newYear = !hasKey_ || lunarYear != CnYearNo;
    if (newYear) {
        CnYearNo = lunarYear;
        CnYearStr = std::to_string(lunarYear);
        YearGanZhiStr = GanZhiName(YearGanZhi(y, m, d));
        AnimalStr = AnimalName(AnimalOfYear(lunarYear));
        EraStr = GetEraStr(y);
    }
    if (newYear || lunarMonth != CnMonthNo || leap != cnMonthLeap_) {
        CnMonthNo = lunarMonth;
        cnMonthLeap_ = leap;
        CnMonthStr = CnMonthName(lunarMonth, leap);
        MonthGanZhiStr = GanZhiName(MonthGanZhi(y, m, d));
    }
    hasKey_ = true;

    CnDayStr = LunarDayName(lunarDay);
    DayGanZhiStr = GanZhiName(DayGanZhi(y, m, d));
    ConstellationStr = ConstellationName(ConstellationOfDate(m, d));
    HolidayStr = GetHolidayStr(d, t);
    CnHolidayStr = GetCnHolidayStr(lunarMonth, lunarDay, t);
    TermStr = GetTermStr(t);
}

} // namespace ChnCalendarUse
