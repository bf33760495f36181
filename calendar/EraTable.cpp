#include "calendar/EraTable.h"

#include <charconv>
#include <optional>

namespace ChnCalendarUse {

namespace {

bool IsTrimmable(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

// Trims only ASCII blanks and control codes; the bytes of a UTF-8 sequence are all above 127.
std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsTrimmable(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsTrimmable(s.back()))
        s.remove_suffix(1);
    return s;
}

// GetSubStr without the copy. An empty separator is never found, so the whole text is field 1.
std::string_view SubView(std::string_view s, std::string_view sep, int n) {
    if (n < 1)
        return {};
    // The count stops at n, so it cannot overflow.
    int field = 0;
    std::size_t pos = sep.empty() ? std::string_view::npos : s.find(sep);
    while (pos != std::string_view::npos) {
        ++field;
        if (field == n)
            return Trim(s.substr(0, pos));
        s.remove_prefix(pos + sep.size());
        pos = s.find(sep);
    }
    ++field;
    if (field == n && !s.empty())
        return Trim(s);
    return {};
}

// The platform's StrToIntDef for decimal texts: optional sign, digits, nothing else, in int range.
int StrToIntDef(std::string_view s, int fallback) {
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || error != std::errc{} || end != s.data() + s.size())
        return fallback;
    return value;
}

int RowStart(std::size_t row) {
    return StrToIntDef(SubView(EraTable[row], ",", 1), 0);
}

// Column 1 of every row, parsed once; the table is constant, so this never changes.
const std::array<int, EraRowCount>& StartYears() {
    static const std::array<int, EraRowCount> starts = [] {
        std::array<int, EraRowCount> years{};
        for (std::size_t row = 0; row < EraRowCount; ++row)
            years[row] = RowStart(row);
        return years;
    }();
    return starts;
}

// The first row whose range [own start, next row's start) holds the year. The last row only closes
// the range of the one before it and is never the answer.
std::optional<std::size_t> FindRow(int year, const std::array<int, EraRowCount>& starts) {
    for (std::size_t row = 0; row + 1 < EraRowCount; ++row) {
        if (starts[row] <= year && year < starts[row + 1])
            return row;
    }
    return std::nullopt;
}

} // namespace

std::string GetSubStr(std::string_view s, std::string_view sep, int n) {
    return std::string(SubView(s, sep, n));
}

std::string IfThenStr(bool b, const std::string& a, const std::string& b2) {
    return b ? a : b2;
}

std::string GetEraStr(int year) {
    const auto& starts = StartYears();
    // The first row opens the covered years and the last row closes them (-2069 and 1949). Between
    // the two some row always holds the year: the last row that starts at or before it.
    if (year >= starts.back() || year < starts.front())
        return {};
    const auto row = FindRow(year, starts);
    if (!row)
        return {};

    const std::string_view text = EraTable[*row];
    const int start = starts[*row];
    // Both years lie within the table's range, so the difference cannot overflow.
    const std::string reignYear = IfThenStr(year == start, "元", std::to_string(year - start + 1));

    std::string result;
    result.reserve(text.size() + reignYear.size() + 8);
    result += '[';
    result += SubView(text, ",", 4); // dynasty
    result += ']';
    result += SubView(text, ",", 5); // ruler's title
    result += ' ';
    result += SubView(text, ",", 6); // personal name
    result += ' ';
    result += SubView(text, ",", 7); // reign title
    result += reignYear;
    result += "年";
    return result;
}

} // namespace ChnCalendarUse
