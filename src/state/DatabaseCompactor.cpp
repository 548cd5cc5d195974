#include "DatabaseCompactor.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QVariant>
#include <QVector>
#include <optional>
#include <utility>

#include "DatabasePath.h"
#include "SqliteConnection.h"

namespace {

// Each table's name and row count, in name order.
using RowCounts = QVector<QPair<QString, qint64>>;

QString journalOf(const QString& file) {
    return file + QStringLiteral("-journal");
}

// A read-only connection: a damaged file is only read, never repaired or rewritten.
class ReadOnlyConnection : public SqliteConnection {
public:
    explicit ReadOnlyConnection(const QString& file) : SqliteConnection(file, Mode::ReadOnly) {}
};

QString quotedIdentifier(QString name) {
    return QLatin1Char('"') + name.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

std::optional<qint64> singleNumber(const ReadOnlyConnection& connection, const QString& statement) {
    QSqlQuery query(connection.database());
    if (!query.exec(statement) || !query.next()) return std::nullopt;
    return query.value(0).toLongLong();
}

// Every table of the file, whatever tables later versions add.
std::optional<RowCounts> rowCounts(const ReadOnlyConnection& connection) {
    QStringList tables;
    {
        QSqlQuery query(connection.database());
        if (!query.exec(QStringLiteral(
                "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"))) {
            return std::nullopt;
        }
        while (query.next()) tables << query.value(0).toString();
    }
    RowCounts counts;
    for (const QString& table : tables) {
        const std::optional<qint64> count = singleNumber(
            connection, QStringLiteral("SELECT COUNT(*) FROM ") + quotedIdentifier(table));
        if (!count) return std::nullopt;
        counts.append({table, *count});
    }
    return counts;
}

// Rebuilding the file pays only when a tenth of its pages or more are free; nothing when
// the file cannot be read as a database (an empty file holds no page).
std::optional<bool> hasSpaceToReclaim(const QString& database) {
    const ReadOnlyConnection connection(database);
    if (!connection.isOpen()) return std::nullopt;
    const std::optional<qint64> pages =
        singleNumber(connection, QStringLiteral("PRAGMA page_count"));
    const std::optional<qint64> free =
        singleNumber(connection, QStringLiteral("PRAGMA freelist_count"));
    if (!pages || !free || *pages <= 0) return std::nullopt;
    return *free > 0 && *free * 10 >= *pages;
}

bool vacuumInto(const ReadOnlyConnection& connection, const QString& target) {
    QSqlQuery query(connection.database());
    if (!query.prepare(QStringLiteral("VACUUM INTO ?"))) return false;
    query.addBindValue(target);
    return query.exec();
}

bool passesIntegrityCheck(const ReadOnlyConnection& connection) {
    QSqlQuery query(connection.database());
    return query.exec(QStringLiteral("PRAGMA integrity_check")) && query.next() &&
           query.value(0).toString() == QLatin1String("ok") && !query.next();
}

std::optional<RowCounts> countAndCopy(const QString& database, const QString& copy) {
    const ReadOnlyConnection source(database);
    if (!source.isOpen()) return std::nullopt;
    std::optional<RowCounts> counts = rowCounts(source);
    if (!counts || !vacuumInto(source, copy)) return std::nullopt;
    return counts;
}

bool isCompleteCopy(const QString& copy, const RowCounts& sourceCounts) {
    const ReadOnlyConnection connection(copy);
    return connection.isOpen() && passesIntegrityCheck(connection) &&
           rowCounts(connection) == sourceCounts;
}

// The header's change counter moves with every committed write. A write during the
// compaction, or one still in flight (its journal present), must not be replaced by a
// copy that lacks it.
std::optional<QByteArray> changeCounter(const QString& database) {
    if (QFileInfo::exists(journalOf(database))) return std::nullopt;
    QFile file(database);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(24)) return std::nullopt;
    const QByteArray counter = file.read(4);
    if (counter.size() != 4) return std::nullopt;
    return counter;
}

bool syncWithPermissionsOf(const QString& copy, const QString& database) {
    struct stat original {};
    if (::stat(QFile::encodeName(database).constData(), &original) != 0) return false;
    const int fd = ::open(QFile::encodeName(copy).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fchmod(fd, original.st_mode & 07777) == 0 && ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

void syncDirectory(const QString& directory) {
    const int fd =
        ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool removeWithJournal(const QString& file) {
    QFile::remove(journalOf(file));
    return !QFileInfo::exists(file) || QFile::remove(file);
}

// Removes the temporary copy on every way out except a completed replacement.
class CopyCleanup {
public:
    explicit CopyCleanup(QString copy) : m_copy(std::move(copy)) {}
    ~CopyCleanup() {
        if (m_armed) removeWithJournal(m_copy);
    }
    CopyCleanup(const CopyCleanup&) = delete;
    CopyCleanup& operator=(const CopyCleanup&) = delete;

    void disarm() { m_armed = false; }

private:
    QString m_copy;
    bool m_armed = true;
};

}  // namespace

DatabaseCompactor::DatabaseCompactor(QString applicationDirectory)
    : m_dir(std::move(applicationDirectory)) {}

DatabaseCompactor::Outcome DatabaseCompactor::compact() const {
    const QString database = DatabasePath::resolve(m_dir + QStringLiteral("/links.mdb"));
    if (!QFileInfo(database).isFile()) return Outcome::Missing;

    // The replacement below is atomic, so a crush.mdb found now is the leftover of a run
    // that never finished and holds nothing the database lacks.
    const QString copy = QDir(m_dir).filePath(QStringLiteral("crush.mdb"));
    if (!removeWithJournal(copy)) return Outcome::Skipped;
    CopyCleanup cleanup(copy);

    const std::optional<bool> worthIt = hasSpaceToReclaim(database);
    if (!worthIt) return Outcome::Skipped;
    if (!*worthIt) return Outcome::NothingToReclaim;
    const std::optional<QByteArray> counterBefore = changeCounter(database);
    if (!counterBefore) return Outcome::Skipped;
    const std::optional<RowCounts> counts = countAndCopy(database, copy);
    if (!counts || !isCompleteCopy(copy, *counts)) return Outcome::Skipped;
    if (!syncWithPermissionsOf(copy, database)) return Outcome::Skipped;
    if (changeCounter(database) != counterBefore) return Outcome::Skipped;

    const QByteArray copyName = QFile::encodeName(copy);
    if (::rename(copyName.constData(), QFile::encodeName(database).constData()) != 0)
        return Outcome::Skipped;
    cleanup.disarm();
    syncDirectory(m_dir);
    return Outcome::Compacted;
}
