// The command line of tolvane-cal, read into a Request.
#include "CalTool.h"
#include "calendar/CnCalendar.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace TolvaneCal {

namespace {

struct Numbers {
    long long y = 0, m = 0, d = 0;
};

// "Y-M-D" in decimal digits; the year of up to nine digits so that it converts safely and a
// long year reads as out of range rather than as no date.
bool SplitDate(const QString& text, Numbers& n) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,9})-(\\d{1,2})-(\\d{1,2})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    n.y = match.captured(1).toLongLong();
    n.m = match.captured(2).toLongLong();
    n.d = match.captured(3).toLongLong();
    return true;
}

QString YearRangeError() {
    return QStringLiteral("year outside %1 to %2").arg(FirstYear).arg(LastYear);
}

void Fail(QString& error, const QString& argument, const QString& why) {
    error = argument + QStringLiteral(": ") + why;
}

// A lunar date "Y-M-D" [leap] to the Gregorian date that has it.
bool ParseLunar(const QString& text, bool leap, CalDate& date, QString& error) {
    const QString argument =
        QStringLiteral("--lunar ") + text + (leap ? QStringLiteral(" --leap") : QString());
    Numbers n;
    if (!SplitDate(text, n)) {
        Fail(error, argument, QStringLiteral("not a lunar date (use YEAR-MONTH-DAY)"));
        return false;
    }
    if (n.y < FirstYear || n.y > LastYear) {
        Fail(error, argument, YearRangeError());
        return false;
    }
    int y = 0, m = 0, d = 0;
    if (n.m < 1 || n.m > 12 || n.d < 1 || n.d > 30 ||
        !CnCalendar::LunarToSolar(static_cast<int>(n.y), static_cast<int>(n.m), static_cast<int>(n.d), leap,
                                  y, m, d)) {
        Fail(error, argument, QStringLiteral("no Gregorian date has this lunar date"));
        return false;
    }
    TDateTime t = 0.0;
    if (y < FirstYear || y > LastYear) {
        Fail(error, argument,
             QStringLiteral("falls on %1-%2-%3, outside the years %4 to %5")
                 .arg(y)
                 .arg(m, 2, 10, QLatin1Char('0'))
                 .arg(d, 2, 10, QLatin1Char('0'))
                 .arg(FirstYear)
                 .arg(LastYear));
        return false;
    }
    if (!Dates::TryEncodeDate(y, m, d, t)) {
        // A Julian leap day of a century year (1500-02-29) has no place in the date type.
        Fail(error, argument,
             QStringLiteral("falls on the Julian date %1-02-29, which the tool cannot show").arg(y));
        return false;
    }
    date = {y, m, d};
    return true;
}

// "Y-M" or "Y-M-D" for --month: any day of the years 1 to 2100 that the month calendar shows,
// the ten days of October 1582 included (the calendar lays its months out by the Gregorian
// rule throughout). Day 1 when none is given.
bool ParseMonth(const QString& text, CalDate& date, QString& error) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,9})-(\\d{1,2})(?:-(\\d{1,2}))?$"));
    const QString argument = QStringLiteral("--month ") + text;
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) {
        Fail(error, argument, QStringLiteral("not a month (use YYYY-MM or YYYY-MM-DD)"));
        return false;
    }
    const long long y = match.captured(1).toLongLong();
    const int m = match.captured(2).toInt();
    const int d = match.captured(3).isEmpty() ? 1 : match.captured(3).toInt();
    if (y < FirstYear || y > LastYear) {
        Fail(error, argument, YearRangeError());
        return false;
    }
    if (m < 1 || m > 12) {
        Fail(error, argument, QStringLiteral("no such month"));
        return false;
    }
    TDateTime t = 0.0;
    if (!Dates::TryEncodeDate(static_cast<int>(y), m, d, t)) {
        Fail(error, argument, QStringLiteral("no such date"));
        return false;
    }
    date = {static_cast<int>(y), m, d};
    return true;
}

} // namespace

bool ParseDate(const QString& text, CalDate& date, QString& error) {
    Numbers n;
    if (!SplitDate(text, n)) {
        error = QStringLiteral("not a date (use YYYY-MM-DD)");
        return false;
    }
    if (n.y < FirstYear || n.y > LastYear) {
        error = YearRangeError();
        return false;
    }
    const int y = static_cast<int>(n.y), m = static_cast<int>(n.m), d = static_cast<int>(n.d);
    TDateTime t = 0.0;
    if (!Dates::TryEncodeDate(y, m, d, t)) {
        error = QStringLiteral("no such date");
        return false;
    }
    if (CnCalendar::CalendarKind(y, m, d) == 0) {
        error = QStringLiteral("no such date (skipped when the Gregorian calendar began)");
        return false;
    }
    date = {y, m, d};
    return true;
}

bool ParseArguments(const QStringList& args, TDateTime today, Request& request, QString& error) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows the Chinese calendar information of dates: lunar date, stem-branch names, "
                       "zodiac animal, constellation, solar term, festivals and historical era."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Show the version."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("One JSON object per line per date."));
    const QCommandLineOption from(
        QStringLiteral("from"), QStringLiteral("First day of a range (YYYY-MM-DD)."), QStringLiteral("DATE"));
    const QCommandLineOption to(QStringLiteral("to"), QStringLiteral("Last day of a range (YYYY-MM-DD)."),
                                QStringLiteral("DATE"));
    const QCommandLineOption lunar(
        QStringLiteral("lunar"), QStringLiteral("Show the Gregorian date of a lunar date (YEAR-MONTH-DAY)."),
        QStringLiteral("DATE"));
    const QCommandLineOption leap(QStringLiteral("leap"),
                                  QStringLiteral("With --lunar: the month is a leap month."));
    const QCommandLineOption month(
        QStringLiteral("month"),
        QStringLiteral(
            "Show the month calendar of a month (YYYY-MM), or of a day chosen in it (YYYY-MM-DD)."),
        QStringLiteral("MONTH"));
    parser.addOptions({help, version, json, from, to, lunar, leap, month});
    parser.addPositionalArgument(
        QStringLiteral("DATE"),
        QStringLiteral("Dates to show (YYYY-MM-DD, years 1 to 2100); today when none."),
        QStringLiteral("[DATE...]"));

    if (!parser.parse(QStringList{QStringLiteral("tolvane-cal")} + args)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString& name = unknown.first();
            error = (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name +
                    QStringLiteral(": unknown option");
        } else {
            error = parser.errorText();
        }
        return false;
    }
    request = Request{};
    if (parser.isSet(help)) {
        request.mode = Mode::Help;
        request.helpText = parser.helpText();
        return true;
    }
    if (parser.isSet(version)) {
        request.mode = Mode::Version;
        return true;
    }
    for (const QCommandLineOption* option : {&from, &to, &lunar, &month}) {
        if (parser.values(*option).size() > 1) {
            error = QStringLiteral("--") + option->names().constFirst() +
                    QStringLiteral(": given more than once");
            return false;
        }
    }
    request.json = parser.isSet(json);
    const QStringList positional = parser.positionalArguments();

    if (parser.isSet(leap) && !parser.isSet(lunar)) {
        error = QStringLiteral("--leap: only together with --lunar");
        return false;
    }
    if (parser.isSet(month)) {
        if (parser.isSet(lunar) || parser.isSet(from) || parser.isSet(to) || !positional.isEmpty()) {
            error = QStringLiteral("--month: takes no other dates and no range");
            return false;
        }
        CalDate date;
        if (!ParseMonth(parser.value(month), date, error))
            return false;
        request.mode = Mode::Month;
        request.dates = {date};
        return true;
    }
    if (parser.isSet(lunar)) {
        if (parser.isSet(from) || parser.isSet(to) || !positional.isEmpty()) {
            error = QStringLiteral("--lunar: takes no other dates and no range");
            return false;
        }
        CalDate date;
        if (!ParseLunar(parser.value(lunar), parser.isSet(leap), date, error))
            return false;
        request.mode = Mode::Lunar;
        request.dates = {date};
        return true;
    }
    if (parser.isSet(from) || parser.isSet(to)) {
        if (!parser.isSet(from) || !parser.isSet(to)) {
            error = parser.isSet(from) ? QStringLiteral("--from: needs --to")
                                       : QStringLiteral("--to: needs --from");
            return false;
        }
        if (!positional.isEmpty()) {
            error = positional.first() + QStringLiteral(": no dates besides a range");
            return false;
        }
        QString why;
        if (!ParseDate(parser.value(from), request.from, why)) {
            error = QStringLiteral("--from ") + parser.value(from) + QStringLiteral(": ") + why;
            return false;
        }
        if (!ParseDate(parser.value(to), request.to, why)) {
            error = QStringLiteral("--to ") + parser.value(to) + QStringLiteral(": ") + why;
            return false;
        }
        if (Dates::EncodeDate(request.to.y, request.to.m, request.to.d) <
            Dates::EncodeDate(request.from.y, request.from.m, request.from.d)) {
            error = QStringLiteral("--to ") + parser.value(to) + QStringLiteral(": before --from ") +
                    parser.value(from);
            return false;
        }
        request.mode = Mode::Range;
        return true;
    }

    request.mode = Mode::Dates;
    for (const QString& text : positional) {
        CalDate date;
        QString why;
        if (!ParseDate(text, date, why)) {
            error = text + QStringLiteral(": ") + why;
            return false;
        }
        request.dates.push_back(date);
    }
    if (request.dates.empty()) {
        int y = 0, m = 0, d = 0;
        if (!Dates::DecodeDate(today, y, m, d) || y > LastYear) {
            error = QStringLiteral("today: ") + YearRangeError();
            return false;
        }
        request.dates.push_back({y, m, d});
    }
    return true;
}

} // namespace TolvaneCal
