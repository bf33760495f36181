#include "support/NameDatabaseFixture.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <stdexcept>

NameDatabaseFixture::NameDatabaseFixture(const std::vector<FixtureTable>& tables) {
    const QString connection = QStringLiteral("fixture-%1").arg(reinterpret_cast<quintptr>(this));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(Path());
        if (!db.open())
            throw std::runtime_error("cannot create the fixture database");
        QSqlQuery q(db);
        db.transaction();
        for (const FixtureTable& t : tables) {
            // An extra leading column shows that the reader goes by column name.
            const QString columns = t.column.isEmpty() ? QStringLiteral("id integer")
                                                       : QStringLiteral("id integer, %1 text").arg(t.column);
            q.exec(QStringLiteral("create table %1 (%2)").arg(t.name, columns));
            if (t.column.isEmpty())
                continue;
            q.prepare(QStringLiteral("insert into %1 (id, %2) values (?, ?)").arg(t.name, t.column));
            for (int row = 1; row <= t.rows; ++row) {
                q.addBindValue(row);
                q.addBindValue(QStringLiteral("r%1").arg(row));
                q.exec();
            }
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

std::vector<FixtureTable> FourTables(int singleRows, int doubleRows) {
    return {{QStringLiteral("male1"), QStringLiteral("danm"), singleRows},
            {QStringLiteral("male2"), QStringLiteral("shuangm"), doubleRows},
            {QStringLiteral("female1"), QStringLiteral("danm"), singleRows},
            {QStringLiteral("female2"), QStringLiteral("shuangm"), doubleRows}};
}
