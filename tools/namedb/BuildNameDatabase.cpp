// Build-time tool: turns the name lists (UTF-8 text, one given name a line) into the SQLite
// name database that the program reads. Each list becomes one table with one text column, its
// rows in the order of the lines, which is the order the program reads them in.
//
//   tolvane-namedb OUTPUT.dat LISTS_FOLDER
//
// The database is written to a temporary file beside OUTPUT and renamed over it only when it is
// complete, so an interrupted build never leaves half a database behind.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTextStream>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace {

struct NameTable {
    const char* table;
    const char* column;
};

constexpr std::array<NameTable, 4> kTables{{
    {"male1", "danm"},
    {"male2", "shuangm"},
    {"female1", "danm"},
    {"female2", "shuangm"},
}};

[[noreturn]] void Fail(const QString& message) {
    std::fprintf(stderr, "tolvane-namedb: %s\n", qPrintable(message));
    std::exit(1);
}

QStringList ReadList(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        Fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    QStringList names;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        ++lineNumber;
        if (line.isEmpty())
            Fail(QStringLiteral("%1:%2: empty line").arg(path).arg(lineNumber));
        names << line;
    }
    return names;
}

void Exec(QSqlQuery& query, const QString& statement) {
    if (!query.exec(statement))
        Fail(QStringLiteral("%1: %2").arg(statement, query.lastError().text()));
}

void WriteDatabase(const QString& path, const QString& listsFolder) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("build"));
    db.setDatabaseName(path);
    if (!db.open())
        Fail(QStringLiteral("cannot create %1: %2").arg(path, db.lastError().text()));
    QSqlQuery query(db);
    db.transaction();
    for (const NameTable& t : kTables) {
        const QString table = QLatin1String(t.table);
        const QString column = QLatin1String(t.column);
        Exec(query, QStringLiteral("create table %1 (%2 text not null)").arg(table, column));
        query.prepare(QStringLiteral("insert into %1 (%2) values (?)").arg(table, column));
        for (const QString& name : ReadList(QDir(listsFolder).filePath(table + QStringLiteral(".txt")))) {
            query.addBindValue(name);
            if (!query.exec())
                Fail(QStringLiteral("insert into %1: %2").arg(table, query.lastError().text()));
        }
    }
    if (!db.commit())
        Fail(QStringLiteral("cannot write %1: %2").arg(path, db.lastError().text()));
    query.finish();
    db.close();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3)
        Fail(QStringLiteral("usage: tolvane-namedb OUTPUT.dat LISTS_FOLDER"));
    const QString output = args[1];
    const QString listsFolder = args[2];

    const QFileInfo outputInfo(output);
    if (!QDir().mkpath(outputInfo.absolutePath()))
        Fail(QStringLiteral("cannot create the folder of %1").arg(output));
    const QString partial = output + QStringLiteral(".partial");
    QFile::remove(partial);
    WriteDatabase(partial, listsFolder);
    QSqlDatabase::removeDatabase(QStringLiteral("build"));
    QFile::remove(output);
    if (!QFile::rename(partial, output))
        Fail(QStringLiteral("cannot move %1 to %2").arg(partial, output));
    return 0;
}
