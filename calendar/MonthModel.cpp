#include "calendar/MonthModel.h"

#include <chrono>
#include <string_view>

namespace MonthCalendar {

namespace {

// Every cell number formed from a grid position lies inside the cell array, and the map runs
// both ways.
static_assert(GridToCell(7, WeekRows) < CellCount + 1);
static_assert(GridToCell(5, 6) == ConstellationCell && GridToCell(7, 6) == AnimalCell);
static_assert(GridToCell(0, 1) == 0 && GridToCell(8, 1) == 0 && GridToCell(1, 0) == 0);
constexpr bool MapRoundTrips() {
    for (int n = 1; n <= 7 * WeekRows; ++n) {
        int col = 0, row = 0;
        if (!CellToGrid(n, col, row) || GridToCell(col, row) != n)
            return false;
    }
    return true;
}
static_assert(MapRoundTrips());

const TcnDateInf NoCell{};
const std::string NoLabel;

constexpr std::string_view FirstLunarDay = "初一";

// Days of month m in year y by the Gregorian rule, whatever the year (28..31).
int DaysInMonth(int y, int m) {
    using namespace std::chrono;
    const year_month_day_last last{year{y}, month_day_last{month{static_cast<unsigned>(m)}}};
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

// Restores a flag however the scope is left, so that an exception thrown while the grid moves
// cannot leave the grid's select-cell handler silenced for good.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

} // namespace

const TcnDateInf& TMonthModel::Cells(int n) const {
    if (n < 1 || n > CellCount)
        return NoCell;
    return cells_[static_cast<std::size_t>(n)];
}

const std::string& TMonthModel::WeekNums(int k) const {
    if (k < 1 || k > WeekRows)
        return NoLabel;
    return weekNums_[static_cast<std::size_t>(k)];
}

void TMonthModel::SetDateTime(TDateTime x) {
    if (x == dateTime_) // exact: another time of the same day is another value
        return;
    RebuildMonth(x);
}

void TMonthModel::RebuildMonth(TDateTime x) {
    // 1. Only dates of the years 1 to 2100 are shown; anything else leaves all as it was.
    int y = 0, m = 0, d = 0;
    if (!Dates::DecodeDate(x, y, m, d) || y < MinYear || y > MaxYear)
        return;
    built_ = true;

    // 2..4. The date, the up-downs, the lunar date of the chosen day and the title.
    dateTime_ = x;
    year_ = y;
    month_ = m;
    dateInfo_.Compute(x);
    cnMonth_ = dateInfo_.CnMonthStr;
    cnDay_ = dateInfo_.CnDayStr;
    cnDate_ = cnMonth_ + cnDay_;
    yearLabel_ = std::to_string(y);
    monthLabel_ = std::to_string(m);

    // 5. The information cells of the last row; the constellation follows with the chosen day.
    for (int n : {ConstellationCell, YearGanZhiCell, AnimalCell})
        cells_[static_cast<std::size_t>(n)].InUse = true;
    cells_[YearGanZhiCell].DayText = dateInfo_.YearGanZhiStr;
    cells_[AnimalCell].DayText = dateInfo_.AnimalStr + "年";

    // 6. Before 1949 the status names the historical era, from then on the date itself.
    statusLabel_ = (y < 1949 ? dateInfo_.EraStr : Dates::FormatDateTime("YYYY-MM-DD", x)) + " 农历" + cnDate_;

    // 7. Clear the day cells and week labels. The weekend columns (1 and 7) keep red numbers
    //    whatever ColorDate is. Day and DayText are overwritten for the new month's cells and
    //    never read for a cell out of use.
    for (std::string& label : weekNums_)
        label.clear();
    for (int n = 1; n <= LastDayCell; ++n) {
        TcnDateInf& cell = cells_[static_cast<std::size_t>(n)];
        cell.InUse = false;
        cell.CnMonthText.clear();
        cell.CnDayText.clear();
        cell.CnText.clear();
        cell.DateColor = (n % 7 == 1 || n % 7 == 0) ? MarkColor : colorDate_;
    }

    // 8..10. The days, then the change event. A failure here (an exception from a callback, or
    // memory) is dropped: the cells filled so far stay, the rest stay cleared, and steps 2..7
    // keep their new values.
    try {
        FillDays(y, m, d);
        if (OnChange)
            OnChange();
    } catch (...) {
    }
}

void TMonthModel::FillDays(int y, int m, int chosenDay) {
    const TDateTime first = Dates::EncodeDate(y, m, 1);
    const int offset = Dates::DayOfWeek(first); // 1 = Sunday .. 7 = Saturday: the cell of day 1
    const int days = DaysInMonth(y, m);         // 28..31
    int lastWeek = -1;
    int k = 1;

    for (int n = offset; n < offset + days; ++n) {
        const int day = n - offset + 1;
        const TDateTime date = first + (day - 1);
        dateInfo_.Compute(date);

        // Labels in the order their ISO weeks first appear; label k goes on grid row k.
        const int week = Dates::ISOWeekOf(date);
        if (week != lastWeek) {
            lastWeek = week;
            if (k <= WeekRows) // a month touches at most six ISO weeks
                weekNums_[static_cast<std::size_t>(k)] = std::to_string(week);
            ++k;
        }

        TcnDateInf& cell = cells_[static_cast<std::size_t>(n)];
        cell.DayText = std::to_string(day);
        cell.Day = day;
        cell.CnMonthText = dateInfo_.CnMonthStr;
        cell.CnDayText = dateInfo_.CnDayStr;

        // The Chinese line. Each rule below overrides the ones before it, so the precedence is,
        // strongest first: lunar festival, solar term, Gregorian festival, and last the lunar
        // month name (on the first day of a lunar month, in red) or the lunar day name.
        if (cell.CnDayText == FirstLunarDay) {
            cell.CnText = cell.CnMonthText;
            cell.CnColor = MarkColor;
        } else {
            cell.CnText = cell.CnDayText;
            cell.CnColor = colorCnDate_;
        }
        if (!dateInfo_.HolidayStr.empty()) {
            cell.CnText = dateInfo_.HolidayStr;
            cell.CnColor = colorHoliday_;
        }
        if (!dateInfo_.TermStr.empty()) {
            cell.CnText = dateInfo_.TermStr;
            cell.CnColor = colorLunarHolDay_;
        }
        if (!dateInfo_.CnHolidayStr.empty()) {
            cell.CnText = dateInfo_.CnHolidayStr;
            cell.CnColor = colorCnHolDay_;
        }

        if (day == chosenDay) {
            cells_[ConstellationCell].DayText = dateInfo_.ConstellationStr;
            int col = 0, row = 0;
            CellToGrid(n, col, row);
            const FlagScope moving(movingSelection_);
            currentRow_ = row;
            currentCol_ = col;
            if (OnMoveCurrentCell)
                OnMoveCurrentCell(col, row);
        }

        cell.InUse = true;
    }
}

void TMonthModel::SetColor(TColor& member, TColor c) {
    member = c;
    // Before the first month there is nothing to recolour; the first rebuild uses the colour.
    if (built_)
        RebuildMonth(dateTime_);
}

void TMonthModel::SetColorDate(TColor c) {
    SetColor(colorDate_, c);
}
void TMonthModel::SetColorCnDate(TColor c) {
    SetColor(colorCnDate_, c);
}
void TMonthModel::SetColorHoliday(TColor c) {
    SetColor(colorHoliday_, c);
}
void TMonthModel::SetColorLunarHolDay(TColor c) {
    SetColor(colorLunarHolDay_, c);
}
void TMonthModel::SetColorCnHolDay(TColor c) {
    SetColor(colorCnHolDay_, c);
}

} // namespace MonthCalendar
