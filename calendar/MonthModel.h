// The month model: the state behind the month calendar. For the chosen date it lays out the
// Gregorian month in a Sunday-first grid of six week rows, gives every day its Chinese line and
// colours, the ISO week label of each row, the three information cells, the title and status
// texts and the chosen cell. The month-calendar widget applies this state to its children and
// paints it; `tolvane-cal --month` prints it. The model knows no widget and no GUI library.
#pragma once

#include "calendar/ChnCalendarUse.h"
#include "calendar/Color.h"
#include "calendar/DateTime.h"

#include <array>
#include <functional>
#include <string>

namespace MonthCalendar {

// One cell of the month grid.
struct TcnDateInf {
    int Day = 0;             // day of the month shown in the cell (1..31)
    bool InUse = false;      // the cell has content; a cell not in use is bare background
    std::string DayText;     // the day number; in the information cells the information text
    std::string CnMonthText; // lunar month name of the day
    std::string CnDayText;   // lunar day name of the day
    std::string CnText;      // the Chinese line under the day number
    TColor DateColor = 0;    // colour of the day number
    TColor CnColor = 0;      // colour of the Chinese line
};

// The grid: column 0 holds the week labels, columns 1..7 are Sunday..Saturday, column 8 is a
// narrow filler; row 0 holds the weekday names, rows 1..6 are the week rows.
inline constexpr int GridColumns = 9;
inline constexpr int GridRows = 7;
inline constexpr int WeekRows = 6;

// Cells 1..37 are day cells, 40..42 the information cells (row 6, columns 5..7); 38, 39 and
// everything above 42 never hold anything. The array runs to 50 so that any cell number a
// caller may form from a grid position stays inside it.
inline constexpr int CellCount = 50;
inline constexpr int LastDayCell = 37;
inline constexpr int ConstellationCell = 40;
inline constexpr int YearGanZhiCell = 41;
inline constexpr int AnimalCell = 42;

// The default cell colours ($BBGGRR).
inline constexpr TColor DefaultColorDate = 0x4F4F4F;        // dark gray
inline constexpr TColor DefaultColorCnDate = 0x008000;      // green
inline constexpr TColor DefaultColorHoliday = 0x0080FF;     // orange
inline constexpr TColor DefaultColorLunarHolDay = 0xFF5353; // light blue
inline constexpr TColor DefaultColorCnHolDay = 0x0080FF;    // orange
// The weekend day numbers and the first day of a lunar month are red whatever the colours.
inline constexpr TColor MarkColor = clRed;

// The year range of the calendar (the year up-down's range).
inline constexpr int MinYear = 1;
inline constexpr int MaxYear = 2100;

// The cell at grid column `col` and row `row`, or 0 where the grid has no cell (column 0 or 8,
// row 0, or outside the grid).
constexpr int GridToCell(int col, int row) {
    if (col < 1 || col > 7 || row < 1 || row > WeekRows)
        return 0;
    return col + 7 * (row - 1);
}

// The grid position of cell `n` (1..42); false, outputs untouched, for any other number.
constexpr bool CellToGrid(int n, int& col, int& row) {
    if (n < 1 || n > 7 * WeekRows)
        return false;
    col = n % 7 == 0 ? 7 : n % 7;
    row = n % 7 == 0 ? n / 7 : n / 7 + 1;
    return true;
}

class TMonthModel {
public:
    TMonthModel() = default;
    TMonthModel(const TMonthModel&) = delete;
    TMonthModel& operator=(const TMonthModel&) = delete;

    // The chosen date and time. Writing a value that differs from the current one (compared
    // exactly, time of day included) rebuilds the month; an equal value does nothing. A date
    // outside the years 1 to 2100 is ignored: nothing changes and no event fires.
    TDateTime DateTime() const { return dateTime_; }
    void SetDateTime(TDateTime x);

    // Rebuilds the month for x without the equality test (the colour setters use it).
    void RebuildMonth(TDateTime x);

    // Cell n (1..50) and the week label of grid row k (1..6). Any other number yields an empty
    // cell or label, so a stray index from a caller can do no harm.
    const TcnDateInf& Cells(int n) const;
    const std::string& WeekNums(int k) const;

    // Title, up-down and status state of the last rebuild.
    int YearUpDownPosition() const { return year_; }
    int MonthUpDownPosition() const { return month_; }
    const std::string& YearLabelCaption() const { return yearLabel_; }
    const std::string& MonthLabelCaption() const { return monthLabel_; }
    const std::string& StatusLabelCaption() const { return statusLabel_; }
    const std::string& CnMonth() const { return cnMonth_; }
    const std::string& CnDay() const { return cnDay_; }
    const std::string& CnDate() const { return cnDate_; }

    // The grid's current cell as the model last moved it (column 0 and row 0 before the first
    // month), and the cell number there (0 when none).
    int CurrentCol() const { return currentCol_; }
    int CurrentRow() const { return currentRow_; }
    int ChosenCell() const { return GridToCell(currentCol_, currentRow_); }

    // True only while OnMoveCurrentCell runs: the grid's select-cell handler lets the model's
    // own move through and does nothing else.
    bool MovingSelection() const { return movingSelection_; }

    // The date information of the last Compute: after a rebuild, the month's last day.
    const ChnCalendarUse::TChnCal& DateInfo() const { return dateInfo_; }

    // The five cell colours. A change rebuilds the current month once a month has been built;
    // before that the colour is kept for the first rebuild.
    TColor ColorDate() const { return colorDate_; }
    TColor ColorCnDate() const { return colorCnDate_; }
    TColor ColorHoliday() const { return colorHoliday_; }
    TColor ColorLunarHolDay() const { return colorLunarHolDay_; }
    TColor ColorCnHolDay() const { return colorCnHolDay_; }
    void SetColorDate(TColor c);
    void SetColorCnDate(TColor c);
    void SetColorHoliday(TColor c);
    void SetColorLunarHolDay(TColor c);
    void SetColorCnHolDay(TColor c);

    // Called when the chosen day's cell is reached, with its grid position: the widget moves its
    // grid's current row, then column, there. MovingSelection() is true meanwhile.
    std::function<void(int col, int row)> OnMoveCurrentCell;
    // Called at the end of every completed rebuild. The widget renders its background and
    // repaints the grid here before passing the event on. Like the fill of the days, it runs
    // under a guard: an exception from it is dropped and the month stays as filled.
    std::function<void()> OnChange;

private:
    void SetColor(TColor& member, TColor c);
    void FillDays(int y, int m, int chosenDay);

    TDateTime dateTime_ = 0.0;
    bool built_ = false;

    std::array<TcnDateInf, CellCount + 1> cells_{}; // index 0 unused: cells count from 1
    std::array<std::string, WeekRows + 1> weekNums_{};

    int year_ = 0;
    int month_ = 0;
    std::string yearLabel_, monthLabel_, statusLabel_;
    std::string cnMonth_, cnDay_, cnDate_;
    int currentCol_ = 0;
    int currentRow_ = 0;
    bool movingSelection_ = false;

    ChnCalendarUse::TChnCal dateInfo_;

    TColor colorDate_ = DefaultColorDate;
    TColor colorCnDate_ = DefaultColorCnDate;
    TColor colorHoliday_ = DefaultColorHoliday;
    TColor colorLunarHolDay_ = DefaultColorLunarHolDay;
    TColor colorCnHolDay_ = DefaultColorCnHolDay;
};

} // namespace MonthCalendar
