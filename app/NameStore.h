#pragma once
// The name database: an SQLite file opened read-only, and a cursor over the result of one
// statement that moves forward and stops on the last row. Every failure is an EDatabaseError
// whose message names the file, the statement or the column, as the user will see it.

#include <QObject>
#include <QSqlQuery>
#include <QStringList>
#include <optional>
#include <stdexcept>

class EDatabaseError : public std::runtime_error {
public:
    explicit EDatabaseError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

class TADOConnection : public QObject {
    Q_OBJECT
public:
    explicit TADOConnection(QObject* parent = nullptr);
    ~TADOConnection() override;

    // The path of the database file; the file is opened on first use, never created.
    QString ConnectionString() const { return connectionString_; }
    void SetConnectionString(const QString& path);
    bool Connected() const;

    // The open connection; connects on first use and stays connected.
    QSqlDatabase Database();

private:
    void Disconnect();

    QString connectionName_;
    QString connectionString_;
};

class TADOQuery : public QObject {
    Q_OBJECT
public:
    explicit TADOQuery(QObject* parent = nullptr);

    void SetConnection(TADOConnection* connection) { connection_ = connection; }
    TADOConnection* Connection() const { return connection_; }

    // Changing the statement closes an open result first.
    void SqlClear();
    void SqlAppend(const QString& line);
    QString SqlText() const { return sql_.join(QLatin1Char('\n')); }

    // Runs the statement and leaves the cursor on the first row.
    void Open();
    void Close();
    bool Active() const { return query_.has_value(); }

    // Moves n rows forward (n >= 0); a move past the last row stops on the last row.
    void MoveBy(int n);

    // The named column of the current row as text; empty when the result has no rows.
    QString FieldAsString(const QString& column) const;

private:
    TADOConnection* connection_ = nullptr;
    QStringList sql_;
    std::optional<QSqlQuery> query_;
};
