#include "CalTool.h"

#include "calendar/ChnCalendarUse.h"
#include "calendar/MonthModel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Dates::EncodeDate;

struct Result {
    int status = -1;
    std::string out, err;
};

// The tool as a function, with 10 February 2024 as today.
Result Cal(const QStringList& args) {
    Result r;
    r.status = TolvaneCal::Main(args, EncodeDate(2024, 2, 10) + 0.4, r.out, r.err);
    return r;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    EXPECT_EQ(start, text.size()) << "output ends with a newline";
    return lines;
}

const char* const JsonKeys[] = {
    "date",          "lunarYear",      "lunarMonth",   "lunarDay",   "leap",
    "CnYearNo",      "CnMonthNo",      "CnYearStr",    "CnMonthStr", "CnDayStr",
    "YearGanZhiStr", "MonthGanZhiStr", "DayGanZhiStr", "AnimalStr",  "ConstellationStr",
    "TermStr",       "HolidayStr",     "CnHolidayStr", "EraStr"};

// Parses one line, checking that it is one JSON object with exactly the keys, in their order.
QJsonObject ParseJsonLine(const std::string& line) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
    const QJsonObject object = doc.object();
    EXPECT_EQ(object.size(), static_cast<qsizetype>(std::size(JsonKeys))) << line;
    std::size_t at = 0;
    for (const char* key : JsonKeys) {
        EXPECT_TRUE(object.contains(QLatin1String(key))) << key;
        const std::size_t pos = line.find('"' + std::string(key) + "\":", at);
        EXPECT_NE(pos, std::string::npos) << key << " out of order in " << line;
        at = pos == std::string::npos ? at : pos;
    }
    return object;
}

TEST(TolvaneCal, ReadableBlockShowsEveryTextOfTheDate) {
    const Result r = Cal({"2024-02-10"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "2024-02-10 星期六\n"
                     "农历  甲辰年 正月 初一\n"
                     "干支  甲辰年 丙寅月 甲辰日\n"
                     "生肖  龙\n"
                     "星座  宝瓶座\n"
                     "节日  春节\n");
    // Term, both festivals, the era, a leap month; blocks apart by a blank line.
    const Result more = Cal({"2024-02-04", "2020-10-01", "1948-12-31", "2020-05-23"});
    EXPECT_NE(more.out.find("2024-02-04 星期日\n农历  癸卯年 腊月 廿五\n干支  甲辰年 丙寅月 戊戌日\n"),
              std::string::npos);
    EXPECT_NE(more.out.find("节气  立春\n\n2020-10-01 星期四\n"), std::string::npos);
    EXPECT_NE(more.out.find("节日  国庆节 中秋节\n"), std::string::npos);
    EXPECT_NE(more.out.find("纪年  [近、现代]中华民国  民国38年\n"), std::string::npos);
    EXPECT_NE(more.out.find("农历  庚子年 闰四月 初一\n"), std::string::npos);
    EXPECT_EQ(more.out.find("纪年", more.out.find("2020-05-23")), std::string::npos);
}

TEST(TolvaneCal, TodayWhenNoDateIsGiven) {
    EXPECT_EQ(Cal({}).out.rfind("2024-02-10 星期六\n", 0), 0u);
    EXPECT_EQ(Cal({"--json"}).out.rfind("{\"date\":\"2024-02-10\"", 0), 0u);
}

TEST(TolvaneCal, JsonHoldsTheTextsOfOneFreshCompute) {
    for (const auto& [text, y, m, d] : {std::tuple{"2020-05-23", 2020, 5, 23},
                                        {"1949-01-20", 1949, 1, 20},
                                        {"0001-01-01", 1, 1, 1},
                                        {"2100-12-31", 2100, 12, 31}}) {
        SCOPED_TRACE(text);
        const Result r = Cal({"--json", text});
        ASSERT_EQ(r.status, 0);
        const std::vector<std::string> lines = Lines(r.out);
        ASSERT_EQ(lines.size(), 1u);
        const QJsonObject o = ParseJsonLine(lines[0]);
        ChnCalendarUse::TChnCal c;
        c.Compute(EncodeDate(y, m, d));
        int ly = 0, lm = 0, ld = 0;
        bool leap = false;
        ASSERT_TRUE(ChnCalendarUse::GetCnDate(EncodeDate(y, m, d), ly, lm, ld, leap));
        EXPECT_EQ(o["date"].toString(), QString::fromLatin1(text));
        EXPECT_EQ(o["lunarYear"].toInt(), ly);
        EXPECT_EQ(o["lunarMonth"].toInt(), lm);
        EXPECT_EQ(o["lunarDay"].toInt(), ld);
        EXPECT_EQ(o["leap"].toBool(), leap);
        EXPECT_TRUE(o["leap"].isBool());
        EXPECT_EQ(o["CnYearNo"].toInt(), c.CnYearNo);
        EXPECT_EQ(o["CnMonthNo"].toInt(), c.CnMonthNo);
        const std::pair<const char*, const std::string*> texts[] = {{"CnYearStr", &c.CnYearStr},
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
                                                                    {"EraStr", &c.EraStr}};
        for (const auto& [key, value] : texts)
            EXPECT_EQ(o[QLatin1String(key)].toString().toStdString(), *value) << key;
    }
    EXPECT_NE(Cal({"--json", "2020-05-23"})
                  .out.find("\"leap\":true,\"CnYearNo\":2020,\"CnMonthNo\":4,"
                            "\"CnYearStr\":\"2020\",\"CnMonthStr\":\"闰四\""),
              std::string::npos);
}

TEST(TolvaneCal, RangeGivesEveryDayAndSkipsTheDaysOfTheCalendarChange) {
    const Result json = Cal({"--json", "--from", "1582-10-01", "--to", "1582-10-17"});
    ASSERT_EQ(json.status, 0);
    std::vector<QString> dates;
    for (const std::string& line : Lines(json.out))
        dates.push_back(ParseJsonLine(line)["date"].toString());
    const std::vector<QString> expected{"1582-10-01", "1582-10-02", "1582-10-03", "1582-10-04",
                                        "1582-10-15", "1582-10-16", "1582-10-17"};
    EXPECT_EQ(dates, expected);

    const Result readable = Cal({"--from", "2024-02-28", "--to", "2024-03-01"});
    EXPECT_EQ(readable.out.find("2024-02-28"), 0u);
    EXPECT_NE(readable.out.find("\n\n2024-02-29 "), std::string::npos);
    EXPECT_NE(readable.out.find("\n\n2024-03-01 "), std::string::npos);
    EXPECT_EQ(Lines(Cal({"--json", "--from", "2024-03-01", "--to", "2024-03-01"}).out).size(), 1u);
}

TEST(TolvaneCal, LunarDateGivesItsGregorianDate) {
    for (const auto& [args, date] : {std::pair{QStringList{"--lunar", "2024-01-01"}, "2024-02-10"},
                                     {QStringList{"--lunar", "2020-04-01", "--leap"}, "2020-05-23"},
                                     {QStringList{"--lunar", "2020-04-01"}, "2020-04-23"},
                                     {QStringList{"--lunar", "2023-02-30"}, "2023-03-21"},
                                     {QStringList{"--json", "--lunar=1948-12-30"}, "1949-01-28"}}) {
        const Result r = Cal(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find(date), std::string::npos) << args.join(' ').toStdString() << '\n' << r.out;
    }
}

TEST(TolvaneCal, BadInputNamesTheArgumentAndWritesNothing) {
    const std::pair<QStringList, const char*> cases[] = {
        {{"2023-02-29"}, "2023-02-29: no such date"},
        {{"2024-13-01"}, "2024-13-01: no such date"},
        {{"1582-10-10"}, "1582-10-10: no such date (skipped when the Gregorian calendar began)"},
        {{"2024-02-10", "2101-01-01"}, "2101-01-01: year outside 1 to 2100"},
        {{"0-01-01"}, "0-01-01: year outside 1 to 2100"},
        {{"123456789012-01-01"}, "123456789012-01-01: not a date (use YYYY-MM-DD)"},
        {{"2024/02/10"}, "2024/02/10: not a date (use YYYY-MM-DD)"},
        {{"--from", "2021-01-01", "--to", "2020-12-31"}, "--to 2020-12-31: before --from 2021-01-01"},
        {{"--from", "2021-01-01", "--to", "2101-01-01"}, "--to 2101-01-01: year outside 1 to 2100"},
        {{"--from", "2021-01-01"}, "--from: needs --to"},
        {{"--to", "2021-01-01"}, "--to: needs --from"},
        {{"--from", "2021-01-01", "--to", "2021-01-02", "2021-01-01"},
         "2021-01-01: no dates besides a range"},
        {{"--from", "2021-01-01", "--from", "2021-01-02", "--to", "2021-01-03"},
         "--from: given more than once"},
        {{"--lunar", "2024-12-30"}, "--lunar 2024-12-30: no Gregorian date has this lunar date"},
        {{"--lunar", "2024-03-01", "--leap"},
         "--lunar 2024-03-01 --leap: no Gregorian date has this lunar date"},
        {{"--lunar", "2024-13-01"}, "--lunar 2024-13-01: no Gregorian date has this lunar date"},
        {{"--lunar", "2101-01-01"}, "--lunar 2101-01-01: year outside 1 to 2100"},
        {{"--lunar", "2024-01-01", "2024-01-01"}, "--lunar: takes no other dates and no range"},
        {{"--leap", "2024-01-01"}, "--leap: only together with --lunar"},
        {{"--frobnicate"}, "--frobnicate: unknown option"},
        {{"-x"}, "-x: unknown option"},
        {{"--from"}, "Missing value after '--from'."},
        {{"--month", "2024-13"}, "--month 2024-13: no such month"},
        {{"--month", "2024-00-01"}, "--month 2024-00-01: no such month"},
        {{"--month", "2101-01"}, "--month 2101-01: year outside 1 to 2100"},
        {{"--month", "0-12-31"}, "--month 0-12-31: year outside 1 to 2100"},
        {{"--month", "2023-02-29"}, "--month 2023-02-29: no such date"},
        {{"--month", "2024-04-31"}, "--month 2024-04-31: no such date"},
        {{"--month", "2024"}, "--month 2024: not a month (use YYYY-MM or YYYY-MM-DD)"},
        {{"--month", "2024-02-"}, "--month 2024-02-: not a month (use YYYY-MM or YYYY-MM-DD)"},
        {{"--month", "2024-02", "2024-02-03"}, "--month: takes no other dates and no range"},
        {{"--month", "2024-02", "--lunar", "2024-01-01"}, "--month: takes no other dates and no range"},
        {{"--month", "2024-01", "--month", "2024-02"}, "--month: given more than once"},
        {{"--month", "2024-02", "--leap"}, "--leap: only together with --lunar"},
    };
    for (const auto& [args, message] : cases) {
        const Result r = Cal(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, std::string("tolvane-cal: ") + message + "\n");
    }
}

// February 2015 begins on a Sunday: its four day rows are followed by a row with only the week
// label 9 and the last row with the information cells; the chosen day is marked.
TEST(TolvaneCal, MonthGridInTheTerminal) {
    const Result r = Cal({"--month", "2015-02-14"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "2015年2月\n"
                     "  W    日      一      二      三      四      五      六\n"
                     "  5    1       2       3       4       5       6       7\n"
                     "      十三    十四    十五    立春    十七    十八    十九\n"
                     "  6    8       9       10      11      12      13     [14]\n"
                     "      二十    廿一    廿二    廿三    廿四    廿五   情人节\n"
                     "  7    15      16      17      18      19      20      21\n"
                     "      廿七    廿八    廿九    除夕    春节    初二    初三\n"
                     "  8    22      23      24      25      26      27      28\n"
                     "      初四    初五    初六    初七    初八    初九    初十\n"
                     "  9\n"
                     "\n"
                     "                                      宝瓶      乙未马年\n"
                     "\n"
                     "2015-02-14 农历腊月廿六\n");
    // Day 1 when none is given.
    EXPECT_NE(Cal({"--month", "2015-02"}).out.find("  5   [1]      2"), std::string::npos);
}

// With a terminal that takes colour, the weekend numbers are red, each Chinese line has its
// colour (the solar term light blue, the festival orange, the day names green) and the chosen
// day is shown in reverse; the weekday numbers keep the terminal's colour.
TEST(TolvaneCal, MonthGridColoursOnlyForAColourTerminal) {
    std::string out, err;
    ASSERT_EQ(TolvaneCal::Main({"--month", "2015-02-14"}, 0.0, out, err, TolvaneCal::Colour::Direct), 0);
    EXPECT_NE(out.find("  5    \x1b[38;2;255;0;0m1\x1b[0m       2       3"), std::string::npos);
    EXPECT_NE(out.find("\x1b[38;2;0;128;0m十三\x1b[0m"), std::string::npos);
    EXPECT_NE(out.find("\x1b[38;2;83;83;255m立春\x1b[0m"), std::string::npos);
    EXPECT_NE(out.find("\x1b[38;2;255;128;0m情人节\x1b[0m"), std::string::npos);
    EXPECT_NE(out.find("\x1b[38;2;255;0;0m\x1b[7m 14 \x1b[0m"), std::string::npos);

    out.clear();
    ASSERT_EQ(TolvaneCal::Main({"--month", "2015-02-14"}, 0.0, out, err, TolvaneCal::Colour::Palette), 0);
    EXPECT_NE(out.find("\x1b[38;5;196m1\x1b[0m"), std::string::npos);
    EXPECT_NE(out.find("\x1b[38;5;28m十三\x1b[0m"), std::string::npos);

    EXPECT_EQ(Cal({"--month", "2015-02-14"}).out.find('\x1b'), std::string::npos);
    // JSON never carries colour codes.
    out.clear();
    TolvaneCal::Main({"--json", "--month", "2015-02-14"}, 0.0, out, err, TolvaneCal::Colour::Direct);
    EXPECT_EQ(out.find('\x1b'), std::string::npos);
}

// The JSON object holds the model of the month cell by cell: its keys in order, every cell
// 1 to 42, and the texts and colours a model built for the same day has.
TEST(TolvaneCal, MonthJsonHoldsTheModel) {
    for (const auto& [arg, y, m, d] :
         {std::tuple{"2011-01-15", 2011, 1, 15}, {"2015-02", 2015, 2, 1}, {"1948-06-03", 1948, 6, 3}}) {
        SCOPED_TRACE(arg);
        const Result r = Cal({"--json", "--month", arg});
        ASSERT_EQ(r.status, 0);
        const std::vector<std::string> lines = Lines(r.out);
        ASSERT_EQ(lines.size(), 1u);
        QJsonParseError error{};
        const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(lines[0]), &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError);
        const char* const keys[] = {"year",       "month",     "day",        "weekNums", "cells",
                                    "chosenCell", "yearLabel", "monthLabel", "status"};
        EXPECT_EQ(o.size(), static_cast<qsizetype>(std::size(keys)));
        std::size_t at = 0;
        for (const char* key : keys) {
            const std::size_t pos = lines[0].find('"' + std::string(key) + "\":", at);
            ASSERT_NE(pos, std::string::npos) << key << " missing or out of order";
            at = pos;
        }

        MonthCalendar::TMonthModel model;
        model.SetDateTime(EncodeDate(y, m, d));
        EXPECT_EQ(o["year"].toInt(), y);
        EXPECT_EQ(o["month"].toInt(), m);
        EXPECT_EQ(o["day"].toInt(), d);
        const QJsonArray weeks = o["weekNums"].toArray();
        ASSERT_EQ(weeks.size(), 6);
        for (int k = 1; k <= 6; ++k)
            EXPECT_EQ(weeks[k - 1].toString().toStdString(), model.WeekNums(k));
        const QJsonObject cells = o["cells"].toObject();
        ASSERT_EQ(cells.size(), 42);
        for (int n = 1; n <= 42; ++n) {
            const MonthCalendar::TcnDateInf& cell = model.Cells(n);
            const QJsonObject c = cells[QString::number(n)].toObject();
            ASSERT_TRUE(c["inUse"].isBool()) << n;
            EXPECT_EQ(c["inUse"].toBool(), cell.InUse) << n;
            const bool dayCell = cell.InUse && n <= 37;
            EXPECT_EQ(c.size(), !cell.InUse ? 1 : dayCell ? 5 : 2) << n;
            if (cell.InUse) {
                EXPECT_EQ(c["dayText"].toString().toStdString(), cell.DayText) << n;
            }
            if (dayCell) {
                EXPECT_EQ(c["cnText"].toString().toStdString(), cell.CnText) << n;
                EXPECT_EQ(c["dateColor"].toInt(), cell.DateColor) << n;
                EXPECT_EQ(c["cnColor"].toInt(), cell.CnColor) << n;
            }
        }
        EXPECT_EQ(o["chosenCell"].toInt(), model.ChosenCell());
        EXPECT_EQ(o["yearLabel"].toString().toStdString(), model.YearLabelCaption());
        EXPECT_EQ(o["monthLabel"].toString().toStdString(), model.MonthLabelCaption());
        EXPECT_EQ(o["status"].toString().toStdString(), model.StatusLabelCaption());
    }
    // Spot checks that do not lean on the model: January 2011 from cell 7 to cell 37.
    const QJsonObject jan =
        QJsonDocument::fromJson(QByteArray::fromStdString(Cal({"--json", "--month", "2011-01-15"}).out))
            .object();
    EXPECT_EQ(jan["cells"].toObject()["7"].toObject()["cnText"].toString(), QStringLiteral("元旦节"));
    EXPECT_EQ(jan["cells"].toObject()["7"].toObject()["dateColor"].toInt(), 255);
    EXPECT_EQ(jan["cells"].toObject()["37"].toObject()["dayText"].toString(), QStringLiteral("31"));
    EXPECT_FALSE(jan["cells"].toObject()["6"].toObject()["inUse"].toBool());
    EXPECT_EQ(jan["cells"].toObject()["42"].toObject()["dayText"].toString(), QStringLiteral("虎年"));
    EXPECT_EQ(jan["chosenCell"].toInt(), 21);
    EXPECT_EQ(jan["status"].toString(), QStringLiteral("2011-01-15 农历腊月十二"));
}

// The built program: UTF-8 on standard output, errors on standard error, the exit statuses.
TEST(TolvaneCal, BuiltProgramWritesUtf8AndExitsWithTwoOnBadInput) {
    QProcess p;
    p.start(QStringLiteral(TOLVANE_CAL_PATH), {"--json", "--from", "2024-02-09", "--to", "2024-02-10"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0);
    const QList<QByteArray> lines = p.readAllStandardOutput().split('\n');
    ASSERT_EQ(lines.size(), 3); // two lines and the empty rest after the last newline
    EXPECT_EQ(QJsonDocument::fromJson(lines[0]).object()["CnHolidayStr"].toString(), QStringLiteral("除夕"));
    EXPECT_EQ(QJsonDocument::fromJson(lines[1]).object()["CnHolidayStr"].toString(), QStringLiteral("春节"));
    EXPECT_TRUE(p.readAllStandardError().isEmpty());

    p.start(QStringLiteral(TOLVANE_CAL_PATH), {"2024-02-30"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_TRUE(p.readAllStandardOutput().isEmpty());
    EXPECT_EQ(p.readAllStandardError(), QByteArray("tolvane-cal: 2024-02-30: no such date\n"));

    // A pipe takes no colour, whatever the terminal variables say.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TERM"), QStringLiteral("xterm-256color"));
    env.insert(QStringLiteral("COLORTERM"), QStringLiteral("truecolor"));
    env.remove(QStringLiteral("NO_COLOR"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TOLVANE_CAL_PATH), {"--month", "2015-02"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0);
    const QByteArray month = p.readAllStandardOutput();
    EXPECT_TRUE(month.startsWith("2015年2月\n"));
    EXPECT_FALSE(month.contains('\x1b'));

    p.start(QStringLiteral(TOLVANE_CAL_PATH), {"--help"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_TRUE(p.readAllStandardOutput().contains("--lunar"));
}

} // namespace
