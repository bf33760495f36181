#include "app/NameStore.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>

namespace {

QString Quoted(const QString& text) { return QStringLiteral("“%1”").arg(text); }

} // namespace

TADOConnection::TADOConnection(QObject* parent)
    : QObject(parent), connectionName_(QStringLiteral("tolvane-names-%1").arg(reinterpret_cast<quintptr>(this))) {}

TADOConnection::~TADOConnection() { Disconnect(); }

void TADOConnection::SetConnectionString(const QString& path) {
    Disconnect();
    connectionString_ = path;
}

bool TADOConnection::Connected() const {
    return QSqlDatabase::contains(connectionName_) && QSqlDatabase::database(connectionName_, false).isOpen();
}

void TADOConnection::Disconnect() {
    if (!QSqlDatabase::contains(connectionName_))
        return;
    QSqlDatabase::database(connectionName_, false).close();
    QSqlDatabase::removeDatabase(connectionName_);
}

QSqlDatabase TADOConnection::Database() {
    if (Connected())
        return QSqlDatabase::database(connectionName_, false);

    // SQLite would happily create a missing file; the name database is only ever read.
    const QFileInfo file(connectionString_);
    if (!file.exists())
        throw EDatabaseError(QStringLiteral("The name database %1 does not exist.").arg(Quoted(connectionString_)));
    if (!file.isFile() || !file.isReadable())
        throw EDatabaseError(QStringLiteral("The name database %1 cannot be read.").arg(Quoted(connectionString_)));

    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        throw EDatabaseError(QStringLiteral("The SQLite driver for Qt is not installed, so the name database %1 "
                                            "cannot be opened.")
                                 .arg(Quoted(connectionString_)));
    QSqlDatabase db = QSqlDatabase::contains(connectionName_)
                          ? QSqlDatabase::database(connectionName_, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    db.setDatabaseName(connectionString_);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open())
        throw EDatabaseError(QStringLiteral("The name database %1 cannot be opened: %2")
                                 .arg(Quoted(connectionString_), db.lastError().text()));
    return db;
}

TADOQuery::TADOQuery(QObject* parent) : QObject(parent) {}

void TADOQuery::SqlClear() {
    Close();
    sql_.clear();
}

void TADOQuery::SqlAppend(const QString& line) {
    Close();
    sql_.append(line);
}

void TADOQuery::Open() {
    if (query_)
        return;
    if (!connection_)
        throw EDatabaseError(QStringLiteral("%1: no connection.").arg(objectName()));
    QSqlDatabase db = connection_->Database();
    QSqlQuery query(db);
    // The driver keeps the rows it has read, so the cursor can settle back on the last row.
    query.setForwardOnly(false);
    if (!query.exec(SqlText()))
        throw EDatabaseError(QStringLiteral("The name database %1 cannot run %2: %3")
                                 .arg(Quoted(connection_->ConnectionString()), Quoted(SqlText()),
                                      query.lastError().text()));
    query.first(); // stays invalid when there are no rows
    query_ = std::move(query);
}

void TADOQuery::Close() { query_.reset(); }

void TADOQuery::MoveBy(int n) {
    if (!query_ || n <= 0 || !query_->isValid())
        return;
    if (!query_->seek(n, /*relative=*/true))
        query_->last();
}

QString TADOQuery::FieldAsString(const QString& column) const {
    if (!query_)
        throw EDatabaseError(QStringLiteral("%1: cannot read field '%2' of a closed query.").arg(objectName(), column));
    const int index = query_->record().indexOf(column);
    if (index < 0)
        throw EDatabaseError(QStringLiteral("%1: Field '%2' not found in the result of %3.")
                                 .arg(objectName(), column, Quoted(SqlText())));
    return query_->isValid() ? query_->value(index).toString() : QString();
}
