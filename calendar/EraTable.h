#pragma once

// The table of historical Chinese reign eras and the lookup that turns a Gregorian year into the
// era text shown in the month calendar's title ("[清]圣祖 玄烨 康熙61年").

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace ChnCalendarUse {

inline constexpr std::size_t EraRowCount = 529;

// One row per reign or era, UTF-8, seven comma-separated fields:
//   first year, length in years, years the era had already run, dynasty,
//   ruler's temple or posthumous title, ruler's personal name, reign title.
// The row order is part of the data: dynasties that ruled side by side follow each other as blocks,
// and the lookup takes the first row whose range covers the year. Defined in EraTableData.cpp.
extern const std::array<std::string_view, EraRowCount> EraTable;

// The era text of a Gregorian year (historical numbering), or "" before -2069 and from 1949 on.
std::string GetEraStr(int year);

// Field n (1-based) of s split at sep, trimmed of leading and trailing characters of code 32 and
// below; empty fields count. "" when s has fewer than n fields or n < 1.
std::string GetSubStr(std::string_view s, std::string_view sep, int n);

// a when b holds, else b2.
std::string IfThenStr(bool b, const std::string& a, const std::string& b2);

} // namespace ChnCalendarUse
