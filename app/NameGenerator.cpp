#include "app/NameGenerator.h"

#include "app/NameStore.h"
#include "app/Random.h"
#include "platform/ListView.h"

namespace {

constexpr int kRows = 11;
constexpr int kSubItems = 6;

// Given names for two-character full names come from the single-character tables, those for
// three-character full names from the two-character tables, which are walked with longer steps.
constexpr NameSource kMaleSingle{"male1", "danm", 10};
constexpr NameSource kMaleDouble{"male2", "shuangm", 20};
constexpr NameSource kFemaleSingle{"female1", "danm", 10};
constexpr NameSource kFemaleDouble{"female2", "shuangm", 20};

} // namespace

std::optional<NameSource> ChooseNameSource(const QString& sex, const QString& length) {
    const bool threeCharacters = length == QStringLiteral("三字");
    if (sex == QStringLiteral("男"))
        return threeCharacters ? kMaleDouble : kMaleSingle;
    if (sex == QStringLiteral("女"))
        return threeCharacters ? kFemaleDouble : kFemaleSingle;
    return std::nullopt;
}

void SuggestNames(const QString& familyName, const QString& sex, const QString& length, TADOQuery& query,
                  TListItems items) {
    items.Clear();
    const std::optional<NameSource> source = ChooseNameSource(sex, length);
    if (!source)
        return;

    query.SqlClear();
    query.SqlAppend(QStringLiteral("select * from %1;").arg(QLatin1String(source->table)));
    query.Open();

    const QString column = QLatin1String(source->column);
    const int bound = source->stepBound;
    // Each row walks further than the one before: its steps grow with the row number, and the
    // k-th sub-item's step with k as well. Every press starts again at the first row.
    for (int r = 0; r < kRows; ++r) {
        TListItem item = items.Add();
        query.MoveBy(Random(bound) + r);
        item.SetCaption(familyName + query.FieldAsString(column));
        for (int k = 1; k <= kSubItems; ++k) {
            query.MoveBy(Random(bound) + r * k);
            item.SubItems().Add(familyName + query.FieldAsString(column));
        }
    }
    query.Close();
}
