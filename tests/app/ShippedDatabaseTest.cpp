// The name database the build ships: enough rows for the longest walk, real names, and
// single characters that do not come back too soon.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

QStringList ReadColumn(const char* table, const char* column) {
    const QString connection = QStringLiteral("shipped-%1").arg(QLatin1String(table));
    QStringList values;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(QStringLiteral(TOLVANE_NAME_DATABASE));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        EXPECT_TRUE(db.open()) << TOLVANE_NAME_DATABASE;
        QSqlQuery q(db);
        EXPECT_TRUE(q.exec(QStringLiteral("select %1 from %2").arg(QLatin1String(column), QLatin1String(table))));
        while (q.next())
            values << q.value(0).toString();
    }
    QSqlDatabase::removeDatabase(connection);
    return values;
}

bool IsCjkName(const QString& name, int length) {
    if (name.size() != length)
        return false;
    for (QChar c : name)
        if (c.unicode() < 0x4E00 || c.unicode() > 0x9FFF)
            return false;
    return true;
}

TEST(ShippedDatabaseTest, SingleCharacterTablesAreLongEnoughAndDoNotRepeatSoon) {
    for (const char* table : {"male1", "female1"}) {
        SCOPED_TRACE(table);
        const QStringList names = ReadColumn(table, "danm");
        EXPECT_GE(names.size(), 2000);
        std::map<QString, int> lastRow;
        for (int row = 0; row < names.size(); ++row) {
            ASSERT_TRUE(IsCjkName(names[row], 1)) << "row " << row + 1;
            auto seen = lastRow.find(names[row]);
            if (seen != lastRow.end()) {
                ASSERT_GE(row - seen->second, 300) << names[row].toStdString() << " at row " << row + 1;
            }
            lastRow[names[row]] = row;
        }
    }
}

TEST(ShippedDatabaseTest, TwoCharacterTablesAreLongEnoughAndUnique) {
    for (const char* table : {"male2", "female2"}) {
        SCOPED_TRACE(table);
        const QStringList names = ReadColumn(table, "shuangm");
        EXPECT_GE(names.size(), 2800);
        std::set<QString> seen;
        for (int row = 0; row < names.size(); ++row) {
            ASSERT_TRUE(IsCjkName(names[row], 2)) << "row " << row + 1;
            ASSERT_TRUE(seen.insert(names[row]).second) << names[row].toStdString() << " repeats at row " << row + 1;
        }
    }
}

} // namespace
