#include "LinksDatabase.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <utility>

#include "DatabasePath.h"
#include "SqliteConnection.h"
#include "UsageLedger.h"

namespace {

using Table = LinksDatabase::Table;

using SqlStatements::engineMessage;
using SqlStatements::execute;

QString missingFileError(const QString& file) {
    return QStringLiteral("Could not find file '%1'.").arg(file);
}

QString existingFileError(const QString& file) {
    return QStringLiteral("The file '%1' already exists.").arg(file);
}

const char* tableName(Table table) {
    switch (table) {
        case Table::Links:
            return "Links";
        case Table::Domains:
            return "Domains";
        case Table::Visited:
            return "Visited";
    }
    return "";
}

// Column 1 of each table: the text rows are listed, found and sorted by.
const char* textColumn(Table table) {
    switch (table) {
        case Table::Links:
            return "Name";
        case Table::Domains:
            return "URL";
        case Table::Visited:
            return "Visited";
    }
    return "";
}

// `pattern` with {table} and {text} filled in; only fixed names ever enter a statement.
QString sql(const char* pattern, Table table) {
    return QString::fromLatin1(pattern)
        .replace(QLatin1String("{table}"), QLatin1String(tableName(table)))
        .replace(QLatin1String("{text}"), QLatin1String(textColumn(table)));
}

// The rowid of the first row in natural order whose text column equals the bound value.
QString firstMatchingRow(Table table) {
    return sql("(SELECT rowid FROM {table} WHERE {text} = ? ORDER BY rowid LIMIT 1)", table);
}

// A null QString would be stored as NULL, which no look-up can find again.
QVariant boundText(const QString& value) {
    return value.isNull() ? QStringLiteral("") : value;
}

QString readTexts(QSqlQuery& query, const QString& statement, const QVariantList& values,
                  QStringList& texts) {
    const QString error = execute(query, statement, values);
    if (!error.isEmpty()) return error;
    while (query.next()) texts.append(query.value(0).toString());
    return query.lastError().isValid() ? engineMessage(query.lastError()) : QString();
}

// Runs `work` on a connection of its own to `file`, which must already exist: the engine
// would otherwise create an empty file in its place.
template <typename Work>
QString withConnectionToFile(const QString& file, Work work) {
    if (!QFileInfo::exists(file)) return missingFileError(file);
    const SqliteConnection connection(file, SqliteConnection::Mode::ReadWrite);
    if (!connection.isOpen()) return engineMessage(connection.database().lastError());
    QSqlQuery query(connection.database());
    // A call returns only once its change is on disk.
    const QString error = execute(query, QStringLiteral("PRAGMA synchronous=FULL"));
    return error.isEmpty() ? work(query) : error;
}

template <typename Work>
QString withConnection(const QString& callerPath, Work work) {
    return withConnectionToFile(DatabasePath::resolve(callerPath), std::move(work));
}

QString changeFirstMatch(const QString& callerPath, const QString& statement,
                         const QVariantList& values) {
    return withConnection(callerPath, [&](QSqlQuery& query) {
        const QString error = execute(query, statement, values);
        if (!error.isEmpty()) return error;
        return query.numRowsAffected() > 0 ? QString() : LinksDatabase::noCurrentRecordError();
    });
}

QString writeSchema(const QString& file) {
    return withConnectionToFile(file, [](QSqlQuery& query) {
        const QStringList statements{
            QStringLiteral("BEGIN"),
            QStringLiteral(
                "CREATE TABLE Links (ID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT, URL TEXT)"),
            QStringLiteral("CREATE TABLE Domains (ID INTEGER PRIMARY KEY AUTOINCREMENT, URL TEXT)"),
            QStringLiteral(
                "CREATE TABLE Visited (ID INTEGER PRIMARY KEY AUTOINCREMENT, Visited TEXT)"),
            UsageLedger::createStatement(),
            QStringLiteral("COMMIT"),
        };
        for (const QString& statement : statements) {
            const QString error = execute(query, statement);
            if (!error.isEmpty()) return error;
        }
        return QString();
    });
}

QString creationError(const QString& file) {
    return QStringLiteral("Could not create '%1': %2.")
        .arg(file, QString::fromLocal8Bit(std::strerror(errno)));
}

}  // namespace

LinksDatabase::LinksDatabase(QString path) : m_path(std::move(path)) {}

QString LinksDatabase::resolvedPath() const {
    return DatabasePath::resolve(m_path);
}

LinksDatabase::Result<QStringList> LinksDatabase::listInKeyOrder(Table table) const {
    Result<QStringList> result;
    result.error = withConnection(m_path, [&](QSqlQuery& query) {
        return readTexts(query, sql("SELECT {text} FROM {table} ORDER BY ID", table), {},
                         result.value);
    });
    if (!result.ok()) result.value.clear();
    return result;
}

LinksDatabase::Result<LinksDatabase::Row> LinksDatabase::lookUp(Table table,
                                                                const QString& wanted) const {
    const char* pattern =
        table == Table::Links
            ? "SELECT Name, URL FROM {table} WHERE {text} = ? ORDER BY rowid LIMIT 1"
            : "SELECT {text}, NULL FROM {table} WHERE {text} = ? ORDER BY rowid LIMIT 1";
    Result<Row> result;
    result.error = withConnection(m_path, [&](QSqlQuery& query) {
        const QString error = execute(query, sql(pattern, table), {boundText(wanted)});
        if (!error.isEmpty()) return error;
        if (!query.next()) {
            return query.lastError().isValid() ? engineMessage(query.lastError())
                                               : noCurrentRecordError();
        }
        result.value = {query.value(0).toString(), query.value(1).toString()};
        return QString();
    });
    return result;
}

QString LinksDatabase::addLink(const QString& name, const QString& url) const {
    return withConnection(m_path, [&](QSqlQuery& query) {
        return execute(query, QStringLiteral("INSERT INTO Links (Name, URL) VALUES (?, ?)"),
                       {boundText(name), boundText(url)});
    });
}

QString LinksDatabase::addDomain(const QString& domain) const {
    return withConnection(m_path, [&](QSqlQuery& query) {
        return execute(query, QStringLiteral("INSERT INTO Domains (URL) VALUES (?)"),
                       {boundText(domain)});
    });
}

QString LinksDatabase::editLink(const QString& oldName, const QString& name,
                                const QString& url) const {
    return changeFirstMatch(m_path,
                            QStringLiteral("UPDATE Links SET Name = ?, URL = ? WHERE rowid = ") +
                                firstMatchingRow(Table::Links),
                            {boundText(name), boundText(url), boundText(oldName)});
}

QString LinksDatabase::editDomain(const QString& oldDomain, const QString& domain) const {
    return changeFirstMatch(m_path,
                            QStringLiteral("UPDATE Domains SET URL = ? WHERE rowid = ") +
                                firstMatchingRow(Table::Domains),
                            {boundText(domain), boundText(oldDomain)});
}

QString LinksDatabase::remove(Table table, const QString& wanted) const {
    return changeFirstMatch(
        m_path, sql("DELETE FROM {table} WHERE rowid = ", table) + firstMatchingRow(table),
        {boundText(wanted)});
}

LinksDatabase::Result<int> LinksDatabase::count(Table table) const {
    Result<int> result;
    result.error = withConnection(m_path, [&](QSqlQuery& query) {
        const QString error = execute(query, sql("SELECT COUNT(*) FROM {table}", table));
        if (!error.isEmpty()) return error;
        if (!query.next()) return engineMessage(query.lastError());
        result.value = query.value(0).toInt();
        return result.value > 0 ? QString() : noCurrentRecordError();
    });
    return result;
}

LinksDatabase::Result<QStringList> LinksDatabase::sortedList(Table table, SortOrder order) const {
    const char* pattern = order == SortOrder::Ascending
                              ? "SELECT {text} FROM {table} ORDER BY {text} ASC, rowid"
                              : "SELECT {text} FROM {table} ORDER BY {text} DESC, rowid";
    Result<QStringList> result;
    result.error = withConnection(m_path, [&](QSqlQuery& query) {
        return readTexts(query, sql(pattern, table), {}, result.value);
    });
    if (!result.ok()) result.value.clear();
    return result;
}

QString LinksDatabase::appendVisit(const QString& address) const {
    return withConnection(m_path, [&](QSqlQuery& query) {
        return execute(query, QStringLiteral("INSERT INTO Visited (Visited) VALUES (?)"),
                       {boundText(address)});
    });
}

LinksDatabase::Result<QStringList> LinksDatabase::allowedDomains(int limit) const {
    Result<QStringList> result;
    result.error = withConnection(m_path, [&](QSqlQuery& query) {
        return readTexts(query, QStringLiteral("SELECT URL FROM Domains ORDER BY rowid LIMIT ?"),
                         {qMax(limit, 0)}, result.value);
    });
    if (!result.ok()) result.value.clear();
    return result;
}

QString LinksDatabase::clearLog() const {
    return withConnection(m_path, [](QSqlQuery& query) {
        return execute(query, QStringLiteral("DELETE FROM Visited"));
    });
}

QString LinksDatabase::createEmpty(const QString& path) {
    const QString target = DatabasePath::resolve(path);
    if (DatabasePath::exists(path)) return existingFileError(target);

    // The schema is written under a private name and published with link(), which never
    // replaces a file: a concurrent creator or a crash cannot leave a half-made database
    // under the real name, and an existing database is never touched.
    static std::atomic<unsigned> draftCounter{0};
    const QString draft =
        QStringLiteral("%1.new-%2-%3")
            .arg(target, QString::number(::getpid()), QString::number(draftCounter.fetch_add(1)));
    const QByteArray draftName = QFile::encodeName(draft);
    const int fd = ::open(draftName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return creationError(target);
    ::close(fd);

    QString error = writeSchema(draft);
    if (error.isEmpty() && ::link(draftName.constData(), QFile::encodeName(target).constData()))
        error = errno == EEXIST ? existingFileError(target) : creationError(target);
    ::unlink(draftName.constData());
    return error;
}

QString LinksDatabase::noCurrentRecordError() {
    return QStringLiteral("No current record.");
}
