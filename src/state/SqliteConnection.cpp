#include "state/SqliteConnection.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <atomic>

namespace {

std::atomic<unsigned> connectionCounter{0};

}  // namespace

SqliteConnection::SqliteConnection(const QString& file, Mode mode)
    : m_name(QStringLiteral("zelvo-sqlite-%1").arg(connectionCounter.fetch_add(1))) {
    const bool readOnly = mode == Mode::ReadOnly;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    db.setConnectOptions(
        readOnly
            ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000")
            : QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
    db.setDatabaseName(QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded) +
                       (readOnly ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=rw")));
    m_open = db.open();
}

SqliteConnection::~SqliteConnection() {
    database().close();
    QSqlDatabase::removeDatabase(m_name);
}

namespace SqlStatements {

QString engineMessage(const QSqlError& error) {
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

QString execute(QSqlQuery& query, const QString& statement, const QVariantList& values) {
    if (!query.prepare(statement)) return engineMessage(query.lastError());
    for (const QVariant& value : values) query.addBindValue(value);
    return query.exec() ? QString() : engineMessage(query.lastError());
}

}  // namespace SqlStatements
