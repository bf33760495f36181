// tolvane-cal: the date information of the calendar as text, for terminals and scripts.
//
// The command line is read into a Request by ParseArguments; Run then writes the output of the
// request's mode. Both are plain functions so that tests drive them without a process. A new
// mode is a Mode value, its options in ParseArguments and its case in Run.
#pragma once

#include "calendar/DateTime.h"

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

namespace TolvaneCal {

// A date as the calendar engine numbers it: Gregorian from 15 October 1582, Julian before.
struct CalDate {
    int y = 0, m = 0, d = 0;
    bool operator==(const CalDate&) const = default;
};

// The years the tool (like the calendar controls) accepts.
inline constexpr int FirstYear = 1;
inline constexpr int LastYear = 2100;

enum class Mode {
    Dates, // the dates given, or today
    Range, // --from ... --to ...
    Lunar, // --lunar Y-M-D [--leap]
    Month, // --month Y-M[-D]: the month calendar of that day (day 1 when none)
    Help,
    Version,
};

// How the readable month output may be coloured: not at all, with the 256-colour palette, or
// with 24-bit colours. main picks it from the terminal behind standard output.
enum class Colour {
    None,
    Palette,
    Direct,
};

struct Request {
    Mode mode = Mode::Dates;
    bool json = false;
    Colour colour = Colour::None;
    std::vector<CalDate> dates; // Dates: as given (empty: today); Lunar: the Gregorian date found;
                                // Month: the chosen day
    CalDate from, to;           // Range
    QString helpText;           // Help
};

// Reads a date "YYYY-MM-DD" the tool accepts: it exists, lies in the years 1 to 2100 and is not
// one of the ten days of October 1582 that the calendar change skipped. On failure `error` says
// why, without naming the text.
bool ParseDate(const QString& text, CalDate& date, QString& error);

// Reads the arguments (without the program name). On failure returns false with `error`, one
// line that names the bad argument.
bool ParseArguments(const QStringList& args, TDateTime today, Request& request, QString& error);

// Appends the readable block of one date: Gregorian date and weekday, lunar date, sexagenary
// names, zodiac animal, constellation, and the term, festivals and era where there are any.
void AppendBlock(std::string& out, const CalDate& date);
// Appends one JSON object and a newline.
void AppendJsonLine(std::string& out, const CalDate& date);

// Appends the month calendar of `date`'s month with `date` chosen, as the month calendar lays it
// out: title, weekday header, six week rows with their week labels, day numbers and Chinese
// lines, the information cells and the status line. Colours only when `colour` says so.
void AppendMonth(std::string& out, const CalDate& date, Colour colour);
// Appends the same month as one JSON object and a newline.
void AppendMonthJson(std::string& out, const CalDate& date);

// A JSON string: quotes, backslashes and control characters escaped; UTF-8 passes through.
void AppendJsonString(std::string& out, std::string_view s);

// Writes the request's output to `out`.
void Run(const Request& request, std::string& out);

// The whole command: arguments to output, error line and exit status (0, or 2 for bad input).
// `colour` is what standard output takes; only the readable month output uses it.
int Main(const QStringList& args, TDateTime today, std::string& out, std::string& err,
         Colour colour = Colour::None);

} // namespace TolvaneCal
