#pragma once
// Small name databases made on the spot: each table's rows hold "r1", "r2", ... so a test reads
// off which rows a walk visited.

#include <QString>
#include <QTemporaryDir>
#include <vector>

struct FixtureTable {
    QString name;
    QString column; // empty: the table has only an id column
    int rows;
};

class NameDatabaseFixture {
public:
    explicit NameDatabaseFixture(const std::vector<FixtureTable>& tables);
    QString Path() const { return dir_.filePath(QStringLiteral("norvide.dat")); }
    QString MissingPath() const { return dir_.filePath(QStringLiteral("absent/norvide.dat")); }

private:
    QTemporaryDir dir_;
};

// The four tables of the real database, each with the given number of rows.
std::vector<FixtureTable> FourTables(int singleRows, int doubleRows);
