#include "calendar/MonthModel.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Dates::EncodeDate;
using MonthCalendar::TMonthModel;

// The cells in use among the day cells 1..37.
std::vector<int> DayCellsInUse(const TMonthModel& model) {
    std::vector<int> cells;
    for (int n = 1; n <= MonthCalendar::LastDayCell; ++n) {
        if (model.Cells(n).InUse)
            cells.push_back(n);
    }
    return cells;
}

std::vector<std::string> Labels(const TMonthModel& model) {
    std::vector<std::string> labels;
    for (int k = 1; k <= MonthCalendar::WeekRows; ++k)
        labels.push_back(model.WeekNums(k));
    return labels;
}

std::vector<int> Range(int first, int last) {
    std::vector<int> v;
    for (int n = first; n <= last; ++n)
        v.push_back(n);
    return v;
}

struct MonthCase {
    int year, month;
    int firstCell, lastCell;
    std::vector<std::string> labels;
};

// A month that starts on a Sunday puts a label on the row after its last day; one that starts on
// a Saturday labels its first row with the previous year's last week; a month whose last days lie
// in the next ISO year ends on week 1.
TEST(MonthModel, LaysOutMonthsAndWeekLabels) {
    const MonthCase cases[] = {
        {2015, 2, 1, 28, {"5", "6", "7", "8", "9", ""}},
        {2011, 1, 7, 37, {"52", "1", "2", "3", "4", "5"}},
        {2012, 12, 7, 37, {"48", "49", "50", "51", "52", "1"}},
    };
    for (const MonthCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month));
        TMonthModel model;
        model.SetDateTime(EncodeDate(c.year, c.month, 1));
        EXPECT_EQ(DayCellsInUse(model), Range(c.firstCell, c.lastCell));
        EXPECT_EQ(model.Cells(c.firstCell).DayText, "1");
        EXPECT_EQ(model.Cells(c.lastCell).Day, c.lastCell - c.firstCell + 1);
        EXPECT_EQ(Labels(model), c.labels);
        EXPECT_EQ(model.ChosenCell(), c.firstCell);
        for (int n : {38, 39})
            EXPECT_FALSE(model.Cells(n).InUse);
        for (int n : {40, 41, 42})
            EXPECT_TRUE(model.Cells(n).InUse);
    }
}

// Over every month of 1901..2100, written one after another into one model as the navigation
// does: the days sit from the weekday of the 1st on, each row's label is the ISO week of the
// row's Monday when that Monday is in the month (of its Sunday when the month starts on one),
// the weekend numbers are red and the others in ColorDate, and each day's lunar texts are the
// day's own.
TEST(MonthModel, EveryMonthMatchesItsDays) {
    TMonthModel model;
    for (int y = 1901; y <= 2100; ++y) {
        for (int m = 1; m <= 12; ++m) {
            model.SetDateTime(EncodeDate(y, m, 1));
            const TDateTime first = EncodeDate(y, m, 1);
            const int offset = Dates::DayOfWeek(first);
            const int days = static_cast<int>(Dates::IncMonth(first) - first);
            SCOPED_TRACE(Dates::FormatDateTime("YYYY-MM", first));
            ASSERT_EQ(DayCellsInUse(model), Range(offset, offset + days - 1));
            for (int d = 1; d <= days; ++d) {
                const int n = offset + d - 1;
                const MonthCalendar::TcnDateInf& cell = model.Cells(n);
                ASSERT_EQ(cell.Day, d);
                ASSERT_EQ(cell.DayText, std::to_string(d));
                ASSERT_EQ(cell.DateColor, n % 7 == 1 || n % 7 == 0 ? clRed : MonthCalendar::DefaultColorDate);
                ChnCalendarUse::TChnCal fresh;
                fresh.Compute(first + (d - 1));
                ASSERT_EQ(cell.CnMonthText, fresh.CnMonthStr) << d;
                ASSERT_EQ(cell.CnDayText, fresh.CnDayStr) << d;
                // Monday of a row, or the Sunday that opens a month.
                const bool labelDay = n % 7 == 2 || (offset == 1 && d == 1);
                if (labelDay) {
                    const int row = offset == 1 ? (d == 1 ? 1 : (n - 2) / 7 + 2) : (n - 2) / 7 + 1;
                    ASSERT_EQ(model.WeekNums(row), std::to_string(Dates::ISOWeekOf(first + (d - 1))));
                }
            }
            // The model's TChnCal ends on the month's last day.
            ASSERT_EQ(model.DateInfo().DateTime, first + (days - 1));
        }
    }
}

struct LineCase {
    int y, m, d;
    const char* text;
    TColor color;
};

// Distinct colours, so that every rule shows which colour it took.
constexpr TColor DateC = 0x111111, CnDateC = 0x222222, HolidayC = 0x333333, LunarHolDayC = 0x444444,
                 CnHolDayC = 0x555555;

// Lunar festival over solar term over Gregorian festival over the lunar month or day name.
TEST(MonthModel, ChineseLineTakesTheStrongestTextWithItsColour) {
    const LineCase cases[] = {
        {2000, 2, 4, "除夕", CnHolDayC},      // 立春 too
        {2001, 10, 1, "中秋节", CnHolDayC},   // 国庆节 too
        {2001, 11, 22, "小雪", LunarHolDayC}, // 感恩节 too
        {2000, 5, 4, "青年节", HolidayC},     // first day of the fourth lunar month too
        {2015, 3, 20, "二月", clRed},         // first day of a lunar month, nothing else
        {2015, 2, 2, "十四", CnDateC},        // an ordinary day
    };
    TMonthModel model;
    model.SetColorDate(DateC);
    model.SetColorCnDate(CnDateC);
    model.SetColorHoliday(HolidayC);
    model.SetColorLunarHolDay(LunarHolDayC);
    model.SetColorCnHolDay(CnHolDayC);
    for (const LineCase& c : cases) {
        const TDateTime t = EncodeDate(c.y, c.m, c.d);
        SCOPED_TRACE(Dates::FormatDateTime("YYYY-MM-DD", t));
        model.SetDateTime(t);
        const MonthCalendar::TcnDateInf& cell = model.Cells(model.ChosenCell());
        EXPECT_EQ(cell.Day, c.d);
        EXPECT_EQ(cell.CnText, c.text);
        EXPECT_EQ(cell.CnColor, c.color);
    }
}

TEST(MonthModel, TitleStatusAndChosenDay) {
    TMonthModel model;
    int moves = 0;
    model.OnMoveCurrentCell = [&](int col, int row) {
        ++moves;
        EXPECT_TRUE(model.MovingSelection());
        EXPECT_EQ(col, 4); // 15 July 2015 is a Wednesday in the third row
        EXPECT_EQ(row, 3);
    };
    model.SetDateTime(EncodeDate(2015, 7, 15) + 0.5);
    EXPECT_EQ(moves, 1);
    EXPECT_FALSE(model.MovingSelection());
    EXPECT_EQ(model.ChosenCell(), 18);
    EXPECT_EQ(model.YearUpDownPosition(), 2015);
    EXPECT_EQ(model.MonthUpDownPosition(), 7);
    EXPECT_EQ(model.YearLabelCaption(), "2015");
    EXPECT_EQ(model.MonthLabelCaption(), "7");
    EXPECT_EQ(model.CnMonth(), "五月");
    EXPECT_EQ(model.CnDay(), "三十");
    EXPECT_EQ(model.CnDate(), "五月三十");
    EXPECT_EQ(model.StatusLabelCaption(), "2015-07-15 农历五月三十");
    EXPECT_EQ(model.Cells(40).DayText, "巨蟹");
    EXPECT_EQ(model.Cells(41).DayText, "乙未");
    EXPECT_EQ(model.Cells(42).DayText, "羊年");
}

// Before 1949 the status line names the historical era; from 1 January 1949 on it shows the date.
TEST(MonthModel, StatusLineOnBothSidesOf1949) {
    TMonthModel model;
    model.SetDateTime(EncodeDate(1948, 6, 3));
    EXPECT_EQ(model.StatusLabelCaption(), "[近、现代]中华民国  民国38年 农历四月廿六");
    model.SetDateTime(EncodeDate(1949, 1, 1));
    EXPECT_EQ(model.StatusLabelCaption(), "1949-01-01 农历腊月初三");
}

TEST(MonthModel, EqualDateTimeDoesNothingAnotherTimeOfDayRebuildsOnce) {
    TMonthModel model;
    int changes = 0;
    model.OnChange = [&] { ++changes; };
    const TDateTime t = EncodeDate(2024, 2, 10) + 0.25;
    model.SetDateTime(t);
    ASSERT_EQ(changes, 1);
    model.SetDateTime(t);
    EXPECT_EQ(changes, 1);
    model.SetDateTime(t + 1.0 / 86400);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(model.DateTime(), t + 1.0 / 86400);
}

// Years after 2100, and values that are no date at all, leave everything as it was.
TEST(MonthModel, RefusesDatesOutsideItsYears) {
    const TDateTime refused[] = {EncodeDate(2101, 1, 1),
                                 EncodeDate(9999, 12, 31),
                                 -700000.0,
                                 1e300,
                                 std::numeric_limits<double>::quiet_NaN(),
                                 std::numeric_limits<double>::infinity()};
    TMonthModel model;
    int changes = 0;
    model.OnChange = [&] { ++changes; };
    const TDateTime kept = EncodeDate(2100, 12, 31);
    model.SetDateTime(kept);
    const std::vector<int> cells = DayCellsInUse(model);
    const std::vector<std::string> labels = Labels(model);
    const std::string status = model.StatusLabelCaption();
    for (TDateTime x : refused) {
        model.SetDateTime(x);
        EXPECT_EQ(model.DateTime(), kept);
        EXPECT_EQ(model.YearLabelCaption(), "2100");
        EXPECT_EQ(model.StatusLabelCaption(), status);
        EXPECT_EQ(DayCellsInUse(model), cells);
        EXPECT_EQ(Labels(model), labels);
        EXPECT_EQ(model.ChosenCell(), 34); // 1 December 2100 is a Wednesday
    }
    EXPECT_EQ(changes, 1);

    // Year 1 is the first year shown.
    model.SetDateTime(EncodeDate(1, 1, 1));
    EXPECT_EQ(model.YearLabelCaption(), "1");
    EXPECT_EQ(changes, 2);
}

TEST(MonthModel, ColourChangeRebuildsWithWeekendNumbersStillRed) {
    TMonthModel model;
    int changes = 0;
    model.OnChange = [&] { ++changes; };
    model.SetDateTime(EncodeDate(2015, 2, 1));
    model.SetColorDate(clBlue);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(model.Cells(1).DateColor, clRed);  // Sunday
    EXPECT_EQ(model.Cells(2).DateColor, clBlue); // Monday
    EXPECT_EQ(model.Cells(7).DateColor, clRed);  // Saturday
    EXPECT_EQ(model.Cells(20).DateColor, clBlue);

    model.SetColorCnDate(clPurple);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(model.Cells(2).CnColor, clPurple);
    EXPECT_EQ(model.Cells(20).DateColor, clBlue);
}

// A colour set before any month exists is kept for the first month rather than building one
// for the zero date.
TEST(MonthModel, ColourBeforeTheFirstMonthWaitsForIt) {
    TMonthModel model;
    int changes = 0;
    model.OnChange = [&] { ++changes; };
    model.SetColorDate(clBlue);
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(DayCellsInUse(model).empty());
    EXPECT_FALSE(model.Cells(40).InUse);
    model.SetDateTime(EncodeDate(2015, 2, 1));
    EXPECT_EQ(model.Cells(2).DateColor, clBlue);
}

TEST(MonthModel, ExceptionFromOnChangeKeepsTheFilledMonth) {
    TMonthModel model;
    model.OnChange = [] { throw std::runtime_error("handler failed"); };
    EXPECT_NO_THROW(model.SetDateTime(EncodeDate(2011, 1, 15)));
    EXPECT_EQ(model.DateTime(), EncodeDate(2011, 1, 15));
    EXPECT_EQ(DayCellsInUse(model), Range(7, 37));
    EXPECT_EQ(model.WeekNums(6), "5");
    EXPECT_EQ(model.ChosenCell(), 21);
}

// A failure while the grid moves to the chosen day stops the fill there: the days before stay
// filled, the rest stay cleared, no change event fires, and the select-cell guard is lifted again
// so that clicks keep working.
TEST(MonthModel, ExceptionWhileMovingToTheChosenDayStopsTheFill) {
    TMonthModel model;
    int changes = 0;
    model.OnChange = [&] { ++changes; };
    model.SetDateTime(EncodeDate(2015, 2, 20));
    ASSERT_EQ(changes, 1);
    model.OnMoveCurrentCell = [](int, int) { throw std::runtime_error("click handler failed"); };

    EXPECT_NO_THROW(model.SetDateTime(EncodeDate(2011, 1, 10)));
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(model.MovingSelection());
    EXPECT_EQ(model.DateTime(), EncodeDate(2011, 1, 10));
    EXPECT_EQ(model.StatusLabelCaption().substr(0, 10), "2011-01-10");
    EXPECT_EQ(DayCellsInUse(model), Range(7, 15)); // 1..9 January; the 10th sits in cell 16
    EXPECT_EQ(model.Cells(16).Day, 10);            // filled up to the move, not marked in use
    EXPECT_EQ(model.Cells(30).CnText, "");
    EXPECT_EQ(Labels(model), (std::vector<std::string>{"52", "1", "2", "", "", ""}));
    EXPECT_EQ(model.ChosenCell(), 16);
}

TEST(MonthModel, CellMapAndStrayIndexes) {
    struct {
        int col, row, cell;
    } const map[] = {{1, 1, 1}, {7, 1, 7}, {1, 2, 8}, {2, 6, 37}, {5, 6, 40}, {7, 6, 42},
                     {0, 1, 0}, {8, 3, 0}, {3, 0, 0}, {1, 7, 0},  {-1, -1, 0}};
    for (const auto& m : map) {
        EXPECT_EQ(MonthCalendar::GridToCell(m.col, m.row), m.cell) << m.col << "," << m.row;
        int col = -5, row = -5;
        EXPECT_EQ(MonthCalendar::CellToGrid(m.cell, col, row), m.cell != 0);
        if (m.cell != 0) {
            EXPECT_EQ(col, m.col);
            EXPECT_EQ(row, m.row);
        }
    }
    int col = 0, row = 0;
    EXPECT_FALSE(MonthCalendar::CellToGrid(43, col, row));

    TMonthModel model;
    model.SetDateTime(EncodeDate(2015, 2, 1));
    for (int n : {0, -1, 51, 1000})
        EXPECT_FALSE(model.Cells(n).InUse);
    for (int k : {0, 7})
        EXPECT_EQ(model.WeekNums(k), "");
}

} // namespace
