// tolvane-cal --month: the month calendar's model printed as a grid or as JSON.
#include "CalTool.h"
#include "calendar/MonthModel.h"

#include <array>
#include <string_view>

namespace TolvaneCal {

namespace {

using MonthCalendar::TcnDateInf;
using MonthCalendar::TMonthModel;

constexpr std::array<std::string_view, 7> WeekdayChars{"日", "一", "二", "三", "四", "五", "六"};

constexpr int LabelWidth = 3; // the week label, right-aligned, then a space
constexpr int CellWidth = 8;  // room for four Chinese characters

// Terminal columns of a UTF-8 text: one for ASCII and the like, two for CJK characters (the
// only wide ones the calendar writes).
int DisplayWidth(std::string_view s) {
    int width = 0;
    for (std::size_t i = 0; i < s.size();) {
        const auto lead = static_cast<unsigned char>(s[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        width += length >= 3 ? 2 : 1; // three-byte sequences start at U+0800; all we write are wide
        i += length;
    }
    return width;
}

// Cuts a text that does not fit `width` columns at a character boundary and marks the cut.
std::string Fit(std::string_view s, int width) {
    if (DisplayWidth(s) <= width)
        return std::string(s);
    std::string cut;
    for (std::size_t i = 0; i < s.size();) {
        const auto lead = static_cast<unsigned char>(s[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::string_view next = s.substr(i, length);
        if (DisplayWidth(cut) + DisplayWidth(next) + 1 > width)
            break;
        cut += next;
        i += length;
    }
    return cut + "~";
}

enum class Align { Left, Centre, Right };

std::string Escape(TColor c, Colour colour) {
    if (colour == Colour::None || IsSystemColor(c))
        return {};
    const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    if (colour == Colour::Direct)
        return "\x1b[38;2;" + std::to_string(r) + ';' + std::to_string(g) + ';' + std::to_string(b) + 'm';
    // The nearest step of the 6 x 6 x 6 colour cube (levels 0, 95, 135, 175, 215, 255).
    const auto step = [](int v) { return v < 48 ? 0 : v < 115 ? 1 : (v - 35) / 40; };
    return "\x1b[38;5;" + std::to_string(16 + 36 * step(r) + 6 * step(g) + step(b)) + 'm';
}

constexpr std::string_view Reset = "\x1b[0m";
constexpr std::string_view Reverse = "\x1b[7m";

// Appends `text` aligned in `width` columns, wrapped in `before` and a reset when `before` is
// not empty; the padding stays outside the colour.
void AppendCell(std::string& out, std::string_view text, int width, Align align,
                std::string_view before = {}) {
    const std::string fitted = Fit(text, width);
    const int room = width - DisplayWidth(fitted);
    const int left = align == Align::Left ? 0 : align == Align::Right ? room : room / 2;
    out.append(static_cast<std::size_t>(left), ' ');
    if (!before.empty() && !fitted.empty()) {
        out += before;
        out += fitted;
        out += Reset;
    } else {
        out += fitted;
    }
    out.append(static_cast<std::size_t>(room - left), ' ');
}

void EndLine(std::string& out) {
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    out += '\n';
}

void Build(TMonthModel& model, const CalDate& date) {
    model.SetDateTime(Dates::EncodeDate(date.y, date.m, date.d));
}

} // namespace

void AppendMonth(std::string& out, const CalDate& date, Colour colour) {
    TMonthModel model;
    Build(model, date);

    out += model.YearLabelCaption() + "年" + model.MonthLabelCaption() + "月\n";

    AppendCell(out, "W", LabelWidth, Align::Right);
    out += ' ';
    for (int col = 1; col <= 7; ++col) {
        const bool weekend = col == 1 || col == 7;
        AppendCell(out, WeekdayChars[static_cast<std::size_t>(col - 1)], CellWidth, Align::Centre,
                   weekend ? Escape(clRed, colour) : std::string());
    }
    EndLine(out);

    for (int row = 1; row <= MonthCalendar::WeekRows; ++row) {
        // The numbers line: day numbers, and on the last row the information cells, which meet
        // in the middle as they do in the calendar (the year's name right-aligned, the animal
        // left-aligned).
        AppendCell(out, model.WeekNums(row), LabelWidth, Align::Right);
        out += ' ';
        for (int col = 1; col <= 7; ++col) {
            const int n = MonthCalendar::GridToCell(col, row);
            const TcnDateInf& cell = model.Cells(n);
            if (!cell.InUse) {
                AppendCell(out, "", CellWidth, Align::Centre);
            } else if (n >= MonthCalendar::ConstellationCell) {
                const Align align = n == MonthCalendar::ConstellationCell ? Align::Centre
                                    : n == MonthCalendar::YearGanZhiCell  ? Align::Right
                                                                          : Align::Left;
                AppendCell(out, cell.DayText, CellWidth, align);
            } else {
                const bool chosen = n == model.ChosenCell();
                // Weekday numbers keep the terminal's own colour; the weekend ones are red.
                std::string before = col == 1 || col == 7 ? Escape(cell.DateColor, colour) : std::string();
                if (chosen && colour != Colour::None)
                    before += Reverse;
                const std::string text = !chosen                  ? cell.DayText
                                         : colour != Colour::None ? " " + cell.DayText + " "
                                                                  : "[" + cell.DayText + "]";
                AppendCell(out, text, CellWidth, Align::Centre, before);
            }
        }
        EndLine(out);

        // The Chinese line.
        out.append(LabelWidth + 1, ' ');
        for (int col = 1; col <= 7; ++col) {
            const int n = MonthCalendar::GridToCell(col, row);
            const TcnDateInf& cell = model.Cells(n);
            const bool dayCell = cell.InUse && n <= MonthCalendar::LastDayCell;
            AppendCell(out, dayCell ? cell.CnText : "", CellWidth, Align::Centre,
                       dayCell ? Escape(cell.CnColor, colour) : std::string());
        }
        EndLine(out);
    }
    out += model.StatusLabelCaption();
    out += '\n';
}

void AppendMonthJson(std::string& out, const CalDate& date) {
    TMonthModel model;
    Build(model, date);

    const auto key = [&](std::string_view name) {
        if (out.back() != '{')
            out += ',';
        AppendJsonString(out, name);
        out += ':';
    };
    out += '{';
    key("year");
    out += std::to_string(date.y);
    key("month");
    out += std::to_string(date.m);
    key("day");
    out += std::to_string(date.d);
    key("weekNums");
    out += '[';
    for (int k = 1; k <= MonthCalendar::WeekRows; ++k) {
        if (k > 1)
            out += ',';
        AppendJsonString(out, model.WeekNums(k));
    }
    out += ']';
    key("cells");
    out += '{';
    for (int n = 1; n <= 7 * MonthCalendar::WeekRows; ++n) {
        const TcnDateInf& cell = model.Cells(n);
        key(std::to_string(n));
        out += '{';
        key("inUse");
        out += cell.InUse ? "true" : "false";
        if (cell.InUse) {
            key("dayText");
            AppendJsonString(out, cell.DayText);
            if (n <= MonthCalendar::LastDayCell) {
                key("cnText");
                AppendJsonString(out, cell.CnText);
                key("dateColor");
                out += std::to_string(cell.DateColor);
                key("cnColor");
                out += std::to_string(cell.CnColor);
            }
        }
        out += '}';
    }
    out += '}';
    key("chosenCell");
    out += std::to_string(model.ChosenCell());
    key("yearLabel");
    AppendJsonString(out, model.YearLabelCaption());
    key("monthLabel");
    AppendJsonString(out, model.MonthLabelCaption());
    key("status");
    AppendJsonString(out, model.StatusLabelCaption());
    out += "}\n";
}

} // namespace TolvaneCal
