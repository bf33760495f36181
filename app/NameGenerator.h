#pragma once
// The name suggestions behind the start button: one of four tables of given names is walked
// with random forward steps, and eleven rows of seven full names fill the list.

#include <QString>
#include <optional>

class TADOQuery;
class TListItems;

struct NameSource {
    const char* table;
    const char* column;
    int stepBound; // Random's bound for the steps between names
};

// The table for a sex and a name length as typed, compared exactly; none for any sex text
// other than "男" or "女".
std::optional<NameSource> ChooseNameSource(const QString& sex, const QString& length);

// Empties the list, then (for a known sex) reads the chosen table through the query and adds
// 11 items of a caption and 6 sub-items. A database error leaves the list as far as it got.
void SuggestNames(const QString& familyName, const QString& sex, const QString& length, TADOQuery& query,
                  TListItems items);
