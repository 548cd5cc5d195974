#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

class QSqlError;
class QSqlQuery;

// A connection of its own to an existing SQLite file, under a name no other connection
// uses, closed and removed when it goes. The file is never created: a missing file fails to
// open. A locked database is waited for a few seconds before a statement fails.
class SqliteConnection {
public:
    enum class Mode { ReadWrite, ReadOnly };

    SqliteConnection(const QString& file, Mode mode);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    bool isOpen() const { return m_open; }
    // Queries on it must be gone before the connection is.
    QSqlDatabase database() const { return QSqlDatabase::database(m_name, false); }

private:
    QString m_name;
    bool m_open = false;
};

// The statements every database call runs, with their errors as values.
namespace SqlStatements {

// SQLite's own message when it gave one, else Qt's.
QString engineMessage(const QSqlError& error);
// Prepares `statement`, binds `values` in order and runs it; the engine's message, or empty.
QString execute(QSqlQuery& query, const QString& statement, const QVariantList& values = {});

}  // namespace SqlStatements
