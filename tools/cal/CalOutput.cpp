// What tolvane-cal writes: a readable block or a JSON line per date.
#include "CalTool.h"
#include "calendar/ChnCalendarUse.h"
#include "calendar/CnCalendar.h"

#include <array>
#include <charconv>
#include <string_view>

namespace TolvaneCal {

namespace {

using ChnCalendarUse::TChnCal;

// Everything shown about one date. The texts are those of one Compute on a fresh TChnCal, so the
// cached year and month texts belong to the date itself.
struct DayInfo {
    CalDate date;
    int lunarYear = 0, lunarMonth = 0, lunarDay = 0;
    bool leap = false;
    bool hasLunar = false;
    TChnCal cal;
};

DayInfo Describe(const CalDate& date) {
    DayInfo info;
    info.date = date;
    const TDateTime t = Dates::EncodeDate(date.y, date.m, date.d);
    info.hasLunar = ChnCalendarUse::GetCnDate(t, info.lunarYear, info.lunarMonth, info.lunarDay, info.leap);
    info.cal.Compute(t);
    return info;
}

void AppendInt(std::string& out, long long value) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
}

void AppendPadded(std::string& out, int value, int width) {
    const std::size_t start = out.size();
    AppendInt(out, value);
    const std::size_t written = out.size() - start;
    if (written < static_cast<std::size_t>(width))
        out.insert(start, static_cast<std::size_t>(width) - written, '0');
}

void AppendIsoDate(std::string& out, const CalDate& date) {
    AppendPadded(out, date.y, 4);
    out += '-';
    AppendPadded(out, date.m, 2);
    out += '-';
    AppendPadded(out, date.d, 2);
}

// The weekday of the date as the engine reads it (a Julian date before 15 October 1582), from
// its day number: day 0 of that count is a Sunday. 0 = Sunday ... 6 = Saturday.
int WeekdayOf(const CalDate& date) {
    const int n = CnCalendar::FixedDay(date.y, date.m, date.d);
    return ((n % 7) + 7) % 7;
}

constexpr std::array<std::string_view, 7> WeekdayNames{"星期日", "星期一", "星期二", "星期三",
                                                       "星期四", "星期五", "星期六"};

void AppendKey(std::string& out, std::string_view key) {
    if (out.back() != '{')
        out += ',';
    AppendJsonString(out, key);
    out += ':';
}

void AppendLine(std::string& out, std::string_view label, std::string_view text) {
    out += label;
    out += "  ";
    out += text;
    out += '\n';
}

} // namespace

void AppendJsonString(std::string& out, std::string_view s) {
    static constexpr char Hex[] = "0123456789abcdef";
    out += '"';
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            out += "\\u00";
            out += Hex[u >> 4];
            out += Hex[u & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

void AppendBlock(std::string& out, const CalDate& date) {
    const DayInfo info = Describe(date);
    const TChnCal& c = info.cal;
    AppendIsoDate(out, date);
    out += ' ';
    out += WeekdayNames[static_cast<std::size_t>(WeekdayOf(date))];
    out += '\n';
    if (info.hasLunar) {
        // The lunar year's own stem-branch name; YearGanZhiStr changes at 立春 instead. Lunar year
        // 0 (early in AD 1) is the year before AD 1, which the sexagenary count calls -1.
        std::string words =
            CnCalendar::GanZhiName(CnCalendar::GanZhiOfYear(info.lunarYear == 0 ? -1 : info.lunarYear));
        words += "年 ";
        words += ChnCalendarUse::CnMonthName(info.lunarMonth, info.leap);
        if (info.leap)
            words += "月";
        words += ' ';
        words += c.CnDayStr;
        AppendLine(out, "农历", words);
        AppendLine(out, "干支", c.YearGanZhiStr + "年 " + c.MonthGanZhiStr + "月 " + c.DayGanZhiStr + "日");
        AppendLine(out, "生肖", c.AnimalStr);
    }
    AppendLine(out, "星座", c.ConstellationStr + "座");
    if (!c.TermStr.empty())
        AppendLine(out, "节气", c.TermStr);
    std::string festivals = c.HolidayStr;
    if (!c.CnHolidayStr.empty())
        festivals += (festivals.empty() ? "" : " ") + c.CnHolidayStr;
    if (!festivals.empty())
        AppendLine(out, "节日", festivals);
    if (!c.EraStr.empty())
        AppendLine(out, "纪年", c.EraStr);
}

void AppendJsonLine(std::string& out, const CalDate& date) {
    const DayInfo info = Describe(date);
    const TChnCal& c = info.cal;
    out += '{';
    AppendKey(out, "date");
    out += '"';
    AppendIsoDate(out, date);
    out += '"';
    AppendKey(out, "lunarYear");
    AppendInt(out, info.lunarYear);
    AppendKey(out, "lunarMonth");
    AppendInt(out, info.lunarMonth);
    AppendKey(out, "lunarDay");
    AppendInt(out, info.lunarDay);
    AppendKey(out, "leap");
    out += info.leap ? "true" : "false";
    AppendKey(out, "CnYearNo");
    AppendInt(out, c.CnYearNo);
    AppendKey(out, "CnMonthNo");
    AppendInt(out, c.CnMonthNo);
    const std::pair<std::string_view, const std::string*> texts[] = {
        {"CnYearStr", &c.CnYearStr},
        {"CnMonthStr", &c.CnMonthStr},
        {"CnDayStr", &c.CnDayStr},
        {"YearGanZhiStr", &c.YearGanZhiStr},
        {"MonthGanZhiStr", &c.MonthGanZhiStr},
        {"DayGanZhiStr", &c.DayGanZhiStr},
        {"AnimalStr", &c.AnimalStr},
        {"ConstellationStr", &c.ConstellationStr},
        {"TermStr", &c.TermStr},
        {"HolidayStr", &c.HolidayStr},
        {"CnHolidayStr", &c.CnHolidayStr},
        {"EraStr", &c.EraStr},
    };
    for (const auto& [key, text] : texts) {
        AppendKey(out, key);
        AppendJsonString(out, *text);
    }
    out += "}\n";
}

void Run(const Request& request, std::string& out) {
    const auto write = [&](const CalDate& date, bool first) {
        if (request.json) {
            AppendJsonLine(out, date);
        } else {
            if (!first)
                out += '\n';
            AppendBlock(out, date);
        }
    };
    switch (request.mode) {
    case Mode::Help:
        out += request.helpText.toStdString();
        break;
    case Mode::Version:
        out += "tolvane-cal " TOLVANE_VERSION "\n";
        break;
    case Mode::Month:
        if (request.json)
            AppendMonthJson(out, request.dates.front());
        else
            AppendMonth(out, request.dates.front(), request.colour);
        break;
    case Mode::Dates:
    case Mode::Lunar:
        for (std::size_t i = 0; i < request.dates.size(); ++i)
            write(request.dates[i], i == 0);
        break;
    case Mode::Range: {
        const TDateTime last = Dates::EncodeDate(request.to.y, request.to.m, request.to.d);
        bool first = true;
        for (TDateTime t = Dates::EncodeDate(request.from.y, request.from.m, request.from.d); t <= last;
             t += 1.0) {
            CalDate date;
            Dates::DecodeDate(t, date.y, date.m, date.d);
            // The ten days that the calendar change skipped in October 1582 have no lunar date.
            if (CnCalendar::CalendarKind(date.y, date.m, date.d) == 0)
                continue;
            write(date, first);
            first = false;
        }
        break;
    }
    }
}

int Main(const QStringList& args, TDateTime today, std::string& out, std::string& err, Colour colour) {
    Request request;
    QString error;
    if (!ParseArguments(args, today, request, error)) {
        err = "tolvane-cal: " + error.toStdString() + "\n";
        return 2;
    }
    request.colour = colour;
    Run(request, out);
    return 0;
}

} // namespace TolvaneCal
